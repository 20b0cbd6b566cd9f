#include "RankedList.h"

#include "TextUtils.h"

#include <algorithm>
#include <tuple>
#include <vector>

void TRankedList::Add(std::string_view item, int syllables, int level, bool offensive)
{
    const auto [it, added] = items_.emplace(item, TRank{syllables, level, offensive});
    if (added)
        return;
    it->second.syllables = std::min(it->second.syllables, syllables);
    it->second.level = std::min(it->second.level, level);
    it->second.offensive = it->second.offensive || offensive;
}

bool TRankedList::HasOffensive() const
{
    return std::any_of(items_.begin(), items_.end(),
                       [](const auto &item) { return item.second.offensive; });
}

std::string TRankedList::Join(bool withOffensive) const
{
    std::vector<std::pair<const TRank *, std::string_view>> order;
    order.reserve(items_.size());
    for (const auto &[item, rank] : items_)
        if (withOffensive || !rank.offensive)
            order.emplace_back(&rank, item);
    std::sort(order.begin(), order.end(), [](const auto &a, const auto &b) {
        if (std::tie(a.first->syllables, a.first->level) !=
            std::tie(b.first->syllables, b.first->level))
            return std::tie(a.first->syllables, a.first->level) <
                   std::tie(b.first->syllables, b.first->level);
        return AlphaLess(a.second, b.second);
    });
    std::string out;
    for (const auto &entry : order) {
        if (!out.empty())
            out.push_back('#');
        out += entry.second;
    }
    return out;
}
