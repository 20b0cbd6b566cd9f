#include "About.h"

#include "AppFolders.h"
#include "Artwork.h"
#include "Links.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr QSize PictureSize(420, 300);
}

TAboutPicture::TAboutPicture(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("imgAbout"));
    setFixedSize(PictureSize);
    setMouseTracking(true);
    picture_ = DrawTitlePicture(PictureSize, true);
    const int w = PictureSize.width();
    links_ = {
        {tr("Official Product Website"), Links::Url(Links::OfficialSite),
         QRect(40, 170, w - 80, 24)},
        {tr("Poets & Songwriters Community"), Links::Url(Links::PoetCommunity),
         QRect(40, 200, w - 80, 24)},
        {tr("Licensing Agreement"), Links::Url(Links::License), QRect(40, 230, w - 80, 24)},
    };
}

const TAboutPicture::TLinkArea *TAboutPicture::LinkAt(const QPoint &point) const
{
    for (const TLinkArea &link : links_)
        if (link.area.contains(point))
            return &link;
    return nullptr;
}

void TAboutPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
    QFont font = p.font();
    font.setUnderline(true);
    font.setPixelSize(13);
    p.setFont(font);
    p.setPen(QColor(170, 210, 255));
    for (const TLinkArea &link : links_)
        p.drawText(link.area, Qt::AlignCenter, link.caption);
    font.setUnderline(false);
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(QColor(220, 220, 230));
    p.drawText(QRect(0, PictureSize.height() - 26, PictureSize.width(), 20), Qt::AlignCenter,
               QStringLiteral("Version " TOLVANE_VERSION));
}

void TAboutPicture::mouseMoveEvent(QMouseEvent *event)
{
    setCursor(LinkAt(event->position().toPoint()) ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TAboutPicture::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        if (const TLinkArea *link = LinkAt(event->position().toPoint()))
            ShellOpen(link->url);
}

TAboutForm::TAboutForm(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(tr("Tolvane Dictionary of Rhyme"));
    auto *layout = new QVBoxLayout(this);
    picture_ = new TAboutPicture(this);
    layout->addWidget(picture_);
    auto *ok = new QPushButton(tr("&OK"), this);
    ok->setObjectName(QStringLiteral("btnOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
