#include "FormLines.h"

#include "WordMorpher.h"
#include "WordUtils.h"

#include <algorithm>

namespace {

// Verbs whose past and past participle are the base itself.
const std::set<std::string, std::less<>> BasePast = {
    "beset",      "bet",       "bid",      "broadcast", "burst",    "bust",     "cast",
    "clear-cut",  "cost",      "cut",      "forecast",  "hit",      "hurt",     "input",
    "inset",      "let",       "lip-read", "miscast",   "misread",  "offset",   "outbid",
    "output",     "overbid",   "preset",   "proofread", "put",      "quit",     "read",
    "recast",     "reread",    "reset",    "rid",       "set",      "shed",     "shut",
    "sight-read", "simulcast", "slit",     "spit",      "split",    "spread",   "sublet",
    "telecast",   "thrust",    "typecast", "typeset",   "undercut", "underbid", "upset",
    "wet"};

// Verbs whose regular forms are the usual English; their irregular ones are alternatives.
const std::set<std::string, std::less<>> RegularFirst = {
    "address", "arc",       "begird",  "bestrew",   "bless",    "burn",     "bypass",   "chide",
    "clothe",  "curse",     "dive",    "dream",     "foreshow", "geld",     "gild",     "gird",
    "gnaw",    "heave",     "hew",     "lean",      "leap",     "learn",    "melt",     "misspell",
    "mow",     "overflow",  "oversew", "overspill", "plead",    "prove",    "resew",    "saw",
    "sew",     "shave",     "show",    "smell",     "sneak",    "sow",      "spell",    "spill",
    "spoil",   "spotlight", "strew",   "swell",     "thrive",   "transfix", "unclothe", "undergird",
    "unlearn", "whipsaw",   "work"};

// Irregular verbs that English also inflects regularly, in some senses or regions.
const std::set<std::string, std::less<>> RegularToo = {
    "abide",   "awake", "beseech", "dwell", "floodlight", "hang",  "interweave",
    "inweave", "kneel", "lie",     "light", "outshine",   "shine", "slink",
    "speed",   "stave", "strive",  "wake",  "weave"};

// The second part of a hyphenated verb that leaves the first part to inflect ("give-up").
const std::set<std::string, std::less<>> Particles = {"about", "along", "around",  "away", "back",
                                                      "by",    "down",  "in",      "off",  "on",
                                                      "out",   "over",  "through", "up"};

bool IsListed(const TFormSources &s, const std::string &word)
{
    return s.american.count(word) || s.british.count(word);
}

bool HasVowel(std::string_view s, char v)
{
    return s.find(v) != std::string_view::npos;
}

// Irregular verb forms sorted into past, past participle, present participle, third person.
std::vector<std::string> VerbFields(const std::string &base, std::vector<std::string> forms)
{
    std::string prp, third;
    std::vector<std::string> past;
    for (const std::string &f : forms) {
        if (f == "am" || f == "are") // present forms of "be", not its past
            continue;
        if (EndsWith(f, "ing") && prp.empty())
            prp = f;
        else if (third.empty() && (f == "has" || f == "is" ||
                                   (EndsWith(f, "s") && !EndsWith(f, "ss") &&
                                    f.compare(0, base.size() > 1 ? base.size() - 1 : 1, base, 0,
                                              base.size() > 1 ? base.size() - 1 : 1) == 0 &&
                                    f.size() > base.size())))
            third = f;
        else
            past.push_back(f);
    }
    if (base == "be")
        prp = "being"; // the only verb whose participle the regular rule gets wrong ("bing")
    std::string pastForm, participle;
    std::vector<std::string> more;
    if (past.size() >= 2) {
        // sang/sung, began/begun: the u-form is the participle; else a form in -n.
        auto isParticiple = [&](const std::string &f) {
            for (const std::string &other : past)
                if (&other != &f && HasVowel(f, 'u') && !HasVowel(other, 'u') &&
                    HasVowel(other, 'a'))
                    return true;
            return EndsWith(f, "n") || EndsWith(f, "ne");
        };
        for (const std::string &f : past) {
            if (participle.empty() && isParticiple(f))
                participle = f;
            else if (pastForm.empty())
                pastForm = f;
            else
                more.push_back(f);
        }
        if (pastForm.empty()) {
            pastForm = participle;
            participle.clear();
        }
    } else if (!past.empty()) {
        pastForm = past[0];
        // run/ran/run, come/came/come: the participle is the base, which the list leaves out.
        std::size_t differences = 0, at = 0;
        for (std::size_t i = 0; pastForm.size() == base.size() && i < base.size(); ++i)
            if (pastForm[i] != base[i])
                ++differences, at = i;
        if (differences == 1 && pastForm[at] == 'a' && (base[at] == 'u' || base[at] == 'o'))
            participle = base;
    }
    if (pastForm.empty() && participle.empty() && prp.empty() && third.empty())
        return {};
    std::vector<std::string> fields{pastForm, participle, prp, third};
    fields.insert(fields.end(), more.begin(), more.end());
    while (fields.back().empty())
        fields.pop_back();
    return fields;
}

// The regular forms of base ("past,,ing,s"), with room for alternatives after them.
std::vector<std::string> RegularFields(const TWordMorpher &plain, const std::string &base)
{
    return {plain.Inflect(base, WordUtils::fkPast), "",
            plain.Inflect(base, WordUtils::fkPresentParticiple),
            plain.Inflect(base, WordUtils::fkThirdPerson)};
}

// show,shown -> show,showed,shown,showing,shows; work,wrought -> work,worked,,...,wrought.
// An irregular form in -n that is listed stays the participle; the others are alternatives.
std::vector<std::string> RegularThenIrregular(const TWordMorpher &plain, const std::string &base,
                                              const std::vector<std::string> &irregular,
                                              const TFormSources &s)
{
    std::vector<std::string> fields = RegularFields(plain, base);
    const std::string stem = base.back() == 'e' ? base.substr(0, base.size() - 1) : base;
    std::vector<std::string> alternatives;
    for (std::size_t i = 0; i < irregular.size(); ++i) {
        const std::string &f = irregular[i];
        if (f.empty() || i == 2 || i == 3)
            continue;
        const bool participle = f == base + "n" || f == stem + "en";
        if (participle && fields[1].empty() && IsListed(s, f))
            fields[1] = f;
        else
            alternatives.push_back(f);
    }
    fields.insert(fields.end(), alternatives.begin(), alternatives.end());
    return fields;
}

// coordinate: coordinating before co-ordinating. A form the word lists lack gives way to the
// regular one they know; it stays an alternative.
void UnlistedToAlternatives(const TWordMorpher &plain, const std::string &base,
                            std::vector<std::string> &fields, const TFormSources &s)
{
    const int kinds[] = {WordUtils::fkPast, WordUtils::fkPastParticiple,
                         WordUtils::fkPresentParticiple, WordUtils::fkThirdPerson};
    std::vector<std::string> alternatives;
    // slide: slid, not slidden, when the lists know the past and not the participle.
    if (fields.size() > 1 && !fields[1].empty() && !IsListed(s, fields[1]) &&
        IsListed(s, fields[0])) {
        alternatives.push_back(fields[1]);
        fields[1].clear();
    }
    for (std::size_t i = 0; i < 4 && i < fields.size(); ++i) {
        const std::string regular = plain.Inflect(base, kinds[i]);
        if (fields[i].empty() || fields[i] == regular || IsListed(s, fields[i]) ||
            !IsListed(s, regular))
            continue;
        alternatives.push_back(fields[i]);
        fields[i] = i == 1 && fields[0] == regular ? std::string() : regular;
    }
    if (alternatives.empty())
        return;
    fields.resize(std::max<std::size_t>(fields.size(), 4));
    fields.insert(fields.end(), alternatives.begin(), alternatives.end());
}

// cut,,cutting,cuts and any other forms WordNet gives (bet: betted; spit: spat).
std::vector<std::string> BasePastFields(const TWordMorpher &plain, const std::string &base,
                                        const std::vector<std::string> &listed)
{
    std::vector<std::string> fields = RegularFields(plain, base);
    fields[0] = base;
    for (const std::string &f : listed) {
        if (EndsWith(f, "ing"))
            fields[2] = f;
        else if (f != fields[3])
            fields.push_back(f);
    }
    return fields;
}

// Whether the single consonant is the usual American spelling (traveled, benefited).
bool AmericanSingle(const std::string &base, const std::set<std::string> &american)
{
    if (!american.count(base + "ed"))
        return false;
    return base.back() == 'l' || (american.count(base + "ing") && !american.count(base + "e"));
}

std::string InflectHyphenated(const TWordMorpher &m, const std::string &word, int kind)
{
    const std::size_t first = word.find('-'), last = word.rfind('-');
    if (Particles.count(std::string_view(word).substr(last + 1))) {
        const std::string head = m.Inflect(word.substr(0, first), kind);
        return head.empty() ? head : head + word.substr(first);
    }
    const std::string tail = m.Inflect(word.substr(last + 1), kind);
    return tail.empty() ? tail : word.substr(0, last + 1) + tail;
}

// spoon-feed -> spoon-fed, hop-skip -> hop-skipped, give-up (the ghost) -> gave-up: lines for
// the hyphenated words whose parts the rules would not inflect.
void AddHyphenated(TVerbLines &out, const TFormSources &s)
{
    TWordMorpher::TFormStrings strings;
    strings[TWordMorpher::fsVerbExceptions] = JoinLines(out.lines);
    for (const auto &[list, keys] :
         {std::pair{TWordMorpher::fsDoublingVerbs, &out.doubling},
          std::pair{TWordMorpher::fsBritishDoublingVerbs, &out.britishDoubling}}) {
        strings[list] = "\n";
        for (const std::string &k : *keys)
            strings[list] += k + '\n';
    }
    TWordMorpher morpher;
    morpher.British = false;
    morpher.SetStrings(std::move(strings));
    for (const std::string &verb : s.verbs) {
        const std::string word = verb.substr(0, verb.find(' '));
        const std::size_t hyphen = word.find('-');
        const std::string key = WordUtils::UpperKey(word);
        if (hyphen == std::string::npos || hyphen == 0 || word.back() == '-' ||
            out.lines.count(word) || out.doubling.count(key) || out.britishDoubling.count(key))
            continue;
        std::vector<std::string> fields;
        bool differs = false;
        for (int kind : {WordUtils::fkPast, WordUtils::fkPastParticiple,
                         WordUtils::fkPresentParticiple, WordUtils::fkThirdPerson}) {
            fields.push_back(InflectHyphenated(morpher, word, kind));
            differs |= fields.back() != morpher.Inflect(word, kind);
        }
        if (!differs || std::find(fields.begin(), fields.end(), "") != fields.end())
            continue;
        if (fields[1] == fields[0])
            fields[1].clear();
        out.lines[word] = fields;
    }
}

} // namespace

TVerbLines VerbLines(const TFormLines &exceptions, const TFormSources &s)
{
    TVerbLines out;
    const TWordMorpher plain; // the regular rules alone
    for (const auto &[base, all] : exceptions) {
        if (base.find(',') != std::string::npos || base.size() < 2)
            continue;
        const char last = base.back();
        const std::string doubled = base + last;
        bool doubles = false, irregular = false;
        for (const std::string &f : all) {
            const bool regular = f == doubled + "ed" || f == doubled + "ing" || f == doubled + "es";
            doubles |= regular;
            irregular |= !regular;
        }
        if (BasePast.count(base))
            continue;
        if (doubles)
            (AmericanSingle(base, s.american) ? out.britishDoubling : out.doubling)
                .insert(WordUtils::UpperKey(base));
        if (!irregular)
            continue;
        // run/ran/running: an irregular verb keeps its doubled forms in its line.
        std::vector<std::string> fields = VerbFields(base, all);
        if (fields.empty())
            continue;
        const std::string regular = plain.Inflect(base, WordUtils::fkPast);
        if (RegularFirst.count(base) && IsListed(s, regular)) {
            fields = RegularThenIrregular(plain, base, fields, s);
        } else {
            UnlistedToAlternatives(plain, base, fields, s);
            if (RegularToo.count(base) && IsListed(s, regular) &&
                std::find(fields.begin(), fields.end(), regular) == fields.end()) {
                fields.resize(std::max<std::size_t>(fields.size(), 4));
                fields.push_back(regular);
            }
        }
        out.lines[base] = fields;
    }
    for (const std::string &base : BasePast) {
        const auto it = exceptions.find(base);
        if (it == exceptions.end() && !std::binary_search(s.verbs.begin(), s.verbs.end(), base))
            continue;
        out.lines[base] = BasePastFields(
            plain, base, it == exceptions.end() ? std::vector<std::string>() : it->second);
    }
    AddHyphenated(out, s);
    return out;
}
