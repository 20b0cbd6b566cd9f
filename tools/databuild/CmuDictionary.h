#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The CMU Pronouncing Dictionary as shipped by the npm package: one `"word": "PH ON ES",` pair
// per line, variants written word(2), word(3) ... and optional "# comment" tails.
class TCmuDictionary
{
public:
    using TEntries = std::map<std::string, std::vector<std::string>, std::less<>>;

    void Parse(std::string_view text);

    // The pronunciations of word in the dictionary's order; null when it has none.
    const std::vector<std::string> *Find(std::string_view word) const;
    const TEntries &Entries() const { return entries_; }

private:
    TEntries entries_;
};
