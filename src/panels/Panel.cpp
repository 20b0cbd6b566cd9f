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
    painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextSingleLine, caption_);
}
