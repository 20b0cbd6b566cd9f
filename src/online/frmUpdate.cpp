#include "frmUpdate.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TfrmUpdate::TfrmUpdate(QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmUpdate"));
    setWindowTitle(tr("Cadenzio"));
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPixelSize(11);
    setFont(font);
    auto *column = new QVBoxLayout(this);
    auto *label = new QLabel(tr("New Version Available!"), this);
    label->setAlignment(Qt::AlignCenter);
    column->addWidget(label);
    auto *buttons = new QHBoxLayout;
    update_ = new QPushButton(tr("&Update Now!"), this);
    later_ = new QPushButton(tr("&Later"), this);
    update_->setDefault(true);
    buttons->addWidget(update_);
    buttons->addWidget(later_);
    column->addLayout(buttons);
    connect(update_, &QPushButton::clicked, this, &QDialog::accept);
    connect(later_, &QPushButton::clicked, this, &QDialog::reject);
}
