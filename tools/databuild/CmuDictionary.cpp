#include "CmuDictionary.h"

#include "TextUtils.h"

namespace {

struct TVariant
{
    std::string word;
    int number = 1; // 1 for the plain entry, n for word(n)
};

TVariant SplitVariant(std::string_view key)
{
    const std::size_t open = key.find('(');
    if (open == std::string_view::npos || key.back() != ')')
        return {std::string(key), 1};
    const std::string_view digits = key.substr(open + 1, key.size() - open - 2);
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return {std::string(key), 1};
    return {std::string(key.substr(0, open)), std::stoi(std::string(digits))};
}

// The text between the next pair of double quotes from pos; pos moves past the closing one.
std::string_view NextQuoted(std::string_view line, std::size_t &pos)
{
    const std::size_t open = line.find('"', pos);
    if (open == std::string_view::npos)
        return {};
    const std::size_t close = line.find('"', open + 1);
    if (close == std::string_view::npos)
        return {};
    pos = close + 1;
    return line.substr(open + 1, close - open - 1);
}

} // namespace

void TCmuDictionary::Parse(std::string_view text)
{
    // Variants may in principle come before the plain entry, so collect them by number first.
    std::map<std::string, std::map<int, std::string>, std::less<>> byNumber;
    ForEachLine(text, [&](std::string_view line) {
        std::size_t pos = 0;
        const std::string_view key = NextQuoted(line, pos);
        std::string_view phones = NextQuoted(line, pos);
        if (key.empty() || phones.empty())
            return;
        phones = Trim(phones.substr(0, phones.find('#')));
        if (phones.empty())
            return;
        TVariant variant = SplitVariant(key);
        byNumber[variant.word][variant.number] = std::string(phones);
    });
    for (auto &[word, variants] : byNumber) {
        std::vector<std::string> &list = entries_[word];
        for (auto &[number, phones] : variants)
            list.push_back(std::move(phones));
    }
}

const std::vector<std::string> *TCmuDictionary::Find(std::string_view word) const
{
    const auto it = entries_.find(word);
    return it == entries_.end() ? nullptr : &it->second;
}
