#pragma once

#include "CmuDictionary.h"
#include "DictionaryWords.h"
#include "OffensiveWords.h"
#include "RankedList.h"
#include "WordForms.h"
#include "WordLevels.h"

#include <map>
#include <set>
#include <string>
#include <string_view>

// Builds the entries of rdict.dat and sdxdict.dat from the CMU words, the spellings seen in the
// word lists, the words the dictionaries list and the WordNet phrases.
class TRhymeDictionaryBuilder
{
public:
    using TEntries = std::map<std::string, std::string, std::less<>>;

    // levels order the lists (none: alphabetical within a syllable count); offensive words are
    // kept out of the default lists (none: no word is).
    TRhymeDictionaryBuilder(const TCmuDictionary &cmu, const TWordForms &forms,
                            const TDictionaryWords &dictionary, const TWordLevels *levels = nullptr,
                            const TOffensiveWords *offensive = nullptr);

    void AddWords();
    // A phrase or a proper name of several words ("New York") is filed under the group of its
    // last word's first stressed pronunciation; false when that word has none.
    bool AddPhrase(std::string_view phrase);

    // word, word(1) .. word(4) -> group key; group -> real words; group + "[P]" -> names and
    // phrases. Words that are neither (letters, possessives, acronyms) keep only their keys.
    // A list holding offensive words is written twice: without them under its key, whole under
    // the key + "[O]". group + "[S]" -> the groups of the later stresses of the group's words
    // (midnight's "IH D N AY T" -> "AY T"), which a lookup shows after the group's own words.
    TEntries RhymeEntries() const;
    // Roundex code -> the real words with that code, alphabetical.
    TEntries RoundexEntries() const;

    std::size_t RealWordCount() const { return realWords_.size(); }
    std::size_t ProperNounCount() const { return properNouns_; }
    std::size_t PhraseCount() const { return phrases_; }

private:
    void AddWord(const std::string &word, const std::vector<std::string> &pronunciations);
    std::vector<std::string> OwnPronunciations(const std::string &word, TWordKind kind,
                                               const std::vector<std::string> &found) const;
    void File(TRankedLists &lists, std::string_view item, const std::string &phones, int syllables);
    int PhraseSyllables(std::string_view phrase) const;
    bool SpellingIsAName(const std::string &word) const;

    const TCmuDictionary &cmu_;
    const TWordForms &forms_;
    const TDictionaryWords &dictionary_;
    const TWordLevels *levels_;
    const TOffensiveWords *offensive_;
    TEntries wordKeys_;
    std::map<std::string, std::set<std::string>, std::less<>> laterStresses_; // group -> groups
    TRankedLists groups_;
    TRankedLists extras_; // phrases and proper nouns, by group
    std::set<std::string, std::less<>> realWords_;
    std::size_t properNouns_ = 0;
    std::size_t phrases_ = 0;
};

// The CMU entry a word of running text is found under: the word itself, without an elision
// mark or closing quote, or the last part of a hyphenated compound. Null when there is none.
const std::vector<std::string> *FindPronunciations(const TCmuDictionary &cmu,
                                                   std::string_view word);

// The "[O]" key of a list written twice, and the key of a group's later-stress groups.
constexpr std::string_view kWithOffensiveSuffix = "[O]";
constexpr std::string_view kLaterStressSuffix = "[S]";

// Writes list under key, and again under key + "[O]" with its offensive items when it has any.
void AddListEntries(TRhymeDictionaryBuilder::TEntries &entries, const std::string &key,
                    const TRankedList &list);
