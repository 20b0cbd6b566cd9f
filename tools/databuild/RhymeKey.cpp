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

} // namespace

std::string MergedVowel(const std::string &vowel, std::string_view next)
{
    if (next == "R")
        return vowel == "IH" ? "IY" : vowel == "UH" ? "UW" : vowel;
    return vowel == "AO" ? "AA" : vowel;
}

namespace {

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
    for (std::size_t i = 0; i < out.size(); ++i)
        if (!out[i].weak)
            out[i].phoneme =
                MergedVowel(out[i].phoneme, i + 1 < out.size() ? out[i + 1].phoneme : "");
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

namespace {

std::string JoinPhonemes(const std::vector<std::string> &phonemes)
{
    std::string out;
    for (const std::string &p : phonemes) {
        if (!out.empty())
            out.push_back(' ');
        out += p;
    }
    return out;
}

// The vowels an unstressed ending of that spelling is written with.
std::string_view WeakEndingVowels(std::string_view word)
{
    if (word.ends_with("ies") || word.ends_with('y'))
        return "IY";
    if (word.ends_with('a'))
        return "AA AH";
    if (word.ends_with("le"))
        return "IY AH";
    return {};
}

} // namespace

std::string WithSpellingStress(std::string_view word, std::string_view phones)
{
    const std::vector<std::string_view> views = Phonemes(phones);
    std::vector<std::string> phonemes(views.begin(), views.end());
    const int last = LastVowel(views, '0');
    const std::string_view vowels = WeakEndingVowels(word);
    if (last < 0 || vowels.empty() || StressOf(views[last]) == '0')
        return std::string(phones);
    const bool primaryBefore = std::any_of(views.begin(), views.begin() + last,
                                           [](std::string_view p) { return StressOf(p) == '1'; });
    const std::string vowel = Upper(views[last]);
    const bool weakSound =
        std::ranges::any_of(SplitOn(vowels, ' '), [&](std::string_view v) { return v == vowel; });
    if (!primaryBefore || !weakSound)
        return std::string(phones);
    phonemes[last].back() = '0';
    return JoinPhonemes(phonemes);
}

bool IsReducedForm(std::string_view variant, std::string_view full)
{
    const std::vector<std::string_view> v = Phonemes(variant), f = Phonemes(full);
    if (v.size() + 1 == f.size()) {
        for (std::size_t i = 0; i < f.size(); ++i)
            if (i == v.size() || v[i] != f[i]) {
                const bool consonant = StressOf(f[i]) == 0;
                return consonant && std::equal(v.begin() + i, v.end(), f.begin() + i + 1);
            }
        return false;
    }
    if (v.size() != f.size())
        return false;
    int differences = 0;
    bool weakened = false;
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] == f[i])
            continue;
        ++differences;
        const std::string weak = Upper(v[i]), strong = Upper(f[i]);
        // Only a secondary stress weakens so; wind W AY1 N D and W IH1 N D are two words.
        weakened = StressOf(v[i]) && StressOf(f[i]) == '2' && (weak == "IH" || weak == "AH") &&
                   strong != "IH" && strong != "AH";
    }
    return differences == 1 && weakened;
}

std::string RhymingVowel(std::string_view phones)
{
    const std::string key = GroupKey(phones);
    const std::string first = key.substr(0, key.find(' '));
    return IsVowel(first) ? first : std::string();
}
