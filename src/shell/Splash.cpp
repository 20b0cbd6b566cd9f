#include "Splash.h"

#include "Artwork.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

TfrmSplash::TfrmSplash() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    const QSize size(479, 354);
    setFixedSize(size);
    picture_ = DrawTitlePicture(size, false);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmSplash::ShowNow()
{
    show();
    QCoreApplication::processEvents();
}

void TfrmSplash::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}
