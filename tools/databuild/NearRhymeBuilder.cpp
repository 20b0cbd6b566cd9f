#include "NearRhymeBuilder.h"

#include "TextUtils.h"

#include "NearRhymes.h"

#include <algorithm>
#include <filesystem>
#include <regex>
#include <stdexcept>
#include <vector>

namespace {

bool IsGroupKey(std::string_view key)
{
    return !key.empty() && key.front() >= 'A' && key.front() <= 'Z' &&
           key.find('[') == std::string_view::npos;
}

} // namespace

void TNearRhymeBuilder::LoadLevels(const std::string &folder)
{
    static const std::regex name(R"((english|american)-words\.([0-9]+))");
    if (folder.empty())
        return;
    std::error_code error;
    std::vector<std::filesystem::path> files;
    for (const auto &entry : std::filesystem::directory_iterator(folder, error))
        files.push_back(entry.path());
    if (error)
        throw std::runtime_error(folder + ": " + error.message());
    std::sort(files.begin(), files.end()); // the result must not depend on the folder's order
    for (const auto &file : files) {
        std::smatch match;
        const std::string fileName = file.filename().string();
        if (std::regex_match(fileName, match, name))
            AddLevels(ReadWholeFile(file.string()), std::stoi(match[2]));
    }
}

void TNearRhymeBuilder::AddLevels(std::string_view wordList, int level)
{
    ForEachLine(wordList, [&](std::string_view line) {
        const std::string_view word = Trim(line);
        if (word.empty())
            return;
        auto [it, added] = levels_.emplace(std::string(word), level);
        if (!added)
            it->second = std::min(it->second, level);
    });
}

int TNearRhymeBuilder::LevelOf(std::string_view word) const
{
    const auto it = levels_.find(word);
    return it == levels_.end() ? kUnlisted : it->second;
}

TNearRhymeBuilder::TEntries TNearRhymeBuilder::Entries(const TEntries &rdict) const
{
    TEntries out;
    std::map<int, std::string> byVowels;
    for (const auto &[key, value] : rdict) {
        const int vowels = NearRhymes::VowelCount(key);
        if (!IsGroupKey(key) || vowels < 1)
            continue;
        std::vector<std::pair<int, std::string>> words; // stable: the group's order breaks ties
        for (const std::string_view word : SplitOn(value, '#'))
            if (!word.empty())
                words.emplace_back(LevelOf(word), std::string(word));
        std::stable_sort(words.begin(), words.end(),
                         [](const auto &x, const auto &y) { return x.first < y.first; });
        std::string list;
        for (const auto &[level, word] : words)
            list += (list.empty() ? "" : "#") + word + "@" + std::to_string(level);
        if (list.empty())
            continue;
        out[key] = list;
        std::string &index = byVowels[vowels];
        index += (index.empty() ? "" : "#") + key;
    }
    // The lookup reads "@1", "@2", ... up to the first missing count.
    for (int vowels = 1; byVowels.count(vowels); ++vowels)
        out["@" + std::to_string(vowels)] = byVowels[vowels];
    return out;
}
