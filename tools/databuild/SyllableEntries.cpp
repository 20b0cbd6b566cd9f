#include "SyllableEntries.h"

#include "CmuDictionary.h"
#include "DIAnsiStringHash.h"
#include "SyllableTable.h"

#include <QString>

#include <algorithm>
#include <string_view>
#include <vector>

namespace {

bool IsLetter(char ch)
{
    return ch >= 'a' && ch <= 'z';
}

bool IsEditorWord(std::string_view word)
{
    return !word.empty() && IsLetter(word.front()) && IsLetter(word.back()) &&
           std::all_of(word.begin(), word.end(),
                       [](char ch) { return IsLetter(ch) || ch == '\'' || ch == '-'; });
}

// The stress digits of every pronunciation, the first first, each differing one once, joined
// by "#"; a pronunciation with no vowel sound is left out.
std::string StressesOf(const std::vector<std::string> &pronunciations)
{
    std::vector<std::string> seen;
    for (const std::string &phonemes : pronunciations) {
        std::string stress = TSyllableTable::StressDigits(phonemes);
        if (!stress.empty() && std::find(seen.begin(), seen.end(), stress) == seen.end())
            seen.push_back(std::move(stress));
    }
    std::string joined;
    for (const std::string &stress : seen)
        joined += (joined.empty() ? "" : "#") + stress;
    return joined;
}

using TEntries = std::map<std::string, std::string, std::less<>>;

// Drops the plain words of one pronunciation that the counter, without their entry, would count
// and scan the same way: the rule gets them right and their stress falls on the first syllable.
// Words with an apostrophe or a hyphen stay, as without an entry they would be looked up in
// parts, and so do words with a second pronunciation.
void DropWhatTheRuleGives(TEntries &entries)
{
    TDIWordListWriter writer;
    for (const auto &[word, stress] : entries)
        writer.Add(word, stress);
    TDIAnsiStringHash words;
    words.LoadFromBytes(writer.Bytes());
    const TSyllableTable rule, table(&words);
    std::erase_if(entries, [&](const auto &entry) {
        const std::string &word = entry.first;
        if (!std::all_of(word.begin(), word.end(), IsLetter) ||
            entry.second.find('#') != std::string::npos)
            return false;
        const QString text = QString::fromStdString(word);
        return rule.CountLine(text) == table.CountLine(text) &&
               rule.MeterOfLine(text) == table.MeterOfLine(text);
    });
}

} // namespace

TEntries SyllableEntries(const TCmuDictionary &cmu)
{
    TEntries entries;
    for (const auto &[word, pronunciations] : cmu.Entries()) {
        if (!IsEditorWord(word) || pronunciations.empty())
            continue;
        std::string stresses = StressesOf(pronunciations);
        if (!stresses.empty())
            entries.emplace(word, std::move(stresses));
    }
    DropWhatTheRuleGives(entries);
    return entries;
}
