#pragma once

#include "SyllableTable.h"
#include "VerseFormCheckRhymes.h"

#include <QString>
#include <QStringList>

#include <vector>

class TDIAnsiStringHash;

// One row of a verse-form pattern, such as "a 8", "a 8-9", "b 10+", "A1 10 refrain",
// "A 8 refrain 1" or "b 8 repeats 2": a rhyme letter (digits after it number refrains), a
// syllable count or range ("+": one more when the last syllable is unstressed), and what the
// row repeats. An empty row is a stanza break.
struct TPatternRow
{
    int letterLength = 0; // length of the letter token as written, 0 when the row names none
    QString letter;       // the letter token as written ("A1"); empty when none
    QChar rhyme;          // the lower-case rhyme letter; null for "x" (unrhymed) or none
    int syllables = -1;   // the fewest syllables; -1 when the row names no count
    int maxSyllables = -1;
    bool feminine = false; // "+": one more syllable, unstressed, is allowed
    QString count;         // the count as written
    QString refrain;       // rows of the same refrain repeat its first; empty when none
    int repeats = -1;      // the 0-based pattern row this one repeats; -1 when none
    bool blank = false;
};

// What a verse form asks of each row: its syllable count, and for a rhymed row the earlier rows
// of its letter ("A" and "a" are the same rhyme).
class TVerseFormCheck
{
public:
    static TPatternRow ParseRow(const QString &text);

    void SetPattern(const QStringList &rows);
    bool Empty() const { return rows_.empty(); }
    int RowCount() const { return int(rows_.size()); }
    // The row's pattern; a default row (naming nothing) outside the pattern.
    TPatternRow Row(int row) const;

    // Tool tips of a count that differs from the form's and of a line that does not rhyme.
    static QString SyllableProblem(int count, int asked);
    static QString SyllableProblem(const QString &count, const QString &asked);
    static QString RhymeProblem(int anchorLine, const QString &anchorText);
    static QString RepeatProblem(int sourceLine, const QString &sourceText);
    static QString UnknownWord(const QString &word);

private:
    std::vector<TPatternRow> rows_;
};

// What the check found on one line of text.
struct TLineCheck
{
    enum Fault
    {
        Count = 1,
        Rhyme = 2,
        Repeat = 4,
        Unknown = 8 // the last word has no pronunciation: a neutral mark, not a fault
    };

    bool label = false;  // a section label: no count, no row, no mark
    int patternRow = -1; // the pattern row the line takes; -1 for none
    TLineCounts counts;
    QString letter; // the pattern's letter token, or the line's own rhyme letter
    int faults = 0;
    int otherLine = -1; // the line it should rhyme with or repeat
    QString lastWord;

    // "ok", "count", "rhyme", "count,rhyme", "repeat" or "unknown".
    QString Verdict() const;
    QString CountText() const; // "9" or, when pronunciations differ, "9-10"
};

// Checks a poem line by line, against a verse form or for its own rhyme letters. The pattern's
// rows go to the text lines in order: section labels take none, a blank line takes an empty
// row where the pattern has one there, and a line of text skips the pattern's stanza breaks.
class TPoemCheck
{
public:
    TPoemCheck(const TSyllableTable &syllables, const TDIAnsiStringHash &rhymes)
        : syllables_(syllables), matcher_(rhymes)
    {}

    std::vector<TLineCheck> Check(const QStringList &lines, const TVerseFormCheck &form) const;
    // Rhyme letters stanza by stanza (A, B, A, B; "x" unrhymed, "?" unknown), from the last
    // words; blank lines and labels end a stanza.
    std::vector<TLineCheck> Scheme(const QStringList &lines) const;

private:
    std::vector<TLineCheck> Prepare(const QStringList &lines, std::vector<TRhymeWord> &words) const;
    void CheckRhyme(std::vector<TLineCheck> &checks, const std::vector<TRhymeWord> &words,
                    const QStringList &lines, const TVerseFormCheck &form, int line) const;

    const TSyllableTable &syllables_;
    TRhymeMatcher matcher_;
};

// A line's words ignoring case and punctuation, as a repeated line is compared.
QString WordsOfLine(const QString &line);
