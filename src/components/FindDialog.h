#pragma once

#include "EditorSearch.h"

#include <QDialog>
#include <QPointer>

class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QVBoxLayout;

// The modeless find dialog of the verse editor. A match is selected in the editor, which takes
// the focus while the dialog stays open; when there is none the dialog says so in its status line.
class TFindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TFindDialog(QWidget *parent);

    void SetEditor(QPlainTextEdit *editor);
    QPlainTextEdit *Editor() const;
    // Shows and raises the dialog, taking "Find what" from the editor's selection when that is a
    // single line.
    void Execute();

    QString FindText() const;
    TSearchOptions Options() const;
    // Searches once from the editor's caret, going on from the other end of the text when the
    // end is reached; true when a match was selected.
    bool FindNext();
    // The same search in the other direction when reverse is set (Shift+F3).
    bool FindAgain(bool reverse);

    QLineEdit *edtFind() const { return edtFind_; }
    QCheckBox *chkMatchCase() const { return chkMatchCase_; }
    QCheckBox *chkWholeWord() const { return chkWholeWord_; }
    QRadioButton *rbUp() const { return rbUp_; }
    QRadioButton *rbDown() const { return rbDown_; }
    QPushButton *btnFindNext() const { return btnFindNext_; }
    QLabel *lblStatus() const { return lblStatus_; }

signals:
    // A search ran from this dialog and may have moved the caret; the window repeats the last
    // one on F3.
    void Searched();
    // A search went past the end (or start) and went on from the other end.
    void Wrapped();

protected:
    TFindDialog(QWidget *parent, bool withReplace);

    // There is a text to look for and a shown editor to look in.
    bool CanSearch() const;
    // Selects a match in the editor and gives the editor the focus; says so when there is none.
    bool ShowResult(const QTextCursor &found);
    void Say(const QString &message);
    QPushButton *AddButton(const QString &caption);
    virtual void UpdateButtons();

    QGridLayout *fields_ = nullptr;

private:
    void BuildControls(bool withReplace);
    QWidget *BuildDirection();

    QPointer<QPlainTextEdit> editor_;
    QLineEdit *edtFind_ = nullptr;
    QCheckBox *chkMatchCase_ = nullptr;
    QCheckBox *chkWholeWord_ = nullptr;
    QRadioButton *rbUp_ = nullptr;
    QRadioButton *rbDown_ = nullptr;
    QPushButton *btnFindNext_ = nullptr;
    QPushButton *btnCancel_ = nullptr;
    QLabel *lblStatus_ = nullptr;
    QVBoxLayout *buttons_ = nullptr;
};
