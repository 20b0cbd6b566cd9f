#include "LineEnds.h"

#include <QTextBlock>
#include <QTextDocument>

namespace {
constexpr int Common = -1;
constexpr int Kinds = 4;
} // namespace

TLineEnds::TLineEnds(QTextDocument *document) : document_(document)
{
    blocks_ = document->blockCount();
    connect(document, &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { Follow(position, added); });
}

void TLineEnds::Apply(const std::vector<TLineEnd> &ends, TLineEnd common)
{
    std::size_t line = 0;
    for (QTextBlock block = document_->firstBlock(); block.isValid(); block = block.next()) {
        const bool own = line < ends.size() && ends[line] != common;
        block.setUserState(own ? int(ends[line]) : Common);
        ++line;
    }
    blocks_ = document_->blockCount();
}

std::vector<TLineEnds::TLineEnd> TLineEnds::Collect(TLineEnd common) const
{
    std::vector<TLineEnd> ends;
    bool mixed = false;
    for (QTextBlock block = document_->firstBlock(); block.isValid() && block.next().isValid();
         block = block.next()) {
        const int state = block.userState();
        const bool own = state >= 0 && state < Kinds;
        mixed = mixed || own;
        ends.push_back(own ? TLineEnd(state) : common);
    }
    if (!mixed)
        ends.clear();
    return ends;
}

// A paragraph split by new line breaks keeps its state in its first part, but its end now
// closes the last part; the breaks typed or pasted take the common end. Joining paragraphs
// keeps the later one's state, which is already right. A change that adds no paragraph is
// left alone, so a change of formats (which covers whole paragraphs) moves nothing.
void TLineEnds::Follow(int position, int added)
{
    const int blocks = document_->blockCount();
    const bool split = blocks > blocks_;
    blocks_ = blocks;
    if (!split || added <= 0)
        return;
    QTextBlock first = document_->findBlock(position);
    QTextBlock last = document_->findBlock(position + added);
    if (first == last)
        return;
    last.setUserState(first.userState());
    first.setUserState(Common);
}
