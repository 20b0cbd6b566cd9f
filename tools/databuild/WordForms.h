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
    // The first capitalised spelling in byte order ("McDonald" before "Mcdonald"); empty if none.
    std::string CapitalForm(std::string_view lower) const;

private:
    std::map<std::string, std::set<std::string>, std::less<>> forms_;
};

enum class TWordKind
{
    Real,
    Proper
};

struct TWordClass
{
    TWordKind kind;
    std::string display; // the spelling to list: lower case for real words, capitalised names
};

// Real word when the word occurs in lower case; otherwise a proper noun in its capitalised
// spelling. Elisions ('tis), compounds of real words (able-bodied) and possessives follow the
// words they are made of; a word found nowhere counts as a name.
TWordClass ClassifyWord(std::string_view word, const TWordForms &forms);
