#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

class TDIAnsiStringHash;

// The last word of a line, lower-cased, with typographic apostrophes made plain; empty when the
// line has none.
QString LastWordOf(const QString &line);

// A line's last word as the rhyme list knows it: the spellings it is looked up by and the rhyme
// groups of all their pronunciations.
struct TRhymeWord
{
    QString text;                   // as it ends the line, lower-case
    std::vector<std::string> forms; // the spellings looked up, the word's own first
    std::vector<std::string_view> groups;
    // The groups of a last syllable with a long vowel but no stress of its own (the "AY Z" of
    // immortalize): poets rhyme on it.
    std::vector<std::string_view> weakGroups;

    bool Known() const { return !groups.empty(); }
};

// Whether two last words rhyme, by the group keys of rdict.dat: any of their pronunciations
// sharing a group, or one listed in the other's group (a compound filed under its secondary
// stress, night and midnight). A hyphenated word rhymes by its last part (to-day), an elided
// one by its full form (dimm'd as dimmed, grow'st as grow, o'er as over); a word the list lacks
// is tried behind a common prefix (untrimm'd as trimmed). A last syllable with a long vowel
// rhymes as well (likewise, immortalize and devise).
class TRhymeMatcher
{
public:
    explicit TRhymeMatcher(const TDIAnsiStringHash &rhymes) : rhymes_(rhymes) {}

    TRhymeWord Prepare(const QString &lastWord) const;
    bool Rhyme(const TRhymeWord &a, const TRhymeWord &b) const;

private:
    void AddGroups(TRhymeWord &word, const std::string &form) const;
    bool Lists(std::string_view group, const std::vector<std::string> &forms) const;

    const TDIAnsiStringHash &rhymes_;
};

// Whether two lower-case words share a rhyme group under any of their pronunciations (the keys
// w, w(1) ... w(4) of the rhyme list); a word rhymes with itself.
bool WordsRhyme(const QString &a, const QString &b, const TDIAnsiStringHash &rhymes);
