#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TDIAnsiStringHash;

// Near rhymes: words whose rhyme part (a group key of rdict.dat, ARPAbet phonemes from the last
// stressed vowel on) sounds close to a word's without rhyming perfectly.
//
// near.dat, written by the data builder, holds what a lookup needs:
// - "@N" -> the "#"-list of group keys with N vowels;
// - group key -> its words as "word@level" items, commonest first (level: the word-frequency
//   size level, smaller is more common).
namespace NearRhymes {

// The phonetic distance of two rhyme parts, 0 for the same sounds: the vowels are compared in
// order (the rhyming vowel weighs double), the consonants between them by an edit distance whose
// substitutions cost by place, manner and voicing. -1 when the parts do not align (another
// number of vowels, no vowel, an unknown phoneme).
int Distance(std::string_view key, std::string_view other);

// The number of vowels of a rhyme part, -1 when it holds an unknown phoneme.
int VowelCount(std::string_view key);

// The group keys of a word and its pronunciation variants word(1) .. word(4), distinct.
std::vector<std::string> GroupKeysOf(const TDIAnsiStringHash &rdict, std::string_view word);

} // namespace NearRhymes

class TNearRhymes
{
public:
    // Rhyme parts farther than this are not near.
    static constexpr int kMaxDistance = 7;
    // How many near rhymes the lists show.
    static constexpr std::size_t kListed = 200;

    // data is near.dat, which must outlive this object.
    explicit TNearRhymes(const TDIAnsiStringHash &data);

    // The near rhymes of a word filed under groupKeys: nearest first, commoner first within one
    // distance, at most limit words; the words of the groups themselves (perfect rhymes) are left
    // out.
    std::vector<std::string> Lookup(const std::vector<std::string> &groupKeys,
                                    std::size_t limit) const;

private:
    struct TGroup
    {
        std::string key;
        std::vector<std::uint8_t> phones;
    };
    const std::vector<TGroup> *GroupsWithVowels(int vowels) const;

    const TDIAnsiStringHash &data_;
    std::vector<std::vector<TGroup>> byVowels_; // index: vowel count
};
