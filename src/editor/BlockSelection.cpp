#include "BlockSelection.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// A cursor over the part [from, to) of a paragraph, cut to the paragraph's length.
QTextCursor Span(QTextDocument &document, const QTextBlock &paragraph, int from, int to)
{
    QTextCursor cursor(&document);
    const int length = int(paragraph.text().size());
    from = std::min(from, length);
    to = std::min(to, length);
    cursor.setPosition(paragraph.position() + from);
    cursor.setPosition(paragraph.position() + to, QTextCursor::KeepAnchor);
    return cursor;
}

// The paragraph with a number, added at the document's end while there are too few.
QTextBlock ParagraphOrNew(QTextDocument &document, int number)
{
    while (document.blockCount() <= number) {
        QTextCursor end(&document);
        end.movePosition(QTextCursor::End);
        end.insertBlock();
    }
    return document.findBlockByNumber(number);
}

void InsertAt(QTextDocument &document, const QTextBlock &paragraph, int column, const QString &text)
{
    const int length = int(paragraph.text().size());
    QTextCursor cursor(&document);
    cursor.setPosition(paragraph.position() + std::min(column, length));
    cursor.insertText(QString(std::max(0, column - length), QLatin1Char(' ')) + text);
}

void RemovePieces(QTextDocument &document, const TBlockSelection &block)
{
    for (int number = block.Top(); number <= block.Bottom(); ++number) {
        QTextCursor piece =
            Span(document, document.findBlockByNumber(number), block.Left(), block.Right());
        if (piece.hasSelection())
            piece.removeSelectedText();
    }
}

TBlockSelection Carets(const TBlockSelection &block, int top, int bottom, int column)
{
    const bool down = block.Anchor().paragraph <= block.Head().paragraph;
    return TBlockSelection({down ? top : bottom, column}, {down ? bottom : top, column});
}

// Runs an edit of a block as one undo step. Undo puts the caret where the step's cursor
// was, so it starts at the block's top left corner.
template <typename Edit>
void AsOneStep(QTextDocument &document, const TBlockSelection &block, Edit edit)
{
    const QTextBlock top = document.findBlockByNumber(block.Top());
    QTextCursor step(&document);
    if (top.isValid())
        step.setPosition(top.position() + std::min(block.Left(), top.length() - 1));
    step.beginEditBlock();
    edit();
    step.endEditBlock();
}

} // namespace

QStringList TBlockSelection::Pieces(const QTextDocument &document) const
{
    QStringList pieces;
    for (int number = Top(); number <= Bottom(); ++number) {
        const QTextBlock paragraph = document.findBlockByNumber(number);
        pieces << (paragraph.isValid() ? paragraph.text().mid(Left(), Right() - Left())
                                       : QString());
    }
    return pieces;
}

TBlockSelection RemoveBlock(QTextDocument &document, const TBlockSelection &block)
{
    AsOneStep(document, block, [&] { RemovePieces(document, block); });
    return Carets(block, block.Top(), block.Bottom(), block.Left());
}

TBlockSelection ReplaceBlock(QTextDocument &document, const TBlockSelection &block,
                             const QStringList &lines)
{
    const QStringList text = lines.isEmpty() ? QStringList{QString()} : lines;
    const bool everyRow = text.size() == 1;
    const int rows = everyRow ? block.RowCount() : int(text.size());
    AsOneStep(document, block, [&] {
        RemovePieces(document, block);
        for (int row = 0; row < rows; ++row) {
            const QString &line = everyRow ? text.first() : text.at(row);
            InsertAt(document, ParagraphOrNew(document, block.Top() + row), block.Left(), line);
        }
    });
    const int bottom = std::max(block.Bottom(), block.Top() + rows - 1);
    return Carets(block, block.Top(), bottom, block.Left() + int(text.first().size()));
}

TBlockSelection DeleteAtCarets(QTextDocument &document, const TBlockSelection &block, bool backward)
{
    const int column = block.Left();
    if (backward && column == 0)
        return block;
    const int from = backward ? column - 1 : column;
    AsOneStep(document, block, [&] {
        for (int number = block.Top(); number <= block.Bottom(); ++number) {
            const QTextBlock paragraph = document.findBlockByNumber(number);
            if (paragraph.text().size() <= from)
                continue; // nothing at this caret: a short line, or the end of the line
            QTextCursor character = Span(document, paragraph, from, from + 1);
            character.removeSelectedText();
        }
    });
    return Carets(block, block.Top(), block.Bottom(), from);
}
