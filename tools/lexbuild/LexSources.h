#pragma once

#include "WordNetSource.h"

#include <array>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// The seven word-form strings of cz.lex, built from WordNet's exception files and the word lists.
struct TFormSources
{
    std::string nounExc, verbExc, adjExc, advExc; // WordNet's "form base" lines
    std::set<std::string> american;               // wamerican-large and wamerican
    std::set<std::string> british;                // wbritish
    std::vector<std::string> adjectives;          // one-word adjective lemmas
    std::vector<std::string> nouns, verbs;        // WordNet's lemmas as written, sorted
};
std::array<std::string, 7> BuildFormStrings(const TFormSources &sources);

// A CMU pronunciation ("L AH1 V") in the word explorer's code alphabet, with "'" before the
// syllable of primary stress and "`" before secondary stress ("'lúv").
std::string PronunciationCodes(std::string_view arpabet);
