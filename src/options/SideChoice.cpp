#include "SideChoice.h"

#include <QHBoxLayout>
#include <QRadioButton>

TSideChoice::TSideChoice(const QString &title, QWidget *parent) : QGroupBox(title, parent)
{
    left_ = new QRadioButton(tr("Left"), this);
    right_ = new QRadioButton(tr("Right"), this);
    auto *row = new QHBoxLayout(this);
    row->addWidget(left_, 1);
    row->addWidget(right_, 1);
}

bool TSideChoice::RightChosen() const
{
    return right_->isChecked();
}

void TSideChoice::ChooseRight(bool right)
{
    (right ? right_ : left_)->setChecked(true);
}
