#include "LexSources.h"

#include "FormLines.h"

#include "TextUtils.h"
#include "WordUtils.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <map>

namespace {

using TForms = TFormLines;

std::string AdjectiveExceptions(const TForms &forms)
{
    TFormLines lines;
    for (const auto &[base, all] : forms) {
        std::vector<std::string> comparatives, superlatives;
        for (const std::string &f : all)
            (EndsWith(f, "est") ? superlatives : comparatives).push_back(f);
        std::vector<std::string> fields;
        for (std::size_t i = 0; i < std::max(comparatives.size(), superlatives.size()); ++i) {
            fields.push_back(i < comparatives.size() ? comparatives[i] : std::string());
            fields.push_back(i < superlatives.size() ? superlatives[i] : std::string());
        }
        if (!fields.empty() && base.find(',') == std::string::npos)
            lines[base] = fields;
    }
    return JoinLines(lines);
}

std::string ComparableStems(const TFormSources &s)
{
    std::set<std::string> stems;
    for (const std::string &adj : s.adjectives) {
        if (adj.size() < 2 ||
            adj.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos)
            continue;
        std::string stem = adj;
        const char last = adj.back();
        if (last == 'e')
            stem.pop_back();
        else if (last == 'y' &&
                 std::string_view("aeiou").find(adj[adj.size() - 2]) == std::string_view::npos)
            stem.back() = 'i';
        // Both forms: "waster" and "wester" alone are other words.
        if (s.american.count(stem + "er") && s.american.count(stem + "est"))
            stems.insert(WordUtils::UpperKey(stem));
    }
    std::string out = "\n";
    for (const std::string &k : stems)
        out += k + '\n';
    return out;
}

// American spelling = British spelling; -ize/-ise pairs are optional (";").
std::string SpellingVariants(const TFormSources &s)
{
    const std::pair<const char *, const char *> patterns[] = {
        {"our", "or"},    {"ise", "ize"}, {"isation", "ization"},
        {"yse", "yze"},   {"tre", "ter"}, {"ogue", "og"},
        {"ll", "l"},      {"ae", "e"},    {"oe", "e"},
        {"ence", "ense"}, {"mme", "m"}};
    std::map<std::string, std::string> pairs;
    for (const std::string &brit : s.british) {
        if (s.american.count(brit) || brit.find_first_of("'=\n;") != std::string::npos)
            continue;
        for (const auto &[from, to] : patterns) {
            for (std::size_t at = brit.find(from); at != std::string::npos;
                 at = brit.find(from, at + 1)) {
                std::string amer = brit;
                amer.replace(at, std::strlen(from), to);
                if (s.american.count(amer) && !s.british.count(amer) && !pairs.count(amer)) {
                    const bool optional = std::string_view(from).find("is") == 0;
                    pairs[amer] = optional ? ";" + brit : brit;
                }
            }
        }
    }
    std::string out;
    for (const auto &[amer, brit] : pairs)
        out += amer + '=' + brit + '\n';
    return out;
}

// The adverbs' forms join the adjectives' (well: better, best), so that one list serves both;
// an adverb in -ly is left out, as its forms would hide the adjective's (deeper: deep).
TFormLines AdjectivesAndAdverbs(const TFormSources &s)
{
    TFormLines lines = ReadExceptions(s.adjExc);
    for (const auto &[base, forms] : ReadExceptions(s.advExc)) {
        if (EndsWith(base, "ly"))
            continue;
        std::vector<std::string> &line = lines[base];
        for (const std::string &f : forms)
            if (std::find(line.begin(), line.end(), f) == line.end())
                line.push_back(f);
    }
    return lines;
}

std::string Keys(const std::set<std::string> &keys)
{
    std::string out = "\n";
    for (const std::string &k : keys)
        out += k + '\n';
    return out;
}

} // namespace

TFormLines ReadExceptions(std::string_view text)
{
    TFormLines forms;
    ForEachLine(text, [&](std::string_view line) {
        const std::vector<std::string_view> f = SplitOn(Trim(line), ' ');
        if (f.size() < 2)
            return;
        const std::string form = ReplaceAll(std::string(f[0]), '_', ' ');
        for (std::size_t i = 1; i < f.size(); ++i) {
            const std::string base = ReplaceAll(std::string(f[i]), '_', ' ');
            if (!base.empty() && base != form)
                forms[base].push_back(form);
        }
    });
    return forms;
}

bool EndsWith(std::string_view s, std::string_view tail)
{
    return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

std::string JoinLines(const TFormLines &lines)
{
    std::string out = "\n";
    for (const auto &[base, fields] : lines) {
        out += base;
        for (const std::string &f : fields)
            out += ',' + f;
        out += '\n';
    }
    return out;
}

std::array<std::string, 7> BuildFormStrings(const TFormSources &sources)
{
    const TVerbLines verbs = VerbLines(ReadExceptions(sources.verbExc), sources);
    return {JoinLines(NounLines(ReadExceptions(sources.nounExc), sources)),
            JoinLines(verbs.lines),
            AdjectiveExceptions(AdjectivesAndAdverbs(sources)),
            ComparableStems(sources),
            Keys(verbs.doubling),
            Keys(verbs.britishDoubling),
            SpellingVariants(sources)};
}

namespace {

struct TPhone
{
    const char *arpabet;
    const char *code;
    bool vowel;
};

const TPhone Phones[] = {
    {"AA", "\xE4", true}, {"AE", "a", true},    {"AH", "u", true},    {"AO", "o", true},
    {"AW", "W", true},    {"AY", "I", true},    {"EH", "e", true},    {"ER", "R", true},
    {"EY", "A", true},    {"IH", "i", true},    {"IY", "\xEB", true}, {"OW", "O", true},
    {"OY", "Y", true},    {"UH", "\xFB", true}, {"UW", "\xF6", true}, {"B", "b", false},
    {"CH", "C", false},   {"D", "d", false},    {"DH", "D", false},   {"F", "f", false},
    {"G", "g", false},    {"HH", "h", false},   {"JH", "j", false},   {"K", "k", false},
    {"L", "l", false},    {"M", "m", false},    {"N", "n", false},    {"NG", "N", false},
    {"P", "p", false},    {"R", "r", false},    {"S", "s", false},    {"SH", "S", false},
    {"T", "t", false},    {"TH", "T", false},   {"V", "v", false},    {"W", "w", false},
    {"Y", "y", false},    {"Z", "z", false},    {"ZH", "Z", false}};

// Consonant clusters that may open a syllable, so that stress marks go before them.
const char *const Onsets[] = {"pl", "pr", "bl", "br", "tr", "dr",  "kl",  "kr",  "gl",  "gr",
                              "fl", "fr", "Tr", "Sr", "sp", "st",  "sk",  "sm",  "sn",  "sl",
                              "sw", "tw", "dw", "kw", "gw", "spl", "spr", "str", "skr", "skw",
                              "py", "by", "ky", "gy", "my", "fy",  "vy",  "hy"};

} // namespace

std::string PronunciationCodes(std::string_view arpabet)
{
    struct TUnit
    {
        std::string code;
        bool vowel;
        int stress;
    };
    std::vector<TUnit> units;
    for (std::string_view phone : SplitOn(Trim(arpabet), ' ')) {
        if (phone.empty())
            continue;
        int stress = -1;
        if (std::isdigit(static_cast<unsigned char>(phone.back()))) {
            stress = phone.back() - '0';
            phone.remove_suffix(1);
        }
        const auto it = std::find_if(std::begin(Phones), std::end(Phones),
                                     [&](const TPhone &p) { return phone == p.arpabet; });
        if (it == std::end(Phones))
            return {};
        // An unstressed AH is the schwa; a stressed one the vowel of "up".
        std::string code = it->code;
        if (phone == "AH" && stress > 0)
            code = "\xFA";
        units.push_back({code, it->vowel, stress});
    }
    const bool oneVowel =
        std::count_if(units.begin(), units.end(), [](const TUnit &u) { return u.vowel; }) == 1;
    std::string out;
    std::size_t done = 0; // units already written
    for (std::size_t i = 0; i < units.size(); ++i) {
        if (!units[i].vowel || units[i].stress <= 0 || oneVowel)
            continue;
        // The syllable starts at the longest permitted onset before the vowel.
        std::size_t start = i;
        while (start > done && !units[start - 1].vowel)
            --start;
        std::size_t onset = i;
        for (std::size_t s = start; s < i; ++s) {
            std::string cluster;
            for (std::size_t k = s; k < i; ++k)
                cluster += units[k].code;
            const bool allowed = i - s == 1 || std::find_if(std::begin(Onsets), std::end(Onsets),
                                                            [&](const char *o) {
                                                                return cluster == o;
                                                            }) != std::end(Onsets);
            if (allowed && units[s].code != "N") {
                onset = s;
                break;
            }
        }
        for (; done < onset; ++done)
            out += units[done].code;
        out += units[i].stress == 1 ? '\'' : '`';
    }
    for (; done < units.size(); ++done)
        out += units[done].code;
    return out;
}
