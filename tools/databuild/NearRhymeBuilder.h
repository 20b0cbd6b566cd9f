#pragma once

#include <map>
#include <string>
#include <string_view>

// Builds near.dat from the rhyme groups of rdict.dat and the word-frequency size levels of a
// word-list folder (files named like english-words.10, american-words.35: the number is the
// level, smaller levels hold the commoner words).
class TNearRhymeBuilder
{
public:
    using TEntries = std::map<std::string, std::string, std::less<>>;

    // Reads every "*-words.N" file of folder; a word in several keeps its smallest level. An
    // empty folder name reads nothing; a folder that cannot be read throws std::runtime_error.
    void LoadLevels(const std::string &folder);
    void AddLevels(std::string_view wordList, int level);

    // The level of a word; words of no list get kUnlisted.
    int LevelOf(std::string_view word) const;
    static constexpr int kUnlisted = 99;

    // Group keys (upper case) -> "word@level" lists commonest first, and "@N" -> the group keys
    // with N vowels, from the entries of rdict.dat.
    TEntries Entries(const TEntries &rdict) const;

private:
    std::map<std::string, int, std::less<>> levels_;
};
