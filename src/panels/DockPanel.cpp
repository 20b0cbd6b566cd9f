#include "DockPanel.h"

#include "AppFolders.h"

#include <QChildEvent>
#include <QTimer>
#include <QWidget>

QWidget *PresentPanel(const QString &className)
{
    auto *panel = qobject_cast<QWidget *>(FindAppComponent(className));
    return panel && !panel->isHidden() ? panel : nullptr;
}

TDockPanel::TDockPanel(QWidget *parent, const QStringList &panelClasses)
    : TPanel(parent, QStringLiteral("pnlDock")), classes_(panelClasses)
{}

void TDockPanel::SetTopStrip(QWidget *strip, bool countTopOnlyIfVisible)
{
    top_ = strip;
    countTopOnlyIfVisible_ = countTopOnlyIfVisible;
    AlignLater();
}

void TDockPanel::SetBottomStrip(QWidget *strip)
{
    bottom_ = strip;
    AlignLater();
}

bool TDockPanel::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
        // The child is still being constructed: its class is known only later.
        if (auto *child = qobject_cast<QWidget *>(static_cast<QChildEvent *>(event)->child()))
            child->installEventFilter(this);
        AlignLater();
        break;
    case QEvent::ChildRemoved:
    case QEvent::LayoutRequest:
    case QEvent::Show:
        AlignLater();
        break;
    default:
        break;
    }
    return TPanel::event(event);
}

bool TDockPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched->parent() == this &&
        (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent))
        AlignLater();
    return TPanel::eventFilter(watched, event);
}

void TDockPanel::resizeEvent(QResizeEvent *event)
{
    TPanel::resizeEvent(event);
    AlignChildren();
}

void TDockPanel::AlignLater()
{
    if (alignPending_)
        return;
    alignPending_ = true;
    QTimer::singleShot(0, this, [this] { AlignChildren(); });
}

void TDockPanel::AlignChildren()
{
    alignPending_ = false;
    AlignStrips();
    const QList<QWidget *> panels = DockedPanels();
    const int present = PresentCount();
    if (panels.isEmpty() || present == 0)
        return; // positions stay as they are
    AlignPanels(panels, (height() - TopHeight() - BottomHeight()) / present);
}

void TDockPanel::AlignStrips()
{
    if (top_ && !top_->isHidden())
        top_->setGeometry(0, 0, width(), top_->height());
    if (bottom_ && !bottom_->isHidden())
        bottom_->setGeometry(0, height() - bottom_->height(), width(), bottom_->height());
}

int TDockPanel::TopHeight() const
{
    if (!top_ || (countTopOnlyIfVisible_ && top_->isHidden()))
        return 0;
    return top_->height();
}

int TDockPanel::BottomHeight() const
{
    return bottom_ && !bottom_->isHidden() ? bottom_->height() : 0;
}

int TDockPanel::PresentCount() const
{
    int count = 0;
    for (const QString &name : classes_)
        if (PresentPanel(name))
            ++count;
    return count;
}

QList<QWidget *> TDockPanel::DockedPanels() const
{
    QList<QWidget *> panels;
    for (QObject *object : children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (!child || child == top_ || child == bottom_ || child->isHidden())
            continue;
        if (!classes_.contains(QLatin1String(child->metaObject()->className()))) {
            qWarning("Uknown Form");
            continue;
        }
        panels.append(child);
    }
    return panels;
}

void TDockPanel::AlignPanels(const QList<QWidget *> &panels, int panelHeight)
{
    // Class by class; a later class starts below the earlier present panels.
    int top = TopHeight();
    for (const QString &name : classes_) {
        for (QWidget *panel : panels)
            if (QLatin1String(panel->metaObject()->className()) == name)
                panel->setGeometry(0, top, width(), panelHeight);
        if (auto *present = PresentPanel(name); present && present->height() > 0)
            top += present->height();
    }
}
