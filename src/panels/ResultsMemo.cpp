#include "ResultsMemo.h"

#include "EntryText.h"
#include "UpdateBracket.h"

#include <QMouseEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>

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

bool TResultsMemo::IsOnText(const QPoint &point) const
{
    const QTextCursor at = cursorForPosition(point);
    const QTextBlock block = at.block();
    if (!block.isValid() || block.text().isEmpty() || !block.layout())
        return false;
    const QPointF origin = blockBoundingGeometry(block).translated(contentOffset()).topLeft();
    for (int i = 0; i < block.layout()->lineCount(); ++i) {
        const QRectF line = block.layout()->lineAt(i).naturalTextRect().translated(origin);
        if (line.adjusted(0, 0, 2, 0).contains(point))
            return true;
    }
    return false;
}

// A click on the blank space around the words (below the last line, after a line's end) would
// otherwise take the word nearest to it, usually the last one.
void TResultsMemo::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && IsOnText(event->position().toPoint()))
        emit Clicked();
}

void TResultsMemo::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton && IsOnText(event->position().toPoint()))
        emit DoubleClicked();
}
