#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;
class TSpellChecker;
class TSpellCheckSession;

// The interactive spell check: shows each misspelling of a session in its line, selected in the
// editor, and offers Change, Change All, Ignore, Ignore All, Add and Cancel. The dialog is
// accepted when the walk reaches its end, rejected when cancelled.
class TSpellCheckDialog : public QDialog
{
    Q_OBJECT

public:
    // session: standing at its first misspelling.
    TSpellCheckDialog(QPlainTextEdit &editor, TSpellCheckSession &session,
                      QWidget *parent = nullptr);

    // The whole command over the editor's text, modal: checks from the caret round to it, then
    // puts the caret back and tells message "The spelling check is complete." unless the user
    // cancelled. An unavailable checker tells message why instead. True if the check completed.
    static bool Execute(QPlainTextEdit &editor, TSpellChecker &checker,
                        const std::function<void(const QString &)> &message);

    // Shows a failed Add; a message box unless replaced.
    std::function<void(const QString &message)> ReportError;

    QLabel *lblProblem() const { return lblProblem_; }
    QTextEdit *edContext() const { return edContext_; }
    QLineEdit *edChangeTo() const { return edChangeTo_; }
    QListWidget *lbSuggestions() const { return lbSuggestions_; }
    QPushButton *btnChange() const { return btnChange_; }
    QPushButton *btnChangeAll() const { return btnChangeAll_; }
    QPushButton *btnIgnore() const { return btnIgnore_; }
    QPushButton *btnIgnoreAll() const { return btnIgnoreAll_; }
    QPushButton *btnAdd() const { return btnAdd_; }
    QPushButton *btnCancel() const { return btnCancel_; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void BuildControls();
    void AvoidSelection();
    void ConnectButtons();
    void ShowCurrent();
    void SelectInEditor();
    void Advance();
    void Add();

    QPlainTextEdit &editor_;
    TSpellCheckSession &session_;
    QLabel *lblProblem_ = nullptr;
    QTextEdit *edContext_ = nullptr;
    QLineEdit *edChangeTo_ = nullptr;
    QListWidget *lbSuggestions_ = nullptr;
    QPushButton *btnChange_ = nullptr;
    QPushButton *btnChangeAll_ = nullptr;
    QPushButton *btnIgnore_ = nullptr;
    QPushButton *btnIgnoreAll_ = nullptr;
    QPushButton *btnAdd_ = nullptr;
    QPushButton *btnCancel_ = nullptr;
};
