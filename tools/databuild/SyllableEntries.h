#pragma once

#include <map>
#include <string>

class TCmuDictionary;

// The entries of syllables.dat: each spelling the editor can meet as one word (lower-case
// letters, with apostrophes and hyphens inside) and the stress digits of its first
// pronunciation. Spellings with no vowel sound are left to the counting rule.
std::map<std::string, std::string, std::less<>> SyllableEntries(const TCmuDictionary &cmu);
