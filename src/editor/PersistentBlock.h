#pragma once

#include <QTextCursor>

class QKeyEvent;

// A selection held apart from the caret: it stays on the same characters while the caret moves
// away and the text around it is edited, until it is cleared or its characters are gone. Text
// inserted at either edge stays outside it.
class TPersistentBlock
{
public:
    // Holds the characters a cursor selects; a cursor without a selection clears the block.
    void Hold(const QTextCursor &selection);
    void Clear();

    bool IsHeld() const { return !start_.isNull() && Start() < End(); }
    int Start() const { return start_.position(); }
    int End() const { return end_.position(); }
    // A caret at either edge or inside acts on the block.
    bool Touches(int position) const
    {
        return IsHeld() && Start() <= position && position <= End();
    }

    // A cursor that selects the block; a null cursor when none is held.
    QTextCursor Selection() const;
    // Lines joined by line feeds.
    QString Text() const;
    // The block as a selection whose moving end is the edge at a position, so that it can be
    // extended from there; a null cursor when the position is not an edge.
    QTextCursor ResumedAt(int position) const;

private:
    QTextCursor start_;
    QTextCursor end_;
};

// What a key does to a held block.
enum class TBlockKey
{
    Move,   // moves the caret without Shift: the block stays where it is
    Extend, // moves the caret with Shift: extends the block at that edge, or starts a new one
    Type,   // inserts at the caret without replacing the block
    Delete, // removes the block when the caret touches it
    Other,
};
TBlockKey ClassifyBlockKey(const QKeyEvent &event);
