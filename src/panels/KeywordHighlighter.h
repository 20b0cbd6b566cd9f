#pragma once

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <vector>

// Marks whole keywords of a text with their own format. A keyword counts only where it is
// bounded by the start or end of a line or by a word separator.
class TKeywordHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    TKeywordHighlighter(QTextDocument *document, const QString &separators);

    void AddKeyword(const QString &keyword, const QTextCharFormat &format);

protected:
    void highlightBlock(const QString &text) override;

private:
    bool IsSeparator(const QString &text, qsizetype at) const;

    struct TKeyword
    {
        QString text;
        QTextCharFormat format;
    };
    QString separators_;
    std::vector<TKeyword> keywords_;
};
