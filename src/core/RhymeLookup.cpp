#include "RhymeLookup.h"

#include <set>

namespace {

constexpr std::string_view kWithOffensive = "[O]";
constexpr std::string_view kLaterStresses = "[S]";

template <typename F> void ForEachItem(std::string_view list, F &&f)
{
    std::size_t begin = 0;
    while (begin < list.size()) {
        std::size_t end = list.find('#', begin);
        if (end == std::string_view::npos)
            end = list.size();
        if (end > begin)
            f(list.substr(begin, end - begin));
        begin = end + 1;
    }
}

std::string Joined(std::string_view key, std::string_view suffix)
{
    std::string out(key);
    out += suffix;
    return out;
}

} // namespace

TRhymeLookup::TRhymeLookup(const TDIAnsiStringHash &rhymes, const TDIAnsiStringHash *lines,
                           bool showOffensive)
    : rhymes_(rhymes), lines_(lines), showOffensive_(showOffensive)
{}

std::string TRhymeLookup::GroupOf(std::string_view word, std::string_view fallback) const
{
    std::string_view group = rhymes_.Lookup(word);
    if (group.empty() && !fallback.empty())
        group = rhymes_.Lookup(fallback);
    return std::string(group);
}

std::vector<std::string> TRhymeLookup::Groups(std::string_view group) const
{
    if (group.empty())
        return {};
    std::vector<std::string> groups = {std::string(group)};
    ForEachItem(rhymes_.Lookup(Joined(group, kLaterStresses)),
                [&](std::string_view later) { groups.emplace_back(later); });
    return groups;
}

std::string TRhymeLookup::ListValue(const TDIAnsiStringHash &list, std::string_view key,
                                    bool showOffensive)
{
    if (showOffensive)
        if (const std::string_view whole = list.Lookup(Joined(key, kWithOffensive)); !whole.empty())
            return std::string(whole);
    return std::string(list.Lookup(key));
}

std::string TRhymeLookup::Merged(const TDIAnsiStringHash &list, std::string_view group,
                                 std::string_view suffix) const
{
    const std::vector<std::string> groups = Groups(group);
    if (groups.size() <= 1)
        return ListValue(list, Joined(group, suffix), showOffensive_);
    std::string out;
    std::set<std::string, std::less<>> seen;
    for (const std::string &key : groups)
        ForEachItem(ListValue(list, key + std::string(suffix), showOffensive_),
                    [&](std::string_view item) {
                        if (!seen.emplace(item).second)
                            return;
                        if (!out.empty())
                            out.push_back('#');
                        out += item;
                    });
    return out;
}

std::string TRhymeLookup::Rhymes(std::string_view group) const
{
    return Merged(rhymes_, group, {});
}

std::string TRhymeLookup::Phrases(std::string_view group) const
{
    return Merged(rhymes_, group, "[P]");
}

std::string TRhymeLookup::Lines(std::string_view group) const
{
    return lines_ ? Merged(*lines_, group, {}) : std::string();
}
