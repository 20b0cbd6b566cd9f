#include "SyllableEntries.h"

#include "CmuDictionary.h"
#include "DIAnsiStringHash.h"
#include "SyllableTable.h"

#include <QString>

#include <algorithm>
#include <string_view>

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

using TEntries = std::map<std::string, std::string, std::less<>>;

// Drops the plain words that the counter, without their entry, would count and scan the same
// way: the rule gets them right and their stress falls on the first syllable. Words with an
// apostrophe or a hyphen stay, as without an entry they would be looked up in parts.
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
        if (!std::all_of(word.begin(), word.end(), IsLetter))
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
        std::string stress = TSyllableTable::StressDigits(pronunciations.front());
        if (!stress.empty())
            entries.emplace(word, std::move(stress));
    }
    DropWhatTheRuleGives(entries);
    return entries;
}
