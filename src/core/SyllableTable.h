#pragma once

#include <QString>

#include <bitset>
#include <string>
#include <string_view>

class TDIAnsiStringHash;

// A line in square brackets ("[Chorus]", "[Verse 1]") names a section of a song: no syllables.
bool IsSectionLabel(const QString &line);

// The syllable counts a line can have, one for each choice of its words' pronunciations.
struct TLineCounts
{
    static constexpr int kTracked = 256;

    int first = 0; // every word by its first pronunciation, as the gutter shows it
    int min = 0;
    int max = 0;
    std::bitset<kTracked> sums; // the counts below kTracked that some choice gives

    bool Reaches(int count) const
    {
        return count >= min && count <= max && (count >= kTracked || sums[std::size_t(count)]);
    }
};

// Syllables by pronunciation: a word list of lower-case words and the stress digits of each of
// their pronunciations ("#"-separated, the first first; one digit per vowel: 0 unstressed,
// 1 primary, 2 secondary stress). Words the table lacks are counted by the vowel-group rule and
// stressed on their first syllable; the table leaves out the words for which that is right.
// Words are the runs of word characters of the rule, joined across an apostrophe that stands
// between two of them ("don't", "summer's"); a hyphenated word missing from the table is
// counted part by part. A poet's elisions are followed: o'er, heav'n, dimm'd, grow'st, th'.
class TSyllableTable
{
public:
    // Without a word list (or with an empty one) every word goes by the rule.
    explicit TSyllableTable(const TDIAnsiStringHash *words = nullptr) : words_(words) {}

    // The stress digits of a lower-case word's first pronunciation; empty when the table lacks it.
    std::string_view Stress(std::string_view word) const;
    // Every pronunciation's stress digits, "#"-separated; empty when the table lacks the word.
    std::string_view Pronunciations(std::string_view word) const;
    int CountLine(const QString &line) const;
    TLineCounts CountsOfLine(const QString &line) const;
    // "/" per stressed, "\" per secondarily stressed and "x" per unstressed syllable, word
    // after word. One-syllable function words are unstressed; a word counted by the rule is
    // stressed on its first syllable.
    QString MeterOfLine(const QString &line) const;

    // The stress digits of a pronunciation such as "K R IY0 EY1 T AH0 D".
    static std::string StressDigits(std::string_view phonemes);

private:
    const TDIAnsiStringHash *words_;
};
