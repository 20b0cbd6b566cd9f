#pragma once

#include <string>
#include <string_view>

// Rhyme groups from CMU pronunciations (ARPAbet phonemes separated by spaces, vowels carrying a
// stress digit 0, 1 or 2).

// The phonemes from the last primary-stressed vowel to the end (else from the last
// secondary-stressed vowel, else from the last vowel), without stress digits, e.g.
// "AH0 B AH1 V" -> "AH V". Written in upper case, so it never equals a normalised word.
// A pronunciation without any vowel gives all its phonemes; an empty one the empty key.
std::string GroupKey(std::string_view phones);

// The number of vowels, which is the number of syllables.
int CountPhoneSyllables(std::string_view phones);
