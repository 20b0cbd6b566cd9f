#pragma once

#include <QPixmap>
#include <QVector>

class QPainter;

// Images of one size, drawn by index, for the node and state images of the tree control.
class TMTImageList
{
public:
    TMTImageList(int width, int height) : width_(width), height_(height) {}
    int Width() const { return width_; }
    int Height() const { return height_; }
    int Count() const { return int(images_.size()); }
    // Scaled to the list's size when it differs.
    void Add(const QPixmap &image);
    // Nothing for an index out of range.
    void Draw(QPainter &painter, int x, int y, int index) const;

private:
    int width_, height_;
    QVector<QPixmap> images_;
};
