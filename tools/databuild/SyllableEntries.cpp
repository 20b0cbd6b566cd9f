#include "SyllableEntries.h"

#include "CmuDictionary.h"
#include "SyllableTable.h"

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

} // namespace

std::map<std::string, std::string, std::less<>> SyllableEntries(const TCmuDictionary &cmu)
{
    std::map<std::string, std::string, std::less<>> entries;
    for (const auto &[word, pronunciations] : cmu.Entries()) {
        if (!IsEditorWord(word) || pronunciations.empty())
            continue;
        std::string stress = TSyllableTable::StressDigits(pronunciations.front());
        if (!stress.empty())
            entries.emplace(word, std::move(stress));
    }
    return entries;
}
