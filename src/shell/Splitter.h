#pragma once

#include <QWidget>

#include <functional>

// A thin bar that resizes one neighbouring panel by dragging. The owner decides whether a move
// is accepted and clamps the new size; the bar only turns mouse movement into a size.
class TSplitter : public QWidget
{
    Q_OBJECT

public:
    // Vertical bars change the panel's width, horizontal bars its height. A panel after the bar
    // (right of it or below it) grows when the bar moves towards the start.
    TSplitter(QWidget *parent, const QString &name, Qt::Orientation orientation, QWidget *panel,
              bool panelAfter);

    // Asked before a drag starts: may the panel be resized now?
    std::function<bool()> CanResize;
    // Clamps a proposed size.
    std::function<int(int)> Limit;
    // Told the size after a completed move.
    std::function<void(int)> Moved;

    QWidget *Panel() const { return panel_; }
    // Moves the bar by delta pixels along its axis, as a drag would; returns whether it moved.
    bool MoveBy(int delta);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int PanelSize() const;
    void SetPanelSize(int size);
    int Axis(const QPointF &globalPos) const;

    Qt::Orientation orientation_;
    QWidget *panel_;
    bool panelAfter_;
    bool dragging_ = false;
    int dragStart_ = 0;
    int startSize_ = 0;
};
