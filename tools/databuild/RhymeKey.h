#pragma once

#include <string>
#include <string_view>
#include <vector>

// Rhyme groups from CMU pronunciations (ARPAbet phonemes separated by spaces, vowels carrying a
// stress digit 0, 1 or 2).

// The rhyme part of a pronunciation, from its last primary-stressed vowel to the end (else from
// the last secondary-stressed vowel, else from the last vowel), without stress digits and with
// the unstressed tail spelled one way (see RhymeKey.cpp), e.g. "AH0 B AH1 V" -> "AH V". Written
// in upper case, so it never equals a normalised word. A pronunciation without any vowel gives
// all its phonemes; an empty one the empty key.
std::string GroupKey(std::string_view phones);

// The rhyme part from the last secondary-stressed vowel when that vowel follows the primary one
// ("M IH1 D N AY2 T" -> "AY T", so midnight also rhymes with night); empty otherwise.
std::string CompoundKey(std::string_view phones);

// The number of vowels, which is the number of syllables.
int CountPhoneSyllables(std::string_view phones);

// True when some vowel carries a primary or secondary stress.
bool HasStress(std::string_view phones);

// The pronunciations a word is filed under: its first five, without the weak (all unstressed)
// forms of function words such as "K AH0 N" for can, unless the word has no other form.
std::vector<std::string> FiledPronunciations(const std::vector<std::string> &pronunciations);
