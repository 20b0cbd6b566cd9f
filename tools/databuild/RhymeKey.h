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

// The source writes one General American sound two ways: here IY R and near IH R, poor UW R and
// sure UH R, falling AA L and calling AO L. A stressed vowel is spelled one way for the key: IH
// and UH before R as IY and UW, AO before anything but R as AA (for and far stay apart).
std::string MergedVowel(const std::string &vowel, std::string_view next);

// The pronunciation with the stress the spelling allows: a final -y, -ies, -a or -le after a
// primary stress is unstressed, though the source sometimes marks it (artsy AA1 R T S IY1,
// feta F EH1 T AA2, companies ... N IY2 Z).
std::string WithSpellingStress(std::string_view word, std::string_view phones);

// True when variant is a reduced form of full: one consonant dropped (most M OW1 S T, M OW1 S) or
// one secondary-stressed vowel weakened to IH or AH (weekend ... K EH2 N D, ... K IH2 N D).
bool IsReducedForm(std::string_view variant, std::string_view full);

// The stressed vowel a pronunciation rhymes on, merged as in the key; empty without one.
std::string RhymingVowel(std::string_view phones);

// The number of vowels, which is the number of syllables.
int CountPhoneSyllables(std::string_view phones);

// True when some vowel carries a primary or secondary stress.
bool HasStress(std::string_view phones);

// The pronunciations a word is filed under: its first five, without the weak (all unstressed)
// forms of function words such as "K AH0 N" for can, unless the word has no other form.
std::vector<std::string> FiledPronunciations(const std::vector<std::string> &pronunciations);
