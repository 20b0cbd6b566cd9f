#pragma once

#include <QFrame>
#include <QString>

// A plain panel: a frame that may paint a one-line caption centred in its area. The font walk
// treats it as a container whose own font also changes.
class TPanel : public QFrame
{
    Q_OBJECT

public:
    explicit TPanel(QWidget *parent = nullptr, const QString &name = QString());

    QString Caption() const { return caption_; }
    void SetCaption(const QString &caption);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString caption_;
};
