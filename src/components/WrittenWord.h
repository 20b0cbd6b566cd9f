#pragma once

#include <QString>

// Which meanings of a thesaurus entry belong to a word as it was written. The entries are filed
// in lower case, so "a" also finds the meanings of "A" (angstrom, ampere) and "us" those of "US":
// a meaning whose headword is written otherwise belongs to the word only as these rules allow.
//   - A word owns the meanings written as it is ("May": the month, "US": the country).
//   - A capital initial may be the start of a line: "May" and "Love" own "may" and "love" too.
//   - A function word at the start of a line is still the function word: "He" is not helium.
//   - A single letter owns nothing: its meanings are symbols, numerals and letter names.
class TWrittenWord
{
public:
    explicit TWrittenWord(const QString &word);

    // Whether a meaning whose headword is written spelling belongs to the word.
    bool Owns(const QString &spelling) const;
    // Whether the word takes every meaning of its entry when it owns none: a name or an
    // abbreviation typed in lower case or in capitals ("paris", "LOVE"), but not a single
    // letter nor a function word ("us" is not "US").
    bool TakesAnyWhenNoneOwned() const { return !single_ && !function_; }

private:
    QString word_;
    QString lower_;
    bool single_;
    bool function_;
    bool capitalised_; // a capital initial and the rest in lower case
};
