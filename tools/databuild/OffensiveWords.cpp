#include "OffensiveWords.h"

#include "TextUtils.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::array<std::string_view, 3> kDomains = {"ethnic_slur", "obscenity", "disparagement"};

// Slurs and obscenities whose other senses are harmless or rare; WordNet marks only some of their
// senses, and a songwriter meets them as the slur.
constexpr std::array<std::string_view, 22> kMarkedInSomeSenses = {
    "asshole", "bullshit", "chinaman", "chink", "cocksucker", "coon",   "dyke",  "fag",
    "faggot",  "fuck",     "fucking",  "gook",  "half-breed", "kaffir", "kafir", "pouf",
    "sheeny",  "shit",     "spic",     "spick", "whoreson",   "wetback"};

std::string Lemma(std::string_view word)
{
    if (word.ends_with(')'))
        if (const std::size_t open = word.rfind('('); open != std::string_view::npos && open > 0)
            word = word.substr(0, open);
    return ToLowerAscii(word);
}

bool IsWordByte(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '\'' || c == '-';
}

} // namespace

void TOffensiveWords::AddWordNetData(std::string_view dataFile, char pos)
{
    ForEachLine(dataFile, [&](std::string_view line) {
        if (line.empty() || line.front() == ' ')
            return; // the licence header
        const std::vector<std::string_view> f = SplitOn(line, ' ');
        if (f.size() < 4)
            return;
        const std::size_t count = std::stoul(std::string(f[3]), nullptr, 16);
        if (f.size() < 5 + 2 * count)
            return;
        std::vector<std::string> words;
        for (std::size_t i = 0; i < count; ++i) {
            words.push_back(Lemma(f[4 + 2 * i]));
            ++senses_[words.back()];
        }
        const std::string self = std::string(f[0]) + pos;
        if (pos == 'n' &&
            std::find(kDomains.begin(), kDomains.end(), words.front()) != kDomains.end())
            domains_.insert(self);
        const std::size_t pointers = std::stoul(std::string(f[4 + 2 * count]));
        for (std::size_t p = 0, at = 5 + 2 * count; p < pointers && at + 3 < f.size();
             ++p, at += 4) {
            if (f[at] != ";u")
                continue;
            // Source/target "0000" marks the whole synset, else the source word's number.
            const std::size_t source = std::stoul(std::string(f[at + 3].substr(0, 2)), nullptr, 16);
            TMark mark{self, std::string(f[at + 1]) + std::string(f[at + 2]), {}};
            if (source == 0)
                mark.words = words;
            else if (source <= words.size())
                mark.words = {words[source - 1]};
            marks_.push_back(std::move(mark));
        }
    });
}

void TOffensiveWords::Finish()
{
    // A synset may point to two of the domains (ethnic slur and disparagement): one sense.
    std::set<std::pair<std::string, std::string>> markedSenses;
    for (const TMark &mark : marks_)
        if (domains_.count(mark.domain))
            for (const std::string &word : mark.words)
                markedSenses.emplace(word, mark.synset);
    std::map<std::string, int, std::less<>> marked;
    for (const auto &sense : markedSenses)
        ++marked[sense.first];
    for (const auto &[word, count] : marked) {
        const bool everySense = count >= senses_[word];
        const bool known = std::find(kMarkedInSomeSenses.begin(), kMarkedInSomeSenses.end(),
                                     word) != kMarkedInSomeSenses.end();
        if (everySense || known) {
            offensive_.insert(word);
            offensive_.insert(ReplaceAll(word, '_', ' '));
        }
    }
    marks_.clear();
}

bool TOffensiveWords::IsOffensive(std::string_view word) const
{
    const std::string lower = ToLowerAscii(word);
    if (offensive_.count(lower))
        return true;
    // Plurals and possessives of the listed singulars (wops, kike's).
    for (const std::string_view ending : {"'s", "s'", "s"})
        if (lower.size() > ending.size() + 2 && lower.ends_with(ending) &&
            offensive_.count(lower.substr(0, lower.size() - ending.size())))
            return true;
    return false;
}

bool TOffensiveWords::HasOffensiveWord(std::string_view text) const
{
    if (IsOffensive(text))
        return true;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && !IsWordByte(text[i]))
            ++i;
        std::size_t end = i;
        while (end < text.size() && IsWordByte(text[end]))
            ++end;
        std::string_view word = text.substr(i, end - i);
        while (!word.empty() && (word.back() == '\'' || word.back() == '-'))
            word.remove_suffix(1);
        if (!word.empty() && IsOffensive(word))
            return true;
        i = end;
    }
    return false;
}
