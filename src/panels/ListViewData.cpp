#include "ListViewData.h"

#include <QCollator>

#include <algorithm>
#include <numeric>

namespace {
const QCollator &Collator()
{
    static const QCollator collator = [] {
        QCollator c;
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return collator;
}
} // namespace

int TListViewData::Compare(const QString &a, const QString &b)
{
    return Collator().compare(a, b);
}

void TListViewData::Clear()
{
    rows_.clear();
}

bool TListViewData::Add(const QString &row)
{
    const auto at =
        std::lower_bound(rows_.begin(), rows_.end(), row,
                         [](const QString &r, const QString &k) { return Compare(r, k) < 0; });
    if (at != rows_.end() && Compare(*at, row) == 0)
        return false;
    rows_.insert(at, row);
    return true;
}

void TListViewData::SortBy(const SortText &sortText, bool ascending)
{
    std::vector<QString> keys;
    keys.reserve(rows_.size());
    for (const QString &row : rows_)
        keys.push_back(sortText(row));
    std::vector<size_t> order(rows_.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t i, size_t j) {
        const int c = Compare(keys[i], keys[j]);
        return ascending ? c < 0 : c > 0;
    });
    std::vector<QString> sorted;
    sorted.reserve(rows_.size());
    for (size_t i : order)
        sorted.push_back(std::move(rows_[i]));
    rows_ = std::move(sorted);
}
