#pragma once

#include "FindDialog.h"

// The modeless replace dialog: the find dialog with a replacement text, Replace and Replace All.
class TReplaceDialog : public TFindDialog
{
    Q_OBJECT

public:
    explicit TReplaceDialog(QWidget *parent);

    QString ReplaceText() const;
    // Replaces the selection when it is a match, then selects the next match.
    bool Replace();
    // Replaces every match of the whole document as one undo step; returns the count.
    int ReplaceAll();

    QLineEdit *edtReplace() const { return edtReplace_; }
    QPushButton *btnReplace() const { return btnReplace_; }
    QPushButton *btnReplaceAll() const { return btnReplaceAll_; }

protected:
    void UpdateButtons() override;

private:
    QLineEdit *edtReplace_ = nullptr;
    QPushButton *btnReplace_ = nullptr;
    QPushButton *btnReplaceAll_ = nullptr;
};
