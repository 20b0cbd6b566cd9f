#include "RhymeKey.h"

#include "TextUtils.h"

#include <algorithm>

namespace {

constexpr std::size_t kMaxPronunciations = 5; // the plain key and (1) to (4)

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

std::string Upper(std::string_view phoneme)
{
    if (StressOf(phoneme))
        phoneme.remove_suffix(1);
    std::string out(phoneme);
    for (char &c : out)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    return out;
}

bool IsVowel(const std::string &phoneme)
{
    static const char *const vowels[] = {"AA", "AE", "AH", "AO", "AW", "AY", "EH", "ER",
                                         "EY", "IH", "IY", "OW", "OY", "UH", "UW"};
    return std::find(std::begin(vowels), std::end(vowels), phoneme) != std::end(vowels);
}

// The source spells the same unstressed sounds several ways, which split one rhyme into groups
// (hated EY T AH D, waited EY T IH D; fire AY ER, admire AY R). After the rhyming vowel:
// - unstressed AH and IH, the schwa-like reductions it mixes, are both written AH;
// - unstressed "AH R" closing a syllable (no vowel follows) is written ER;
// - an unstressed ER right after a vowel is written R, as the one-syllable forms have it.
// The rhyming vowel, stressed vowels and every consonant stay exact, so hated and heated, needed
// and ended stay apart.
std::string RhymePart(const std::vector<std::string_view> &phonemes, std::size_t start)
{
    struct TSound
    {
        std::string phoneme;
        bool weak; // an unstressed vowel after the rhyming one
    };
    std::vector<TSound> out;
    for (std::size_t i = start; i < phonemes.size(); ++i) {
        const bool weak = i > start && StressOf(phonemes[i]) == '0';
        const std::string p = Upper(phonemes[i]);
        out.push_back({weak && (p == "AH" || p == "IH") ? "AH" : p, weak});
    }
    for (std::size_t i = 1; i + 1 < out.size(); ++i)
        if (out[i].weak && out[i].phoneme == "AH" && out[i + 1].phoneme == "R" &&
            (i + 2 == out.size() || !IsVowel(out[i + 2].phoneme))) {
            out[i].phoneme = "ER";
            out.erase(out.begin() + static_cast<std::ptrdiff_t>(i) + 1);
        }
    for (std::size_t i = 1; i < out.size(); ++i)
        if (out[i].weak && out[i].phoneme == "ER" && IsVowel(out[i - 1].phoneme))
            out[i].phoneme = "R";
    std::string key;
    for (const TSound &sound : out) {
        if (!key.empty())
            key.push_back(' ');
        key += sound.phoneme;
    }
    return key;
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
    return RhymePart(phonemes, start < 0 ? 0 : static_cast<std::size_t>(start));
}

std::string CompoundKey(std::string_view phones)
{
    const std::vector<std::string_view> phonemes = Phonemes(phones);
    const int primary = LastVowel(phonemes, '1');
    const int secondary = LastVowel(phonemes, '2');
    if (primary < 0 || secondary < primary)
        return {};
    return RhymePart(phonemes, static_cast<std::size_t>(secondary));
}

int CountPhoneSyllables(std::string_view phones)
{
    int count = 0;
    for (const std::string_view p : Phonemes(phones))
        count += StressOf(p) != 0;
    return count;
}

bool HasStress(std::string_view phones)
{
    return phones.find_first_of("12") != std::string_view::npos;
}

std::vector<std::string> FiledPronunciations(const std::vector<std::string> &pronunciations)
{
    const bool anyStressed =
        std::any_of(pronunciations.begin(), pronunciations.end(),
                    [](const std::string &phones) { return HasStress(phones); });
    std::vector<std::string> filed;
    for (const std::string &phones : pronunciations)
        if ((!anyStressed || HasStress(phones)) && filed.size() < kMaxPronunciations)
            filed.push_back(phones);
    return filed;
}
