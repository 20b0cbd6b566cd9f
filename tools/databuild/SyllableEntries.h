#pragma once

#include <map>
#include <string>

class TCmuDictionary;

// The entries of syllables.dat: each spelling the editor can meet as one word (lower-case
// letters, with apostrophes and hyphens inside) and the stress digits of each of its
// pronunciations ("#"-separated, the dictionary's first first), leaving out the words the counting
// rule already counts and scans alike (a smaller table loads faster at start). Spellings with no
// vowel sound are left to the rule.
std::map<std::string, std::string, std::less<>> SyllableEntries(const TCmuDictionary &cmu);
