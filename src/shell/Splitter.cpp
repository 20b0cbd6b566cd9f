#include "Splitter.h"

#include <QMouseEvent>

TSplitter::TSplitter(QWidget *parent, const QString &name, Qt::Orientation orientation,
                     QWidget *panel, bool panelAfter)
    : QWidget(parent), orientation_(orientation), panel_(panel), panelAfter_(panelAfter)
{
    setObjectName(name);
    if (orientation == Qt::Vertical) {
        setFixedWidth(3);
        setCursor(Qt::SplitHCursor);
    } else {
        setFixedHeight(3);
        setCursor(Qt::SplitVCursor);
    }
}

int TSplitter::PanelSize() const
{
    return orientation_ == Qt::Vertical ? panel_->width() : panel_->height();
}

void TSplitter::SetPanelSize(int size)
{
    if (orientation_ == Qt::Vertical)
        panel_->setFixedWidth(size);
    else
        panel_->setFixedHeight(size);
}

int TSplitter::Axis(const QPointF &globalPos) const
{
    return int(orientation_ == Qt::Vertical ? globalPos.x() : globalPos.y());
}

bool TSplitter::MoveBy(int delta)
{
    if (CanResize && !CanResize())
        return false;
    int size = PanelSize() + (panelAfter_ ? -delta : delta);
    if (Limit)
        size = Limit(size);
    SetPanelSize(size);
    if (Moved)
        Moved(size);
    return true;
}

void TSplitter::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || (CanResize && !CanResize()))
        return;
    dragging_ = true;
    dragStart_ = Axis(event->globalPosition());
    startSize_ = PanelSize();
}

void TSplitter::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragging_)
        return;
    const int delta = Axis(event->globalPosition()) - dragStart_;
    int size = startSize_ + (panelAfter_ ? -delta : delta);
    if (Limit)
        size = Limit(size);
    SetPanelSize(size);
}

void TSplitter::mouseReleaseEvent(QMouseEvent *event)
{
    if (!dragging_ || event->button() != Qt::LeftButton)
        return;
    dragging_ = false;
    if (Moved)
        Moved(PanelSize());
}
