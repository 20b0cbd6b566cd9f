#include "MTImageList.h"

#include <QPainter>

void TMTImageList::Add(const QPixmap &image)
{
    images_ << (image.size() == QSize(width_, height_)
                    ? image
                    : image.scaled(width_, height_, Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation));
}

void TMTImageList::Draw(QPainter &painter, int x, int y, int index) const
{
    if (index >= 0 && index < images_.size())
        painter.drawPixmap(x, y, images_[index]);
}
