#include "RankedList.h"

#include "TextUtils.h"

#include <algorithm>
#include <vector>

void TRankedList::Add(std::string_view item, int syllables)
{
    const auto [it, added] = items_.emplace(item, syllables);
    if (!added)
        it->second = std::min(it->second, syllables);
}

std::string TRankedList::Join() const
{
    std::vector<std::pair<int, std::string_view>> order;
    order.reserve(items_.size());
    for (const auto &[item, syllables] : items_)
        order.emplace_back(syllables, item);
    std::sort(order.begin(), order.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first < b.first : AlphaLess(a.second, b.second);
    });
    std::string out;
    for (const auto &[syllables, item] : order) {
        if (!out.empty())
            out.push_back('#');
        out += item;
    }
    return out;
}
