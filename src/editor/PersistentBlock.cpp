#include "PersistentBlock.h"

#include <QKeyEvent>
#include <QKeySequence>

#include <algorithm>

void TPersistentBlock::Hold(const QTextCursor &selection)
{
    if (!selection.hasSelection()) {
        Clear();
        return;
    }
    start_ = QTextCursor(selection.document());
    start_.setPosition(selection.selectionStart());
    end_ = QTextCursor(selection.document());
    end_.setPosition(selection.selectionEnd());
    // Typing just after the block goes after it, as typing just before it goes before it.
    end_.setKeepPositionOnInsert(true);
}

void TPersistentBlock::Clear()
{
    start_ = QTextCursor();
    end_ = QTextCursor();
}

QTextCursor TPersistentBlock::Selection() const
{
    if (!IsHeld())
        return {};
    QTextCursor selection(start_);
    selection.setPosition(End(), QTextCursor::KeepAnchor);
    return selection;
}

QString TPersistentBlock::Text() const
{
    QString text = Selection().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return text;
}

QTextCursor TPersistentBlock::ResumedAt(int position) const
{
    if (!IsHeld() || (position != Start() && position != End()))
        return {};
    QTextCursor selection(start_);
    selection.setPosition(position == Start() ? End() : Start());
    selection.setPosition(position, QTextCursor::KeepAnchor);
    return selection;
}

namespace {

bool MatchesAny(const QKeyEvent &event, std::initializer_list<QKeySequence::StandardKey> keys)
{
    return std::any_of(keys.begin(), keys.end(), [&](auto key) { return event.matches(key); });
}

// As the editor control itself takes a key for text: Ctrl (with or without Shift) never types.
bool TypesText(const QKeyEvent &event)
{
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter)
        return true;
    const QString text = event.text();
    const Qt::KeyboardModifiers keys = event.modifiers() & ~Qt::KeypadModifier;
    if (text.isEmpty() || keys == Qt::ControlModifier ||
        keys == (Qt::ControlModifier | Qt::ShiftModifier))
        return false;
    return text.at(0).isPrint() || text.at(0) == QLatin1Char('\t');
}

} // namespace

TBlockKey ClassifyBlockKey(const QKeyEvent &event)
{
    using K = QKeySequence;
    if (MatchesAny(event, {K::MoveToNextChar, K::MoveToPreviousChar, K::MoveToNextWord,
                           K::MoveToPreviousWord, K::MoveToNextLine, K::MoveToPreviousLine,
                           K::MoveToNextPage, K::MoveToPreviousPage, K::MoveToStartOfLine,
                           K::MoveToEndOfLine, K::MoveToStartOfBlock, K::MoveToEndOfBlock,
                           K::MoveToStartOfDocument, K::MoveToEndOfDocument}))
        return TBlockKey::Move;
    if (MatchesAny(event, {K::SelectNextChar, K::SelectPreviousChar, K::SelectNextWord,
                           K::SelectPreviousWord, K::SelectNextLine, K::SelectPreviousLine,
                           K::SelectNextPage, K::SelectPreviousPage, K::SelectStartOfLine,
                           K::SelectEndOfLine, K::SelectStartOfBlock, K::SelectEndOfBlock,
                           K::SelectStartOfDocument, K::SelectEndOfDocument}))
        return TBlockKey::Extend;
    if (event.key() == Qt::Key_Backspace || event.key() == Qt::Key_Delete)
        return TBlockKey::Delete;
    return TypesText(event) ? TBlockKey::Type : TBlockKey::Other;
}
