#include "WordNetLemmas.h"

#include "TextUtils.h"

#include <algorithm>
#include <array>

namespace {

std::string_view StripPositionMarker(std::string_view word)
{
    if (word.ends_with(')')) {
        const std::size_t open = word.rfind('(');
        if (open != std::string_view::npos && open > 0)
            return word.substr(0, open);
    }
    return word;
}

// Data lines: offset, lexicographer file, synset type, word count (hex), then word/lex-id pairs.
void ReadSynsetWords(std::string_view line, const std::function<void(std::string_view)> &f)
{
    const std::vector<std::string_view> fields = SplitOn(line, ' ');
    if (fields.size() < 4)
        return;
    const std::size_t count = std::stoul(std::string(fields[3]), nullptr, 16);
    for (std::size_t i = 0; i < count && 4 + 2 * i < fields.size(); ++i)
        f(StripPositionMarker(fields[4 + 2 * i]));
}

bool IsTaxonomicRank(std::string_view word)
{
    static constexpr std::array<std::string_view, 22> ranks = {
        "class",      "division",    "domain",     "family",   "genus",     "infraorder",
        "kingdom",    "order",       "phylum",     "section",  "subclass",  "subdivision",
        "subfamily",  "subgenus",    "subkingdom", "suborder", "subphylum", "subtribe",
        "superclass", "superfamily", "superorder", "tribe"};
    return std::find(ranks.begin(), ranks.end(), word) != ranks.end();
}

bool HasOnlyPhraseCharacters(std::string_view lemma)
{
    return std::all_of(lemma.begin(), lemma.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || c == '_' || c == '\'' || c == '-';
    });
}

} // namespace

void ForEachWordNetLemma(std::string_view dataFile, const std::function<void(std::string_view)> &f)
{
    ForEachLine(dataFile, [&f](std::string_view line) {
        // The licence header lines start with two spaces.
        if (!line.empty() && line.front() != ' ')
            ReadSynsetWords(line, f);
    });
}

void AddLemmaForms(std::string_view lemma, TWordForms &forms)
{
    forms.Add(lemma);
    // A capitalised one is listed as the name it is (New York), not also as "New-York".
    if (lemma.find('_') != std::string_view::npos && !HasUpperAscii(lemma))
        forms.Add(ReplaceAll(std::string(lemma), '_', '-'));
}

std::string PhraseFromLemma(std::string_view lemma, const TWordForms &forms)
{
    if (lemma.find('_') == std::string_view::npos || !HasOnlyPhraseCharacters(lemma))
        return {};
    const std::vector<std::string_view> words = SplitOn(lemma, '_');
    if (std::any_of(words.begin(), words.end(), [](std::string_view w) { return w.empty(); }))
        return {};
    if (words.size() == 2 && IsTaxonomicRank(words[0]) && !forms.HasLowerCase(words[1]))
        return {};
    return ReplaceAll(std::string(lemma), '_', ' ');
}

char WordNetPos(std::string_view fileName)
{
    static constexpr std::array<std::pair<std::string_view, char>, 4> kinds = {
        {{"noun", 'n'}, {"verb", 'v'}, {"adj", 'a'}, {"adv", 'r'}}};
    for (const auto &[name, pos] : kinds)
        if (fileName.ends_with(name))
            return pos;
    return 'n';
}

std::string ProperNameFromLemma(std::string_view lemma)
{
    if (lemma.find('_') == std::string_view::npos || lemma.front() < 'A' || lemma.front() > 'Z')
        return {};
    const bool plain = std::all_of(lemma.begin(), lemma.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == '\'' ||
               c == '-';
    });
    const std::vector<std::string_view> words = SplitOn(lemma, '_');
    if (!plain ||
        std::any_of(words.begin(), words.end(), [](std::string_view w) { return w.empty(); }))
        return {};
    return ReplaceAll(std::string(lemma), '_', ' ');
}
