#pragma once

#include <QComboBox>

#include <functional>

// The lookup box: every edit, Enter and the user moving into it hand its text to the dictionary
// set (delayed, so typing is debounced there). It keeps a short in-memory history of looked-up
// words.
class TLookupBox : public QComboBox
{
    Q_OBJECT

public:
    explicit TLookupBox(QWidget *parent);

    // While set, edits are not looked up (text put in by the program).
    bool UpdatingLookup() const { return updatingLookup_; }
    // Shows text without looking it up.
    void SetTextQuietly(const QString &text);
    // Appends the box's text to the history unless blank or already listed, keeping at most
    // limit + 1 words.
    void AddToHistory(int limit);
    QStringList History() const;

    // Whether window shortcuts for cut, copy and paste take precedence over the box's own.
    std::function<bool()> ClipboardShortcutsToWindow;

protected:
    // The box forwards focus and shortcut events to its line edit itself, so both ends are seen.
    bool event(QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void LookUp();
    bool LeaveToWindow(QEvent *event) const;

    bool updatingLookup_ = false;
};
