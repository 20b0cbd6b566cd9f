#include "ResultsMemo.h"

#include "EntryText.h"
#include "UpdateBracket.h"

#include <QMouseEvent>
#include <QTextCursor>

TResultsMemo::TResultsMemo(QWidget *parent, const QString &name) : QPlainTextEdit(parent)
{
    setObjectName(name);
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setFrameShape(QFrame::NoFrame);
    setUndoRedoEnabled(false);
    viewport()->setCursor(Qt::PointingHandCursor);
}

void TResultsMemo::SetText(const QString &text)
{
    // A click usually brings back the same entry: keep the reader's place in it.
    if (text == toPlainText())
        return;
    TUpdateBracket bracket(this);
    setPlainText(text);
}

int TResultsMemo::CaretPosition() const
{
    return textCursor().position();
}

void TResultsMemo::SetCaretPosition(int position)
{
    QTextCursor cursor = textCursor();
    cursor.setPosition(qBound(0, position, document()->characterCount() - 1));
    setTextCursor(cursor);
}

QString TResultsMemo::WordUnderCaret()
{
    TUpdateBracket bracket(this);
    const auto [start, end] = EntryText::WordBounds(toPlainText(), CaretPosition());
    QTextCursor cursor = textCursor();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    const QString word = EntryText::TrimControls(cursor.selectedText());
    cursor.setPosition(start);
    setTextCursor(cursor);
    return word;
}

void TResultsMemo::HideSelection()
{
    QPalette pal = palette();
    pal.setColor(QPalette::Highlight, pal.color(QPalette::Base));
    pal.setColor(QPalette::HighlightedText, pal.color(QPalette::Text));
    setPalette(pal);
}

void TResultsMemo::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        emit Clicked();
}

void TResultsMemo::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit DoubleClicked();
}
