#include "FindDialog.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
// A selection that runs over a line end is no search text.
bool IsSingleLine(const QString &text)
{
    return !text.contains(QChar::ParagraphSeparator) && !text.contains(QChar::LineSeparator);
}
} // namespace

TFindDialog::TFindDialog(QWidget *parent) : TFindDialog(parent, false)
{
    setObjectName(QStringLiteral("FindDialog1"));
    setWindowTitle(tr("Find"));
}

TFindDialog::TFindDialog(QWidget *parent, bool withReplace) : QDialog(parent)
{
    setModal(false);
    BuildControls(withReplace);
    connect(edtFind_, &QLineEdit::textChanged, this, [this] {
        Say(QString());
        UpdateButtons();
    });
    connect(btnFindNext_, &QPushButton::clicked, this, &TFindDialog::FindNext);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::close);
    UpdateButtons();
}

void TFindDialog::BuildControls(bool withReplace)
{
    auto *row = new QHBoxLayout(this);
    auto *left = new QVBoxLayout;
    fields_ = new QGridLayout;
    edtFind_ = new QLineEdit(this);
    edtFind_->setObjectName(QStringLiteral("edtFind"));
    auto *label = new QLabel(tr("Fi&nd what:"), this);
    label->setBuddy(edtFind_);
    fields_->addWidget(label, 0, 0);
    fields_->addWidget(edtFind_, 0, 1);
    left->addLayout(fields_);
    auto *options = new QHBoxLayout;
    auto *checks = new QVBoxLayout;
    chkWholeWord_ = new QCheckBox(tr("Match &whole word only"), this);
    chkMatchCase_ = new QCheckBox(tr("Match &case"), this);
    checks->addWidget(chkWholeWord_);
    checks->addWidget(chkMatchCase_);
    checks->addStretch();
    options->addLayout(checks);
    options->addWidget(BuildDirection());
    left->addLayout(options);
    lblStatus_ = new QLabel(this);
    lblStatus_->setObjectName(QStringLiteral("lblStatus"));
    left->addWidget(lblStatus_);
    row->addLayout(left, 1);
    buttons_ = new QVBoxLayout;
    btnFindNext_ = AddButton(tr("&Find Next"));
    btnFindNext_->setDefault(true);
    btnCancel_ = AddButton(withReplace ? tr("Close") : tr("Cancel"));
    buttons_->addStretch();
    row->addLayout(buttons_);
}

QWidget *TFindDialog::BuildDirection()
{
    auto *box = new QGroupBox(tr("Direction"), this);
    auto *column = new QVBoxLayout(box);
    rbUp_ = new QRadioButton(tr("&Up"), box);
    rbDown_ = new QRadioButton(tr("&Down"), box);
    rbDown_->setChecked(true);
    column->addWidget(rbUp_);
    column->addWidget(rbDown_);
    return box;
}

QPushButton *TFindDialog::AddButton(const QString &caption)
{
    auto *button = new QPushButton(caption, this);
    // Buttons of a derived dialog go between Find Next and Cancel.
    const int at = btnCancel_ ? buttons_->indexOf(btnCancel_) : buttons_->count();
    buttons_->insertWidget(at, button);
    return button;
}

void TFindDialog::SetEditor(QPlainTextEdit *editor)
{
    editor_ = editor;
}

QPlainTextEdit *TFindDialog::Editor() const
{
    return editor_;
}

void TFindDialog::Execute()
{
    if (editor_) {
        const QString selected = editor_->textCursor().selectedText();
        if (!selected.isEmpty() && IsSingleLine(selected))
            edtFind_->setText(selected);
    }
    Say(QString());
    show();
    raise();
    activateWindow();
    edtFind_->setFocus();
    edtFind_->selectAll();
}

QString TFindDialog::FindText() const
{
    return edtFind_->text();
}

TSearchOptions TFindDialog::Options() const
{
    return {rbDown_->isChecked(), chkMatchCase_->isChecked(), chkWholeWord_->isChecked()};
}

bool TFindDialog::CanSearch() const
{
    // A hidden editor (no document, or the other mode) is not searched behind the user's back.
    return editor_ && editor_->isVisible() && !FindText().isEmpty();
}

bool TFindDialog::FindNext()
{
    return FindAgain(false);
}

bool TFindDialog::FindAgain(bool reverse)
{
    if (!CanSearch())
        return false;
    TSearchOptions options = Options();
    options.down = options.down != reverse;
    bool wrapped = false;
    const TEditorSearch search(editor_->document());
    const bool found =
        ShowResult(search.FindWrapping(editor_->textCursor(), FindText(), options, &wrapped));
    if (wrapped) {
        Say(tr("Search wrapped"));
        emit Wrapped();
    }
    emit Searched();
    return found;
}

bool TFindDialog::ShowResult(const QTextCursor &found)
{
    if (found.isNull()) {
        Say(tr("Cannot find \"%1\"").arg(FindText()));
        QApplication::beep();
        return false;
    }
    Say(QString());
    editor_->setTextCursor(found);
    editor_->ensureCursorVisible();
    editor_->window()->activateWindow();
    editor_->setFocus();
    return true;
}

void TFindDialog::Say(const QString &message)
{
    lblStatus_->setText(message);
}

void TFindDialog::UpdateButtons()
{
    btnFindNext_->setEnabled(!FindText().isEmpty());
}
