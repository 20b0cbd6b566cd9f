#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>

// Every spelling seen for a word in the word lists, indexed by its lower-case form, so that a
// CMU word (always lower case) can be told apart as a common word or a name.
class TWordForms
{
public:
    void Add(std::string_view form);
    // One word per line, as in /usr/share/dict.
    void AddWordList(std::string_view text);

    bool Known(std::string_view lower) const;
    // True when the word was seen written in lower case.
    bool HasLowerCase(std::string_view lower) const;
    // The first capitalised spelling in byte order ("McDonald" before "Mcdonald") that is not
    // all capitals, else the first all-capitals one ("GED"); empty if none.
    std::string CapitalForm(std::string_view lower) const;

private:
    std::map<std::string, std::set<std::string>, std::less<>> forms_;
};

class TDictionaryWords;

enum class TWordKind
{
    Real,     // goes into the rhyme lists
    Proper,   // goes into the phrases and proper nouns lists
    Unlisted, // keeps its key but is listed nowhere
};

struct TWordClass
{
    TWordKind kind;
    std::string display; // the spelling to list: lower case for real words, capitalised names
};

// Real word when a dictionary lists it in lower case (elisions such as 'tis too, and the
// contractions of I, written I'm, I'll); a name when the word lists know it capitalised; a word
// found nowhere is no name (the pronouncing dictionary holds many odd tokens). Never listed: single
// letters other than a, i and o, two-letter abbreviations and symbols, words without a vowel
// letter, Roman numerals, acronyms, possessives of common words and hyphenated compounds no
// dictionary lists whole. Possessives of names stay names.
TWordClass ClassifyWord(std::string_view word, const TWordForms &forms,
                        const TDictionaryWords &dictionary);
