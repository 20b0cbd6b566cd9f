#include "OnlineEditForm.h"

#include "WebDictionaryEntry.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

TOnlineEditForm::TOnlineEditForm(QWidget *parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("OnlineEditForm"));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("edtName"));
    format_ = new QLineEdit(this);
    format_->setObjectName(QStringLiteral("edtFormat"));
    auto *form = new QFormLayout;
    form->addRow(tr("Name:"), name_);
    form->addRow(tr("Format:"), format_);

    refused_ = new QLabel(this);
    refused_->setObjectName(QStringLiteral("lblRefused"));
    refused_->setWordWrap(true);
    refused_->setStyleSheet(QStringLiteral("color: #b00000;"));
    refused_->hide();

    ok_ = new QPushButton(tr("&OK"), this);
    cancel_ = new QPushButton(tr("&Cancel"), this);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, &TOnlineEditForm::accept);
    connect(cancel_, &QPushButton::clicked, this, &TOnlineEditForm::reject);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto *column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(refused_);
    column->addStretch(1);
    column->addLayout(buttons);
    resize(420, sizeHint().height());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TOnlineEditForm::accept()
{
    const QString nameError =
        name_->isEnabled() ? WebDictionaryNameError(name_->text(), takenNames_) : QString();
    const QString refusal =
        nameError.isEmpty() ? WebDictionaryTemplateError(format_->text()) : nameError;
    if (refusal.isEmpty()) {
        QDialog::accept();
        return;
    }
    refused_->setText(refusal);
    refused_->show();
    layout()->activate();
    resize(width(), std::max(height(), heightForWidth(width())));
    (nameError.isEmpty() ? format_ : name_)->setFocus(Qt::OtherFocusReason);
}
