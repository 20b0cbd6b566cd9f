#pragma once

#include "CmuDictionary.h"
#include "GcideQuotes.h"

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// Builds rpoetry.dat: every line of the verse quotations, filed under the rhyme group of its
// last word, with the source of each line under its id + "[P]".
class TRhymeLineBuilder
{
public:
    using TEntries = std::map<std::string, std::string, std::less<>>;

    explicit TRhymeLineBuilder(const TCmuDictionary &cmu);

    // Prose quotations and excluded sources are skipped.
    void AddQuote(const TGcideQuote &quote);
    TEntries Entries() const;

    std::size_t LineCount() const { return sources_.size(); }

private:
    void AddLine(std::string_view raw, const std::string &source);

    const TCmuDictionary &cmu_;
    std::set<std::string, std::less<>> seen_;
    std::map<std::string, std::vector<std::string>, std::less<>> byGroup_;
    std::vector<std::string> sources_; // index = id - 1
};

// The word a line of verse ends in, lower case, punctuation removed; empty if it has none.
std::string LastWordOfLine(std::string_view line);
