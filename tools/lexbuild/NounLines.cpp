#include "FormLines.h"

#include "WordMorpher.h"
#include "WordUtils.h"

#include <algorithm>

#include <cctype>
#include <cstring>

namespace {

// Nouns whose plural is the singular; compounds ending in them follow ("reindeer").
const char *const Unchanged[] = {"aircraft",   "bison", "cod",       "deer",      "grouse",
                                 "hovercraft", "moose", "offspring", "salmon",    "sheep",
                                 "spacecraft", "swine", "trout",     "watercraft"};

// -man nouns that are not compounds of "man" (humans, shamans, talismans).
const std::set<std::string, std::less<>> NotMan = {"caiman",   "cayman", "desman",  "dolman",
                                                   "human",    "liman",  "ottoman", "shaman",
                                                   "talisman", "walkman"};

bool IsListed(const TFormSources &s, const std::string &word)
{
    return s.american.count(word) || s.british.count(word);
}

bool IsLowerWord(std::string_view w)
{
    for (char c : w)
        if (!std::islower(static_cast<unsigned char>(c)))
            return false;
    return !w.empty();
}

std::string LastWord(const std::string &noun)
{
    const std::size_t cut = noun.find_last_of(" -");
    return cut == std::string::npos ? noun : noun.substr(cut + 1);
}

// fireman -> firemen, con man -> con men, noblewoman -> noblewomen; humans stay regular.
std::string MenPlural(const std::string &noun, const TFormSources &s)
{
    const std::string last = LastWord(noun);
    if (!EndsWith(last, "man") || NotMan.count(last))
        return {};
    const std::string plural = noun.substr(0, noun.size() - 2) + "en";
    if (IsListed(s, plural) || last == "man" || last == "woman")
        return plural;
    // One lower-case word: a compound when what goes before "man" is a word of its own.
    const std::string before = last.substr(0, last.size() - 3);
    const bool compound = EndsWith(before, "wo") ||
                          (before.size() >= 3 && IsListed(s, before) && IsLowerWord(before));
    return compound && IsLowerWord(last) ? plural : std::string();
}

// sheep, series, news, crossroads, ft; analysis -> analyses.
std::string SpecialPlural(const std::string &noun, const TFormSources &s)
{
    const std::string last = LastWord(noun);
    for (const char *word : Unchanged)
        if (EndsWith(last, word) && (last == word || last.size() > std::strlen(word) + 2))
            return noun;
    if (!IsLowerWord(noun))
        return {};
    if (EndsWith(noun, "sis") && noun.size() > 4)
        return noun.substr(0, noun.size() - 2) + "es";
    if (EndsWith(noun, "s") && !EndsWith(noun, "ss") && noun.size() > 3 &&
        !IsListed(s, noun + "es") && IsListed(s, noun))
        return noun;
    if (noun.size() <= 3 && noun.find_first_of("aeiouy") == std::string::npos)
        return noun; // an abbreviation: ft, lb, km
    return {};
}

// cameras before camerae, buses before busses: WordNet's plural stays as an alternative when
// the word lists know the regular one and not it, or it only doubles the last letter; a
// listed regular plural is an alternative otherwise.
std::vector<std::string> RegularWhereUsual(const std::string &regular, const std::string &base,
                                           std::vector<std::string> plurals, const TFormSources &s)
{
    if (plurals.empty() || regular.empty() || !IsListed(s, regular) ||
        std::find(plurals.begin(), plurals.end(), regular) != plurals.end())
        return plurals;
    const std::string &first = plurals.front();
    if (!IsListed(s, first) || first == base + base.back() + "es")
        plurals.insert(plurals.begin(), regular);
    else if (!std::binary_search(s.verbs.begin(), s.verbs.end(), base))
        plurals.push_back(regular); // alkalis beside alkalies; not "foots", a verb's form
    return plurals;
}

} // namespace

TFormLines NounLines(const TFormLines &exceptions, const TFormSources &s)
{
    TFormLines lines;
    TWordMorpher plain; // the regular rule alone
    plain.ForcePlural = true;
    for (const auto &[base, plurals] : exceptions) {
        if (base.find(',') == std::string::npos)
            lines[base] =
                RegularWhereUsual(plain.Inflect(base, WordUtils::fkPlural), base, plurals, s);
    }
    for (const std::string &noun : s.nouns) {
        if (noun.find(',') != std::string::npos || lines.count(noun))
            continue;
        std::string plural = MenPlural(noun, s);
        if (plural.empty())
            plural = SpecialPlural(noun, s);
        if (!plural.empty())
            lines[noun] = {plural};
    }
    return lines;
}
