#pragma once

#include <memory>
#include <set>
#include <string>
#include <string_view>

class Hunspell;
class TWordLevels;

// The words a dictionary lists in lower case: the standard word list, WordNet's lemmas and their
// forms that the Hunspell dictionary makes with its affixes. Only these go into rhyme lists.
class TDictionaryWords
{
public:
    TDictionaryWords();
    ~TDictionaryWords();

    // One word per line, as in /usr/share/dict; capitalised lines are names and are skipped.
    void AddWordList(std::string_view text);
    // A WordNet lemma; a multi-word one also hyphenated, as the CMU writes such compounds.
    void AddLemma(std::string_view lemma);
    // basePath without extension (".aff" and ".dic" are appended); throws std::runtime_error
    // when either file is missing.
    void LoadHunspell(const std::string &basePath);

    // Words SCOWL lists only as abbreviations (gov, approx) are no words; levels must outlive this.
    void ExcludeAbbreviations(const TWordLevels *levels) { levels_ = levels; }

    // A hyphenated compound counts only when listed whole: Hunspell would accept any compound
    // of words it knows (k-mart).
    bool Lists(std::string_view word) const;

private:
    std::set<std::string, std::less<>> words_;
    std::unique_ptr<Hunspell> hunspell_;
    const TWordLevels *levels_ = nullptr;
};
