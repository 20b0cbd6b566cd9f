#pragma once

#include <QDialog>
#include <QRect>
#include <QString>

#include <vector>

// The picture of the About window; its link areas open web pages.
class TAboutPicture : public QWidget
{
    Q_OBJECT

public:
    struct TLinkArea
    {
        QString caption;
        QString url;
        QRect area;
    };

    explicit TAboutPicture(QWidget *parent);
    const std::vector<TLinkArea> &Links() const { return links_; }
    // The link under a point, or null.
    const TLinkArea *LinkAt(const QPoint &point) const;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap picture_;
    std::vector<TLinkArea> links_;
};

class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent);
    TAboutPicture *Picture() const { return picture_; }

private:
    TAboutPicture *picture_;
};
