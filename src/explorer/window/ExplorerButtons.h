#pragma once

#include <QToolButton>
#include <QWidget>

#include <array>

// A part-of-speech button: it toggles when the mouse goes down, not when it comes up.
class TPosButton : public QToolButton
{
    Q_OBJECT

public:
    using QToolButton::QToolButton;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The window's right-hand column: Previous, the four part-of-speech filters, Copy and Close.
class TExplorerButtons : public QWidget
{
    Q_OBJECT

public:
    explicit TExplorerButtons(QWidget *parent);

    QToolButton *PreviousBut, *CopyButton, *CloseButton;
    std::array<TPosButton *, 4> PosButtons; // NounButton .. AdvButton, Tag 0..3

    // Enables the buttons of the parts of speech in mask and puts them all up.
    void ResetPartsOfSpeech(unsigned mask);
    void SetPartOfSpeechDown(int pos); // -1: all up

signals:
    void PartOfSpeechToggled(int pos, bool down);
};
