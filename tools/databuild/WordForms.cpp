#include "WordForms.h"

#include "DictionaryWords.h"
#include "TextUtils.h"

#include <algorithm>
#include <regex>
#include <set>

void TWordForms::Add(std::string_view form)
{
    if (!form.empty())
        forms_[ToLowerAscii(form)].emplace(form);
}

void TWordForms::AddWordList(std::string_view text)
{
    ForEachLine(text, [this](std::string_view line) { Add(Trim(line)); });
}

bool TWordForms::Known(std::string_view lower) const
{
    return forms_.find(lower) != forms_.end();
}

bool TWordForms::HasLowerCase(std::string_view lower) const
{
    const auto it = forms_.find(lower);
    return it != forms_.end() && it->second.count(std::string(lower)) > 0;
}

std::string TWordForms::CapitalForm(std::string_view lower) const
{
    const auto it = forms_.find(lower);
    if (it == forms_.end())
        return {};
    std::string acronym;
    for (const std::string &form : it->second) {
        if (!HasUpperAscii(form))
            continue;
        if (!IsAllCapitals(form))
            return form;
        if (acronym.empty())
            acronym = form;
    }
    return acronym;
}

namespace {

bool HasVowelLetter(std::string_view word)
{
    return word.find_first_of("aeiouyAEIOUY") != std::string_view::npos;
}

bool IsLoneLetter(std::string_view word)
{
    return word.size() == 1 && word != "a" && word != "i" && word != "o";
}

// The dictionaries' two-letter entries are mostly symbols and abbreviations (ca, ne, ti, xi);
// these are the ones verse uses, solfege syllables included.
bool IsTwoLetterWord(std::string_view word)
{
    static const std::set<std::string_view> words = {
        "ad", "ah", "am", "an", "as", "at", "aw", "ax", "ay", "be", "by", "do", "eh",
        "ex", "fa", "go", "ha", "he", "hi", "ho", "id", "if", "in", "is", "it", "la",
        "lo", "ma", "me", "mi", "my", "no", "of", "oh", "ok", "on", "or", "ow", "ox",
        "pa", "re", "so", "ti", "to", "uh", "um", "up", "us", "we", "ye", "yo"};
    return words.count(word) > 0;
}

// The word lists carry Roman numerals in lower case (lxi, xiv); mix and mi are words.
bool IsRomanNumeral(std::string_view word)
{
    static const std::regex numeral("m{0,4}(cm|cd|d?c{0,3})(xc|xl|l?x{0,3})(ix|iv|v?i{0,3})");
    return word.size() > 1 && word != "mix" && word != "mi" &&
           std::regex_match(word.begin(), word.end(), numeral);
}

// "aalborg's" -> "aalborg" and "'s"; "jones'" -> "jones" and "'"; otherwise empty. The "'s" of
// a pronoun or adverb is "is" or "us" (it's, let's), not a possessive.
std::pair<std::string_view, std::string_view> SplitPossessive(std::string_view word)
{
    static const std::set<std::string_view> contractions = {
        "he's",    "here's", "how's",  "it's",    "let's", "she's", "that's",
        "there's", "what's", "when's", "where's", "who's", "why's"};
    if (contractions.count(word))
        return {};
    if (word.size() > 2 && word.ends_with("'s"))
        return {word.substr(0, word.size() - 2), "'s"};
    if (word.size() > 2 && word.ends_with("s'"))
        return {word.substr(0, word.size() - 1), "'"};
    return {};
}

TWordClass NameOrUnlisted(std::string_view word, const TWordForms &forms)
{
    if (std::string capital = forms.CapitalForm(word); !capital.empty())
        return {IsAllCapitals(capital) ? TWordKind::Unlisted : TWordKind::Proper, capital};
    // Known in lower case only from the large word list, a compound of known words (k-mart), or
    // a token of the pronouncing dictionary that no word list names (Dartt, Hamsphire).
    return {TWordKind::Unlisted, std::string(word)};
}

} // namespace

TWordClass ClassifyWord(std::string_view word, const TWordForms &forms,
                        const TDictionaryWords &dictionary)
{
    if (IsLoneLetter(word) || !HasVowelLetter(word) || IsRomanNumeral(word))
        return {TWordKind::Unlisted, std::string(word)};
    if (const auto [base, suffix] = SplitPossessive(word); !base.empty()) {
        if (dictionary.Lists(base))
            return {TWordKind::Unlisted, std::string(word)};
        const TWordClass name = NameOrUnlisted(base, forms);
        return {name.kind, name.display + std::string(suffix)};
    }
    if (word.size() == 2 && !IsTwoLetterWord(word))
        return NameOrUnlisted(word, forms);
    if (word.size() == 2)
        return {TWordKind::Real, std::string(word)};
    // The pronoun's contractions are written with a capital, like the pronoun (I'm, I'll).
    if (word.size() > 2 && word.starts_with("i'"))
        return {TWordKind::Real, "I" + std::string(word.substr(1))};
    if (word.starts_with('\'') || dictionary.Lists(word))
        return {TWordKind::Real, std::string(word)};
    return NameOrUnlisted(word, forms);
}
