#pragma once

#include <QString>

#include <string_view>

class TDIAnsiStringHash;

// Syllables by pronunciation: a word list of lower-case words and their stress digits (one digit
// per vowel of the word's first pronunciation: 0 unstressed, 1 primary, 2 secondary stress).
// Words the table lacks are counted by the vowel-group rule and stressed on their first
// syllable; the table leaves out the words for which that is right. Words are the runs of word
// characters of the rule, joined across an apostrophe that stands between two of them
// ("don't", "summer's"); a hyphenated word missing from the table is counted part by part.
class TSyllableTable
{
public:
    // Without a word list (or with an empty one) every word goes by the rule.
    explicit TSyllableTable(const TDIAnsiStringHash *words = nullptr) : words_(words) {}

    // The stress digits of a lower-case word; empty when the table lacks it.
    std::string_view Stress(std::string_view word) const;
    int CountLine(const QString &line) const;
    // "/" per stressed and "x" per unstressed syllable, word after word. One-syllable function
    // words are unstressed; a word counted by the rule is stressed on its first syllable.
    QString MeterOfLine(const QString &line) const;

    // The value of a syllables.dat entry for a pronunciation such as "K R IY0 EY1 T AH0 D".
    static std::string StressDigits(std::string_view phonemes);

private:
    const TDIAnsiStringHash *words_;
};
