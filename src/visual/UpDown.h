#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QToolButton;

// Spin buttons bound to an edit: a click moves the position within its range, reports the new
// position (before the edit hears of it), then writes it into the edit.
class TUpDown : public QWidget
{
    Q_OBJECT

public:
    TUpDown(QWidget *parent, const QString &name, QLineEdit *buddy, int minimum, int maximum);

    int Position() const { return position_; }
    // Sets the position without reporting or touching the edit.
    void SetPosition(int position);
    // Steps from the number in the edit when it holds one, else from the position.
    void Step(int delta);

    std::function<void(int newPosition)> OnChanging;

private:
    QLineEdit *buddy_;
    int minimum_, maximum_;
    int position_ = 0;
};
