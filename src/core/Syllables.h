#pragma once

#include <QString>

#include <string_view>

// Syllable counts by vowel groups, for the editor's gutter. Bytes 128..255 (and any character
// beyond them) belong to words but are never vowels.
bool IsSyllableVowel(unsigned char ch);
bool IsWordDelimiter(unsigned char ch);
int CountWordSyllables(std::string_view word);
int CountLineSyllables(std::string_view line);
int CountLineSyllables(const QString &line);
