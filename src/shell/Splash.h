#pragma once

#include <QWidget>

// Covers the loading of the word lists: no border, centred, one picture.
class TfrmSplash : public QWidget
{
    Q_OBJECT

public:
    TfrmSplash();
    // Shows the window and lets it paint before the long step starts.
    void ShowNow();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap picture_;
};
