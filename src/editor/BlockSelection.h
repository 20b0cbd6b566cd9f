#pragma once

#include <QStringList>

#include <algorithm>

class QTextDocument;

// One corner of a block: a paragraph and a character column in it. The column may lie past the
// paragraph's end (the pointer was right of the text).
struct TBlockPoint
{
    int paragraph = 0;
    int column = 0;
};

// A rectangle of character columns over whole paragraphs, between an anchor and a moving head.
// A tab counts as one column. A block of no width is a column of carets.
class TBlockSelection
{
public:
    TBlockSelection(TBlockPoint anchor, TBlockPoint head) : anchor_(anchor), head_(head) {}

    TBlockPoint Anchor() const { return anchor_; }
    TBlockPoint Head() const { return head_; }
    void SetHead(TBlockPoint head) { head_ = head; }

    int Top() const { return std::min(anchor_.paragraph, head_.paragraph); }
    int Bottom() const { return std::max(anchor_.paragraph, head_.paragraph); }
    int Left() const { return std::min(anchor_.column, head_.column); }
    int Right() const { return std::max(anchor_.column, head_.column); }
    int RowCount() const { return Bottom() - Top() + 1; }
    bool HasWidth() const { return Left() != Right(); }

    // Each paragraph's part inside the block, top to bottom; empty for a line that ends left of
    // the block.
    QStringList Pieces(const QTextDocument &document) const;

private:
    TBlockPoint anchor_;
    TBlockPoint head_;
};

// Edits of a block, each one undo step. Each returns the column of carets left behind.

// Removes the block's pieces.
TBlockSelection RemoveBlock(QTextDocument &document, const TBlockSelection &block);
// Replaces the pieces by text: one line goes onto every row of the block; several go one per
// row, from the top row on into the paragraphs below it (added at the end of the document if
// need be). Short lines are filled with spaces up to the block's left column. The carets are
// left after the first line's text.
TBlockSelection ReplaceBlock(QTextDocument &document, const TBlockSelection &block,
                             const QStringList &lines);
// For a block of no width, as Backspace (backward) or Delete do at every caret.
TBlockSelection DeleteAtCarets(QTextDocument &document, const TBlockSelection &block,
                               bool backward);
