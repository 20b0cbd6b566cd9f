#include "WordLevels.h"

#include "TextUtils.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <stdexcept>

void TWordLevels::LoadFolder(const std::string &folder)
{
    static const std::regex name("(english|american)-(words|contractions|upper|proper-names|"
                                 "abbreviations)\\.([0-9]+)");
    std::vector<std::filesystem::path> lists;
    std::error_code error;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error))
        lists.push_back(entry.path());
    // Directory order is the file system's; sorted, the same folder always reads the same way.
    std::sort(lists.begin(), lists.end());
    bool any = false;
    for (const std::filesystem::path &path : lists) {
        std::smatch m;
        const std::string file = path.filename().string();
        if (!std::regex_match(file, m, name))
            continue;
        AddList(ReadWholeFile(path.string()), m[2].str(), std::stoi(m[3].str()));
        any = true;
    }
    if (!any)
        throw std::runtime_error("no SCOWL word lists in " + folder);
}

void TWordLevels::AddList(std::string_view text, std::string_view category, int level)
{
    const bool abbreviation = category == "abbreviations";
    const bool name = category == "proper-names";
    ForEachLine(text, [&](std::string_view line) {
        line = Trim(line);
        if (line.empty())
            return;
        const auto [it, added] = levels_.emplace(line, level);
        if (!added)
            it->second = std::min(it->second, level);
        std::string lower = ToLowerAscii(line);
        if (abbreviation)
            abbreviations_.insert(std::move(lower));
        else if (name)
            names_.insert(std::move(lower));
        else
            words_.insert(std::move(lower));
    });
}

int TWordLevels::Level(std::string_view spelling) const
{
    if (const auto it = levels_.find(spelling); it != levels_.end())
        return it->second;
    if (const auto it = levels_.find(ToLowerAscii(spelling)); it != levels_.end())
        return it->second;
    return kUnknown;
}

int TWordLevels::PhraseLevel(std::string_view phrase) const
{
    int level = 0;
    for (const std::string_view word : SplitOn(phrase, ' '))
        if (!word.empty())
            level = std::max(level, Level(word));
    return level;
}

bool TWordLevels::IsAbbreviation(std::string_view lower) const
{
    return abbreviations_.count(lower) > 0 && words_.count(lower) == 0 && names_.count(lower) == 0;
}

bool TWordLevels::IsName(std::string_view lower) const
{
    return names_.count(lower) > 0;
}
