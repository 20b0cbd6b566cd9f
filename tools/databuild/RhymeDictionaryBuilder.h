#pragma once

#include "CmuDictionary.h"
#include "DictionaryWords.h"
#include "RankedList.h"
#include "WordForms.h"

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

    TRhymeDictionaryBuilder(const TCmuDictionary &cmu, const TWordForms &forms,
                            const TDictionaryWords &dictionary);

    void AddWords();
    // A phrase is filed under the group of its last word's first stressed pronunciation; false
    // when that word has none.
    bool AddPhrase(std::string_view phrase);

    // word, word(1) .. word(4) -> group key; group -> real words; group + "[P]" -> names and
    // phrases. Words that are neither (letters, possessives, acronyms) keep only their keys.
    TEntries RhymeEntries() const;
    // Roundex code -> the real words with that code, alphabetical.
    TEntries RoundexEntries() const;

    std::size_t RealWordCount() const { return realWords_.size(); }
    std::size_t ProperNounCount() const { return properNouns_; }
    std::size_t PhraseCount() const { return phrases_; }

private:
    void AddWord(const std::string &word, const std::vector<std::string> &pronunciations);
    int PhraseSyllables(std::string_view phrase) const;

    const TCmuDictionary &cmu_;
    const TWordForms &forms_;
    const TDictionaryWords &dictionary_;
    TEntries wordKeys_;
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
