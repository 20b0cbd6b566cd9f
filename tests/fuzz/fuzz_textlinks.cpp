// Runs the editor's word and address finders over arbitrary lines: every token and address must
// lie inside the line, in order and without overlap, and no address may begin or end on a blank.
#include "FuzzCheck.h"
#include "SpellTokens.h"
#include "TextLinks.h"

#include <cstdlib>

namespace {

using fuzz::Check;

template <typename T> void CheckRanges(const std::vector<T> &ranges, int size)
{
    int last = 0;
    for (const T &range : ranges) {
        Check(range.length > 0 && range.start >= last && range.end() <= size);
        last = range.end();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line =
        QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const int length = static_cast<int>(line.size());
    const std::vector<TWordToken> tokens = SpellTokens(line);
    CheckRanges(tokens, length);
    for (const TWordToken &token : tokens)
        Check(!SpellingForm(QStringView(line).mid(token.start, token.length)).isEmpty());
    const std::vector<TTextLink> links = FindLinks(line);
    CheckRanges(links, length);
    for (const TTextLink &link : links) {
        Check(!line.at(link.start).isSpace() && !line.at(link.end() - 1).isSpace());
        Check(LinkAt(links, link.start) == &link);
        Check(!link.target.isEmpty());
    }
    return 0;
}
