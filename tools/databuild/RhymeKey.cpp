#include "RhymeKey.h"

#include "TextUtils.h"

#include <vector>

namespace {

std::vector<std::string_view> Phonemes(std::string_view phones)
{
    std::vector<std::string_view> out;
    for (const std::string_view part : SplitOn(Trim(phones), ' '))
        if (!part.empty())
            out.push_back(part);
    return out;
}

char StressOf(std::string_view phoneme)
{
    const char last = phoneme.back();
    return (last >= '0' && last <= '2') ? last : 0;
}

// Index of the last vowel with the given stress ('0' stands for any vowel), or -1.
int LastVowel(const std::vector<std::string_view> &phonemes, char stress)
{
    for (int i = static_cast<int>(phonemes.size()) - 1; i >= 0; --i) {
        const char s = StressOf(phonemes[i]);
        if (s != 0 && (stress == '0' || s == stress))
            return i;
    }
    return -1;
}

} // namespace

std::string GroupKey(std::string_view phones)
{
    const std::vector<std::string_view> phonemes = Phonemes(phones);
    int start = LastVowel(phonemes, '1');
    if (start < 0)
        start = LastVowel(phonemes, '2');
    if (start < 0)
        start = LastVowel(phonemes, '0');
    if (start < 0)
        start = 0;
    std::string key;
    for (std::size_t i = start; i < phonemes.size(); ++i) {
        std::string_view p = phonemes[i];
        if (StressOf(p))
            p.remove_suffix(1);
        if (!key.empty())
            key.push_back(' ');
        for (const char c : p)
            key.push_back((c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c);
    }
    return key;
}

int CountPhoneSyllables(std::string_view phones)
{
    int count = 0;
    for (const std::string_view p : Phonemes(phones))
        count += StressOf(p) != 0;
    return count;
}
