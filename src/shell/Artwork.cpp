#include "Artwork.h"

#include <QLinearGradient>
#include <QPainter>

QPixmap DrawTitlePicture(QSize size, bool withLinks)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(32, 48, 92));
    sky.setColorAt(1, QColor(96, 60, 110));
    p.fillRect(pixmap.rect(), sky);
    // A few staff lines across the picture.
    p.setPen(QPen(QColor(255, 255, 255, 40), 1.5));
    for (int i = 0; i < 5; ++i) {
        const int y = size.height() / 2 + 40 + i * 9;
        p.drawLine(20, y, size.width() - 20, y);
    }
    QFont title(QStringLiteral("Serif"));
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(250, 240, 210));
    p.drawText(QRect(0, 40, size.width(), 50), Qt::AlignCenter, QStringLiteral("Tolvane"));
    QFont sub(QStringLiteral("Sans"));
    sub.setPixelSize(16);
    p.setFont(sub);
    p.setPen(QColor(230, 230, 240));
    p.drawText(QRect(0, 92, size.width(), 30), Qt::AlignCenter,
               QStringLiteral("Dictionary of Rhyme"));
    sub.setPixelSize(12);
    p.setFont(sub);
    p.drawText(QRect(0, 120, size.width(), 24), Qt::AlignCenter,
               withLinks ? QStringLiteral("for song writers and poets")
                         : QStringLiteral("Loading the word lists..."));
    return pixmap;
}
