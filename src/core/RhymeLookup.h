#pragma once

#include "DIAnsiStringHash.h"

#include <string>
#include <string_view>
#include <vector>

// The lists a word is looked up in: the word's own rhyme group first, then the groups of the
// later stresses of its group ("G[S]": midnight shows night's rhymes after its own), each list
// in its form without offensive words unless they are asked for ("K[O]" holds the whole list).
// Shared by the panels and tolvane-cli; keys and values are the files' UTF-8 bytes.
class TRhymeLookup
{
public:
    // lines may be null when no rhyme-line list is at hand.
    TRhymeLookup(const TDIAnsiStringHash &rhymes, const TDIAnsiStringHash *lines,
                 bool showOffensive);

    // The group key of the word (with any "(n)" suffix), else of fallback (a stem); empty if none.
    std::string GroupOf(std::string_view word, std::string_view fallback = {}) const;
    // The group followed by its later-stress groups; empty for an empty group.
    std::vector<std::string> Groups(std::string_view group) const;

    // "#"-lists for a group key: its rhymes, its phrases and proper nouns, its rhyme lines; the
    // items of the later-stress groups follow the group's own, each item once.
    std::string Rhymes(std::string_view group) const;
    std::string Phrases(std::string_view group) const;
    std::string Lines(std::string_view group) const;

    // The value of key in list, the form with offensive items when asked for and present.
    static std::string ListValue(const TDIAnsiStringHash &list, std::string_view key,
                                 bool showOffensive);

private:
    std::string Merged(const TDIAnsiStringHash &list, std::string_view group,
                       std::string_view suffix) const;

    const TDIAnsiStringHash &rhymes_;
    const TDIAnsiStringHash *lines_;
    bool showOffensive_;
};
