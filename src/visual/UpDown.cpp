#include "UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

TUpDown::TUpDown(QWidget *parent, const QString &name, QLineEdit *buddy, int minimum, int maximum)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum)
{
    setObjectName(name);
    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    for (const auto &[arrow, delta] : {std::pair{Qt::UpArrow, 1}, std::pair{Qt::DownArrow, -1}}) {
        auto *button = new QToolButton(this);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFixedSize(16, 11);
        button->setObjectName(delta > 0 ? QStringLiteral("up") : QStringLiteral("down"));
        connect(button, &QToolButton::clicked, this, [this, delta = delta] { Step(delta); });
        column->addWidget(button);
    }
}

void TUpDown::SetPosition(int position)
{
    position_ = std::clamp(position, minimum_, maximum_);
}

void TUpDown::Step(int delta)
{
    // A number typed into the edit is where the step starts from, not the last step's end.
    bool typed = false;
    const int value = buddy_->text().trimmed().toInt(&typed);
    if (typed)
        position_ = std::clamp(value, minimum_, maximum_);
    const int next = std::clamp(position_ + delta, minimum_, maximum_);
    if (next == position_)
        return;
    if (OnChanging)
        OnChanging(next);
    position_ = next;
    buddy_->setText(QString::number(next));
}
