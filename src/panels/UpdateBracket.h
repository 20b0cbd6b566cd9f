#pragma once

#include <QPointer>
#include <QWidget>

// Suspends a widget's repaints for a change made in several steps; repaints once at the end.
// Survives the widget being freed inside the bracket.
class TUpdateBracket
{
public:
    // Only the widget's own lock is remembered: updatesEnabled() is also false while a parent is
    // locked, and restoring that would leave the widget locked after the parent unlocks.
    explicit TUpdateBracket(QWidget *widget)
        : widget_(widget), was_(!widget->testAttribute(Qt::WA_ForceUpdatesDisabled))
    {
        widget_->setUpdatesEnabled(false);
    }
    ~TUpdateBracket()
    {
        if (widget_)
            widget_->setUpdatesEnabled(was_);
    }
    TUpdateBracket(const TUpdateBracket &) = delete;
    TUpdateBracket &operator=(const TUpdateBracket &) = delete;

private:
    QPointer<QWidget> widget_;
    bool was_;
};
