#pragma once

#include <QPixmap>
#include <QSize>

// The pictures of the splash and About windows, drawn at run time.
QPixmap DrawTitlePicture(QSize size, bool withLinks);
