#include "Panel.h"

#include <QPainter>

TPanel::TPanel(QWidget *parent, const QString &name) : QFrame(parent)
{
    if (!name.isEmpty())
        setObjectName(name);
}

void TPanel::SetCaption(const QString &caption)
{
    if (caption == caption_)
        return;
    caption_ = caption;
    update();
}

void TPanel::paintEvent(QPaintEvent *event)
{
    QFrame::paintEvent(event);
    if (caption_.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    // A narrow side panel shows the start of the caption rather than its clipped middle.
    const QRect area = contentsRect().adjusted(2, 0, -2, 0);
    const QString text = painter.fontMetrics().elidedText(caption_, Qt::ElideRight, area.width());
    painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
}
