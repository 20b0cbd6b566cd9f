#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class TDIAnsiStringHash;

// One row of a verse-form pattern, such as "a 8", "A1 10 refrain" or "x 5": a rhyme letter
// (digits after it number refrains) and a syllable count.
struct TPatternRow
{
    int letterLength = 0; // length of the letter token as written, 0 when the row names none
    QChar rhyme;          // the lower-case rhyme letter; null for "x" (unrhymed) or none
    int syllables = -1;   // -1 when the row names no count
};

// What a verse form asks of each row: its syllable count, and for a rhymed row the earlier row
// it must rhyme with (the first row of the same letter; "A" and "a" are the same rhyme).
class TVerseFormCheck
{
public:
    static TPatternRow ParseRow(const QString &text);

    void SetPattern(const QStringList &rows);
    bool Empty() const { return rows_.empty(); }
    // The row's pattern; a default row (naming nothing) outside the pattern.
    TPatternRow Row(int row) const;
    // The row this one must rhyme with; -1 when it names no rhyme or is the first of its letter.
    int RhymeAnchor(int row) const;

    // Tool tips of a count that differs from the form's and of a line that does not rhyme.
    static QString SyllableProblem(int count, int asked);
    static QString RhymeProblem(int anchorRow, const QString &anchorLine);

private:
    std::vector<TPatternRow> rows_;
    std::vector<int> anchors_;
};

// The last word of a line, lower-cased; empty when the line has none.
QString LastWordOf(const QString &line);
// Whether two lower-case words share a rhyme group under any of their pronunciations (the keys
// w, w(1) ... w(4) of the rhyme list); a word rhymes with itself.
bool WordsRhyme(const QString &a, const QString &b, const TDIAnsiStringHash &rhymes);
