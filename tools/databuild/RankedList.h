#pragma once

#include <map>
#include <string>
#include <string_view>

// The items of one "#"-list with their syllable counts, joined fewest syllables first and then
// alphabetically, so the short rhymes a songwriter reaches for lead the list.
class TRankedList
{
public:
    // An item added twice keeps its smaller count.
    void Add(std::string_view item, int syllables);
    bool Empty() const { return items_.empty(); }
    std::string Join() const;

private:
    std::map<std::string, int, std::less<>> items_;
};

// Lists keyed by group key (or Roundex code), in key order.
using TRankedLists = std::map<std::string, TRankedList, std::less<>>;
