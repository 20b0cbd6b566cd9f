#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The words WordNet files under the usage domains "ethnic slur", "obscenity" and
// "disparagement". A word counts as offensive when every sense of it is so marked, or when it is
// one of the few slurs that WordNet marks in some senses only (chink, coon, spic).
class TOffensiveWords
{
public:
    // One WordNet 3.0 data.* file; pos is its synset type letter ('n', 'v', 'a', 'r').
    void AddWordNetData(std::string_view dataFile, char pos);
    // Resolves the domain pointers once every file has been added.
    void Finish();

    // The word, its plural or its possessive is offensive; letter case does not matter.
    bool IsOffensive(std::string_view word) const;
    // True when any word of the text (blanks and punctuation apart) is offensive.
    bool HasOffensiveWord(std::string_view text) const;
    std::size_t Size() const { return offensive_.size(); }

private:
    struct TMark
    {
        std::string synset;             // offset and type of the marked synset
        std::string domain;             // offset and type of the domain synset
        std::vector<std::string> words; // the words the pointer marks
    };
    std::map<std::string, int, std::less<>> senses_; // word -> number of synsets holding it
    std::vector<TMark> marks_;
    std::set<std::string, std::less<>> domains_; // the three domains' synsets
    std::set<std::string, std::less<>> offensive_;
};
