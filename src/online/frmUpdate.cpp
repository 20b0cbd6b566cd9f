#include "frmUpdate.h"

#include <QHBoxLayout>
#include <QKeyEvent>
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
    update_->setAutoDefault(false);
    update_->setFocusPolicy(Qt::NoFocus);
    later_->setDefault(true);
    buttons->addWidget(update_);
    buttons->addWidget(later_);
    column->addLayout(buttons);
    connect(update_, &QPushButton::clicked, this, &QDialog::accept);
    connect(later_, &QPushButton::clicked, this, &QDialog::reject);
    guard_.setSingleShot(true);
    guard_.setInterval(GuardMs);
    connect(&guard_, &QTimer::timeout, this, &TfrmUpdate::EndGuard);
}

// Disabled buttons answer neither Space, Enter nor their shortcuts.
void TfrmUpdate::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    update_->setEnabled(false);
    later_->setEnabled(false);
    guard_.start();
}

// Escape too would close the window before the user has read it.
void TfrmUpdate::keyPressEvent(QKeyEvent *event)
{
    if (Guarded()) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmUpdate::EndGuard()
{
    update_->setEnabled(true);
    later_->setEnabled(true);
    later_->setFocus();
}
