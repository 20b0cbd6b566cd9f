#pragma once

#include <QString>

#include <functional>
#include <vector>

// The rows of the rhyme-lines table. Rows are kept in the order of their whole text, compared
// without regard to case (locale-aware); a row equal to one present, ignoring case, is not
// added. SortBy reorders the rows by another text of each row until the next Clear.
class TListViewData
{
public:
    // The text a row is ordered by when sorting by a column.
    using SortText = std::function<QString(const QString &row)>;

    void Clear();
    // Inserts row in text order; false (and nothing added) for a case-insensitive duplicate.
    bool Add(const QString &row);
    int Count() const { return int(rows_.size()); }
    const QString &At(int index) const { return rows_.at(index); }

    // Reorders the rows by sortText, ascending or descending; rows with equal sort texts keep
    // their order.
    void SortBy(const SortText &sortText, bool ascending);

    // Locale-aware comparison ignoring case: negative, zero or positive.
    static int Compare(const QString &a, const QString &b);

private:
    std::vector<QString> rows_;
};
