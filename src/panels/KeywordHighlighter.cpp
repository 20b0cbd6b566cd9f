#include "KeywordHighlighter.h"

TKeywordHighlighter::TKeywordHighlighter(QTextDocument *document, const QString &separators)
    : QSyntaxHighlighter(document), separators_(separators)
{}

void TKeywordHighlighter::AddKeyword(const QString &keyword, const QTextCharFormat &format)
{
    if (!keyword.isEmpty())
        keywords_.push_back({keyword, format});
    rehighlight();
}

bool TKeywordHighlighter::IsSeparator(const QString &text, qsizetype at) const
{
    return at < 0 || at >= text.size() || separators_.contains(text.at(at));
}

void TKeywordHighlighter::highlightBlock(const QString &text)
{
    for (const TKeyword &keyword : keywords_) {
        const qsizetype length = keyword.text.size();
        for (qsizetype at = text.indexOf(keyword.text); at >= 0;
             at = text.indexOf(keyword.text, at + 1))
            if (IsSeparator(text, at - 1) && IsSeparator(text, at + length))
                setFormat(int(at), int(length), keyword.format);
    }
}
