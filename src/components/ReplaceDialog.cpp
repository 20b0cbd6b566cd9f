#include "ReplaceDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
// Keeps the editor from repainting while it is changed many times; also when a change fails.
class TUpdatesSuspended
{
public:
    explicit TUpdatesSuspended(QWidget *widget) : widget_(widget), was_(widget->updatesEnabled())
    {
        widget_->setUpdatesEnabled(false);
    }
    ~TUpdatesSuspended() { widget_->setUpdatesEnabled(was_); }
    TUpdatesSuspended(const TUpdatesSuspended &) = delete;
    TUpdatesSuspended &operator=(const TUpdatesSuspended &) = delete;

private:
    QWidget *widget_;
    bool was_;
};
} // namespace

TReplaceDialog::TReplaceDialog(QWidget *parent) : TFindDialog(parent, true)
{
    setObjectName(QStringLiteral("ReplaceDialog1"));
    setWindowTitle(tr("Replace"));
    edtReplace_ = new QLineEdit(this);
    edtReplace_->setObjectName(QStringLiteral("edtReplace"));
    auto *label = new QLabel(tr("Re&place with:"), this);
    label->setBuddy(edtReplace_);
    fields_->addWidget(label, 1, 0);
    fields_->addWidget(edtReplace_, 1, 1);
    btnReplace_ = AddButton(tr("&Replace"));
    btnReplaceAll_ = AddButton(tr("Replace &All"));
    connect(btnReplace_, &QPushButton::clicked, this, &TReplaceDialog::Replace);
    connect(btnReplaceAll_, &QPushButton::clicked, this, &TReplaceDialog::ReplaceAll);
    // The replacement field is made after the rest: Tab must still reach it right after "Find
    // what", or typed replacement text goes to the check boxes and Replace All deletes.
    setTabOrder(edtFind(), edtReplace_);
    setTabOrder(edtReplace_, chkWholeWord());
    setTabOrder(btnFindNext(), btnReplace_);
    setTabOrder(btnReplace_, btnReplaceAll_);
    UpdateButtons();
}

QString TReplaceDialog::ReplaceText() const
{
    return edtReplace_->text();
}

bool TReplaceDialog::Replace()
{
    QPlainTextEdit *editor = Editor();
    if (!CanSearch() || editor->isReadOnly())
        return false;
    TEditorSearch search(editor->document());
    const bool found =
        ShowResult(search.Replace(editor->textCursor(), FindText(), ReplaceText(), Options()));
    emit Searched();
    return found;
}

int TReplaceDialog::ReplaceAll()
{
    QPlainTextEdit *editor = Editor();
    if (!CanSearch() || editor->isReadOnly())
        return 0;
    int count = 0;
    {
        TUpdatesSuspended suspended(editor);
        count = TEditorSearch(editor->document()).ReplaceAll(FindText(), ReplaceText(), Options());
    }
    if (count == 0)
        Say(tr("Cannot find \"%1\"").arg(FindText()));
    else if (count == 1)
        Say(tr("1 replacement made"));
    else
        Say(tr("%1 replacements made").arg(count));
    emit Searched();
    return count;
}

void TReplaceDialog::UpdateButtons()
{
    TFindDialog::UpdateButtons();
    if (!btnReplace_)
        return; // still being built
    const bool any = !FindText().isEmpty();
    btnReplace_->setEnabled(any);
    btnReplaceAll_->setEnabled(any);
}
