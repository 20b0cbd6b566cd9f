#pragma once

#include "WordForms.h"

#include <functional>
#include <set>
#include <string>
#include <string_view>

// Calls f with every word form of a WordNet 3.0 data.* file, as written there (case kept,
// words joined by "_", adjective position markers such as "(a)" removed).
void ForEachWordNetLemma(std::string_view dataFile, const std::function<void(std::string_view)> &f);

// The synset type letter of a data.* file by its name: 'n', 'v', 'a' or 'r'.
char WordNetPos(std::string_view fileName);

// Adds a lemma to the spellings: single words as they are, lower-case multi-word lemmas also
// hyphenated ("ad_hoc" -> "ad-hoc") because the CMU writes such compounds with hyphens.
void AddLemmaForms(std::string_view lemma, TWordForms &forms);

// The phrase a multi-word lemma gives ("labor_of_love" -> "labor of love"), or empty when it is
// not one a songwriter could use: a single word, one with capitals, digits, dots or characters
// other than letters, "'" and "-", or a taxonomic name ("genus_bombycilla": a rank followed by
// one word that is not a common word).
std::string PhraseFromLemma(std::string_view lemma, const TWordForms &forms);

// The proper name a capitalised multi-word lemma gives ("New_York" -> "New York"), or empty when
// it is none: a single word, a first word in lower case (taxonomy: "genus_Bombycilla"), or one
// with digits, dots or characters other than letters, "'" and "-".
std::string ProperNameFromLemma(std::string_view lemma);
