#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// How common a spelling is, by the size levels of SCOWL (10 = the most common words ... 95 = the
// rarest), read from its lists "english-words.10", "american-proper-names.50" and the like.
class TWordLevels
{
public:
    static constexpr int kUnknown = 100;

    // Reads every english-* and american-* list of the folder; throws std::runtime_error when
    // the folder holds none.
    void LoadFolder(const std::string &folder);
    // One word per line; category is the list's kind ("words", "contractions", "upper",
    // "proper-names", "abbreviations").
    void AddList(std::string_view text, std::string_view category, int level);

    // The level of the spelling, else of its lower-case form; kUnknown when SCOWL lacks both.
    int Level(std::string_view spelling) const;
    // The rarest level among the words of a phrase.
    int PhraseLevel(std::string_view phrase) const;
    // Listed only as an abbreviation (gov, approx), never as a word.
    bool IsAbbreviation(std::string_view lower) const;
    // Listed as a proper name in some spelling (Fried, Nice).
    bool IsName(std::string_view lower) const;

private:
    std::map<std::string, int, std::less<>> levels_;
    std::set<std::string, std::less<>> abbreviations_, words_, names_; // lower case
};
