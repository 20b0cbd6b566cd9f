#pragma once

#include <QPlainTextEdit>

// A read-only results text: one paragraph wrapped at the control's width, vertical scroll bar
// only, hand cursor. Emits Clicked on a mouse release and DoubleClicked on a double-click, both
// after the caret has moved to the clicked place, and only when the click was on the text.
class TResultsMemo : public QPlainTextEdit
{
    Q_OBJECT

public:
    TResultsMemo(QWidget *parent, const QString &name);

    // Replaces the whole text without repainting in between; the same text again changes
    // nothing, so the scroll position stays.
    void SetText(const QString &text);
    int CaretPosition() const;
    void SetCaretPosition(int position);
    // The comma-delimited word around the caret, trimmed; leaves the caret at the word's start
    // with nothing selected.
    QString WordUnderCaret();
    // Makes a selection look like unselected text.
    void HideSelection();
    // Whether a point of the viewport lies on a line of text rather than beside or below it.
    bool IsOnText(const QPoint &point) const;

signals:
    void Clicked();
    void DoubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
};
