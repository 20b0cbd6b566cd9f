#pragma once

#include <map>
#include <string>
#include <string_view>

// The items of one "#"-list with their syllable counts and how common they are, joined fewest
// syllables first, then the common words before the rare ones, then alphabetically, so the
// short everyday rhymes a songwriter reaches for lead the list.
class TRankedList
{
public:
    // An item added twice keeps its smaller count and level. level: a SCOWL size level, smaller
    // is more common. An offensive item is joined only on request.
    void Add(std::string_view item, int syllables, int level = 0, bool offensive = false);
    bool Empty() const { return items_.empty(); }
    bool HasOffensive() const;
    std::string Join(bool withOffensive = true) const;

private:
    struct TRank
    {
        int syllables;
        int level;
        bool offensive;
    };
    std::map<std::string, TRank, std::less<>> items_;
};

// Lists keyed by group key (or Roundex code), in key order.
using TRankedLists = std::map<std::string, TRankedList, std::less<>>;
