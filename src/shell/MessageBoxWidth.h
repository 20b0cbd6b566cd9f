#pragma once

#include <QObject>

// Widens every message box of the program to its title: a short question ("Save changes?")
// makes a box narrower than "Tolvane Dictionary of Rhyme", which the window manager then cuts.
class TMessageBoxWidth : public QObject
{
    Q_OBJECT

public:
    // Room for the window manager's buttons and frame beside the title.
    static constexpr int CaptionRoom = 140;

    explicit TMessageBoxWidth(QObject *parent) : QObject(parent) {}

    // Watches every widget of the application; owned by it.
    static void Install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
