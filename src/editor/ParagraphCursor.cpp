#include "ParagraphCursor.h"

#include <algorithm>

TParagraphCursor::TParagraphCursor(const QTextBlock &block, int position)
    : text_(block.text()), start_(block.position()),
      pos_(std::clamp(position, 0, int(block.text().size())))
{}

void TParagraphCursor::Step(int delta)
{
    pos_ = std::clamp(pos_ + delta, 0, ParagraphLength());
}

QChar TParagraphCursor::CharAt(int index) const
{
    return index >= 0 && index < text_.size() ? text_.at(index) : QChar(u'\0');
}

QString WordAt(const QString &paragraph, int position, const QString &separators)
{
    const int length = int(paragraph.size());
    int end = std::clamp(position, 0, length);
    while (end < length && !separators.contains(paragraph.at(end)))
        ++end;
    int start = end;
    while (start > 0 && !separators.contains(paragraph.at(start - 1)))
        --start;
    return paragraph.mid(start, end - start);
}
