#pragma once

#include <QString>
#include <QTextBlock>

// A position inside one paragraph of an editor's document. Reading past either end gives NUL,
// which every delimiter set of the editor treats as a delimiter.
class TParagraphCursor
{
public:
    TParagraphCursor(const QTextBlock &block, int position);

    QChar Char() const { return CharAt(pos_); }
    QChar CharBefore() const { return CharAt(pos_ - 1); }
    void Step(int delta);
    int Position() const { return pos_; }
    int ParagraphLength() const { return int(text_.size()); }
    int DocumentPosition() const { return start_ + pos_; }

private:
    QChar CharAt(int index) const;

    QString text_;
    int start_;
    int pos_;
};

// The word at a position of a paragraph: forward to the first separator or the end, then back to
// just after the previous separator or the start.
QString WordAt(const QString &paragraph, int position, const QString &separators);
