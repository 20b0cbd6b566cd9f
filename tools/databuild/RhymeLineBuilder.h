#pragma once

#include "CmuDictionary.h"
#include "GcideQuotes.h"
#include "OffensiveWords.h"

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// Builds rpoetry.dat: the lines of the verse quotations that read as lines of verse (four words
// or more, not broken after a function word, not by a writer the dictionary quotes for prose),
// each once however it is cased or punctuated, filed under the rhyme group of its last word,
// with the source of each line under its id + "[P]". Lines with offensive words are written
// only in the lists under group + "[O]".
class TRhymeLineBuilder
{
public:
    using TEntries = std::map<std::string, std::string, std::less<>>;

    explicit TRhymeLineBuilder(const TCmuDictionary &cmu,
                               const TOffensiveWords *offensive = nullptr);

    // All quotations at once: whether a writer is quoted for verse is judged over all of them.
    void AddQuotes(const std::vector<TGcideQuote> &quotes);
    // One quotation; prose quotations and excluded sources are skipped.
    void AddQuote(const TGcideQuote &quote);
    TEntries Entries() const;

    std::size_t LineCount() const { return sources_.size(); }

private:
    void AddLine(std::string_view raw, const std::string &source);

    const TCmuDictionary &cmu_;
    const TOffensiveWords *offensive_;
    std::set<std::string, std::less<>> seen_; // lines folded to lower-case letters and blanks
    std::set<std::string, std::less<>> proseWriters_;
    std::map<std::string, std::vector<std::pair<std::string, bool>>, std::less<>> byGroup_;
    std::vector<std::string> sources_; // index = id - 1
};

// A line of verse a songwriter can use: four words or more, the last not a function word.
bool IsWholeVerseLine(std::string_view line);

// The word a line of verse ends in, lower case, punctuation removed; empty if it has none.
std::string LastWordOfLine(std::string_view line);
