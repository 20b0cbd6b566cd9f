#include "LabelPlacer.h"

#include <algorithm>
#include <unordered_map>

namespace {

bool Overlap(const TMTRect &a, const TMTRect &b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// The accepted boxes, filed under every cell they touch.
class TBoxGrid
{
public:
    bool Free(const TMTRect &box) const
    {
        bool free = true;
        Cells(box, [&](qint64 key) {
            const auto found = cells_.find(key);
            if (found != cells_.end())
                for (const TMTRect &other : found->second)
                    free = free && !Overlap(box, other);
        });
        return free;
    }
    void Add(const TMTRect &box)
    {
        Cells(box, [&](qint64 key) { cells_[key].push_back(box); });
    }

private:
    template <typename Visit> static void Cells(const TMTRect &box, Visit visit)
    {
        const auto cell = [](int v) {
            return v >= 0 ? v / TLabelPlacer::CellSize : (v + 1) / TLabelPlacer::CellSize - 1;
        };
        for (int cy = cell(box.Top); cy <= cell(box.Bottom); ++cy)
            for (int cx = cell(box.Left); cx <= cell(box.Right); ++cx)
                visit(qint64(cy) << 32 ^ quint32(cx));
    }

    std::unordered_map<qint64, std::vector<TMTRect>> cells_;
};

// The label as painted: the text box and the one-pixel frame around it.
TMTRect Painted(const TMTNode &node)
{
    const TMTRect &r = node.TextRect;
    return {r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
}

} // namespace

void TLabelPlacer::Place(const std::vector<TMTNode *> &drawn, int focusX, int focusY)
{
    std::vector<std::pair<long long, TMTNode *>> order;
    order.reserve(drawn.size());
    for (TMTNode *node : drawn) {
        const long long dx = node->ScreenX - focusX, dy = node->ScreenY - focusY;
        order.emplace_back(dx * dx + dy * dy, node);
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    TBoxGrid placed;
    for (const auto &[distance, node] : order) {
        const TMTRect box = Painted(*node);
        node->LabelHidden = !placed.Free(box);
        if (!node->LabelHidden)
            placed.Add(box);
    }
}

int TLabelPlacer::OverlappingPairs(const std::vector<TMTNode *> &drawn)
{
    int pairs = 0;
    for (size_t i = 0; i < drawn.size(); ++i)
        for (size_t j = i + 1; j < drawn.size(); ++j)
            if (!drawn[i]->LabelHidden && !drawn[j]->LabelHidden &&
                Overlap(Painted(*drawn[i]), Painted(*drawn[j])))
                ++pairs;
    return pairs;
}
