#pragma once

#include <QGroupBox>

class QRadioButton;

// A radio group with the items "Left" and "Right" side by side.
class TSideChoice : public QGroupBox
{
    Q_OBJECT

public:
    TSideChoice(const QString &title, QWidget *parent = nullptr);

    bool RightChosen() const;
    void ChooseRight(bool right);
    QRadioButton *Left() const { return left_; }
    QRadioButton *Right() const { return right_; }

private:
    QRadioButton *left_;
    QRadioButton *right_;
};
