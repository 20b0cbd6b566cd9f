#pragma once

#include "SpellChecker.h"
#include "TextLinks.h"

#include <QSyntaxHighlighter>
#include <QTextCharFormat>

#include <optional>
#include <vector>

// The verse editor's highlighting, in three stages: misspelled words (as the user types),
// quoted lines (">" or "|", nested up to five levels) and internet and e-mail addresses. Each
// stage leaves the characters an earlier stage marked as they are. Only changed lines are
// highlighted again, so typing costs one line's check.
class TEditorHighlighter : public QSyntaxHighlighter
{
    Q_OBJECT

public:
    static constexpr int QuoteLevels = 5;

    // checker: null for the process-wide checker.
    explicit TEditorHighlighter(QTextDocument *document, TSpellChecker *checker = nullptr);

    TSpellChecker &Checker() const;
    void SetLiveSpelling(bool on);
    bool LiveSpelling() const { return liveSpelling_; }

    // The line's misspellings the live check shows: without the occurrences ignored.
    std::vector<TMisspelling> Misspellings(const QTextBlock &block) const;
    std::optional<TMisspelling> MisspellingAt(const QTextBlock &block, int position) const;
    // Stops marking this one occurrence, until its line is edited.
    void IgnoreOnce(const QTextBlock &block, int start);

    // 0 for a line that is not quoted, else the number of quote marks (at most QuoteLevels).
    static int QuoteLevel(const QString &line);
    static QTextCharFormat SpellingFormat();
    static QTextCharFormat QuoteFormat(int level);
    static QTextCharFormat LinkFormat(TLinkKind kind);

protected:
    void highlightBlock(const QString &text) override;

private:
    void MarkMisspellings(std::vector<bool> &claimed);
    void MarkQuote(const QString &text, std::vector<bool> &claimed);
    void MarkLinks(const QString &text, std::vector<bool> &claimed);
    void Mark(int start, int length, const QTextCharFormat &format, std::vector<bool> &claimed);

    TSpellChecker *checker_;
    bool liveSpelling_ = true;
};
