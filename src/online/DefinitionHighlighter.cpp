#include "DefinitionHighlighter.h"

#include "ClaimedRuns.h"

#include "EditorHighlighter.h"
#include "TextLinks.h"

#include <algorithm>

namespace {

struct TDelimited
{
    QChar open, close;
};

const TDelimited Ranges[] = {{u'"', u'"'}, {u'[', u']'}, {u'{', u'}'}};

QTextCharFormat RangeFormat(int range)
{
    QTextCharFormat format;
    switch (range) {
    case 0:
        format.setForeground(Qt::red);
        break;
    case 1:
        format.setFontItalic(true);
        break;
    default:
        format.setFontUnderline(true);
        format.setForeground(Qt::blue);
        break;
    }
    return format;
}

// A quote that is part of an accent code: after a backslash ("[\\"e]"), or dictd's form
// without it ("[\"e]").
bool IsAccentQuote(const QString &text, int i)
{
    if (i > 0 && text.at(i - 1) == QLatin1Char('\\'))
        return true;
    return i > 0 && text.at(i - 1) == QLatin1Char('[') && i + 2 < text.size() &&
           text.at(i + 1).isLetter() && text.at(i + 2) == QLatin1Char(']');
}

} // namespace

TDefinitionHighlighter::TDefinitionHighlighter(QTextDocument *document)
    : QSyntaxHighlighter(document)
{}

void TDefinitionHighlighter::highlightBlock(const QString &text)
{
    std::vector<bool> claimed(size_t(text.size()), false);
    MarkDelimited(text, claimed);
    if (const int level = TEditorHighlighter::QuoteLevel(text); level > 0)
        Mark(0, int(text.size()), TEditorHighlighter::QuoteFormat(level), claimed);
    for (const TTextLink &link : FindLinks(text))
        Mark(link.start, link.length, TEditorHighlighter::LinkFormat(link.kind), claimed);
}

// Each kind of range is followed on its own, so that a cross-reference in braces inside an
// etymology in brackets is both italic and underlined. Bit r of the block state: range r is
// still open at the line's end. Brackets and braces may run over lines, but never past the
// blank line that ends a definition's paragraph; a quote ends with its line, so one stray quote
// cannot colour the rest of the answer. A quote inside an accent code (gcide's "[\"e]" for e
// with a diaeresis, which dictd sends as "["e]") neither opens nor closes a quote.
void TDefinitionHighlighter::MarkDelimited(const QString &text, std::vector<bool> &claimed)
{
    const int carried = text.trimmed().isEmpty() ? 0 : std::max(previousBlockState(), 0);
    std::vector<int> masks(size_t(text.size()), 0);
    int state = 0;
    for (int r = 0; r < int(std::size(Ranges)); ++r) {
        const int bit = 1 << r;
        const bool quote = Ranges[r].open == Ranges[r].close;
        bool open = !quote && (carried & bit);
        for (int i = 0; i < text.size(); ++i) {
            const QChar ch = text.at(i);
            const bool escaped = quote && IsAccentQuote(text, i);
            const bool edge = !escaped && (open ? ch == Ranges[r].close : ch == Ranges[r].open);
            if (open || edge)
                masks[size_t(i)] |= bit;
            if (edge)
                open = !open;
        }
        if (open && !quote)
            state |= bit;
    }
    setCurrentBlockState(state);
    for (int i = 0; i < text.size();) {
        const int mask = masks[size_t(i)];
        int run = i;
        while (run < text.size() && masks[size_t(run)] == mask)
            ++run;
        if (mask) {
            QTextCharFormat format;
            for (int r = 0; r < int(std::size(Ranges)); ++r)
                if (mask & (1 << r))
                    format.merge(RangeFormat(r));
            Mark(i, run - i, format, claimed);
        }
        i = run;
    }
}

void TDefinitionHighlighter::Mark(int start, int length, const QTextCharFormat &format,
                                  std::vector<bool> &claimed)
{
    ForEachUnclaimedRun(start, length, claimed,
                        [&](int from, int count) { setFormat(from, count, format); });
}
