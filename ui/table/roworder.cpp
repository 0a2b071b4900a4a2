#include "ui/table/roworder.h"

#include <algorithm>
#include <numeric>

#include "text/packedtexts.h"
#include "ui/table/stablerowsorts.h"

namespace {

// Rows fewer than this past the ordered head are placed one by one, each by
// a binary search; more are sorted and merged in. Past this many modified
// rows, a whole sort is as quick as placing each.
constexpr std::ptrdiff_t fewRows = 32;

// A stable sort of rows whose first orderedRows are known to be in order: the
// ordered head is kept and only the rows after it are placed, which gives
// exactly the order a full stable sort does.
template <typename Before>
void placeTail(std::vector<int>& rows, std::size_t orderedRows, Before before) {
    const auto knownEnd = rows.begin() + static_cast<std::ptrdiff_t>(std::max<std::size_t>(orderedRows, 1) - 1);
    const auto orderedEnd = std::is_sorted_until(knownEnd, rows.end(), before);
    if (rows.end() - orderedEnd <= fewRows) {
        // Binary insertion: each row goes after the equal rows before it.
        for (auto next = orderedEnd; next != rows.end(); ++next)
            std::rotate(std::upper_bound(rows.begin(), next, *next, before), next, next + 1);
    } else {
        std::stable_sort(orderedEnd, rows.end(), before);
        std::inplace_merge(rows.begin(), orderedEnd, rows.end(), before);
    }
}

// A row that was taken out of rows, with the row number it had.
struct StrayRow {
    int row;
    int position;
};

// Puts back rows taken out of ordered rows, in ascending order of the rows
// they had. Among rows with an equal key each keeps the row it had, so a
// change that leaves the sorted column alone moves nothing; a lone row goes
// where a stable sort of the rows as they were would put it.
template <typename Before>
void placeStrays(std::vector<int>& rows, const std::vector<StrayRow>& strays, Before before) {
    for (const StrayRow& stray : strays) {
        const auto [first, last] = std::equal_range(rows.begin(), rows.end(), stray.position, before);
        const auto had = rows.begin() + std::min<std::ptrdiff_t>(stray.row, std::ssize(rows));
        rows.insert(std::clamp(had, first, last), stray.position);
    }
}

}  // namespace

int RowOrder::rowOf(int position) const {
    const auto found = std::find(order.begin(), order.end(), position);
    return found == order.end() ? -1 : static_cast<int>(found - order.begin());
}

void RowOrder::reset(int count) {
    order.resize(static_cast<std::size_t>(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    forgetSort();
}

void RowOrder::appended() { order.push_back(size()); }

void RowOrder::modified(int position) {
    if (std::ssize(strayPositions) >= fewRows)
        forgetSort();
    else if (std::find(strayPositions.begin(), strayPositions.end(), position) == strayPositions.end())
        strayPositions.push_back(position);
}

int RowOrder::vacate(int position) {
    const int row = rowOf(position);
    if (row >= 0) order[static_cast<std::size_t>(row)] = -1;
    for (int& later : order)
        if (later > position) --later;
    std::erase(strayPositions, position);
    for (int& stray : strayPositions)
        if (stray > position) --stray;
    return row;
}

void RowOrder::eraseRow(int row) {
    if (row < 0 || row >= size()) return;
    order.erase(order.begin() + row);
    // The rows left keep their order.
    if (static_cast<std::size_t>(row) < sortedRows) --sortedRows;
}

void RowOrder::sortByIntegers(int sortedBy, bool ascending, const std::vector<int>& keys) {
    sort(
        sortedBy, ascending, [&keys](int a, int b) { return keys[a] < keys[b]; },
        [&keys](std::vector<int>& rows, bool up) { sortRowsByIntegers(rows, keys, up); });
}

void RowOrder::sortByTexts(int sortedBy, bool ascending, const PwText::PackedTexts& keys) {
    sort(
        sortedBy, ascending, [&keys](int a, int b) { return keys.at(a) < keys.at(b); },
        [&keys](std::vector<int>& rows, bool up) { sortRowsByTexts(rows, keys, up); });
}

void RowOrder::forgetSort() {
    sortedKey = -1;
    sortedRows = 0;
    strayPositions.clear();
}

template <typename Less, typename SortAll>
void RowOrder::sort(int sortedBy, bool ascending, Less less, SortAll sortAll) {
    try {
        const bool sameSort = sortedBy == sortedKey && ascending == sortedAscending;
        if (!sameSort || std::ssize(strayPositions) > fewRows)
            sortAll(order, ascending);
        else if (ascending)
            placeChangedRows(less);
        else
            // The reversed predicate, so equal keys keep their current order.
            placeChangedRows([&less](int a, int b) { return less(b, a); });
        sortedKey = sortedBy;
        sortedAscending = ascending;
        sortedRows = order.size();
        strayPositions.clear();
    } catch (...) {
        // Only memory can run out here; the rows are still every position
        // once, only their order is unknown.
        forgetSort();
    }
}

template <typename Before>
void RowOrder::placeChangedRows(Before before) {
    // The modified rows come out; the rest is in order but for rows added
    // since, which are placed first.
    std::size_t orderedRows = std::min(sortedRows, order.size());
    std::vector<StrayRow> strays;
    for (int position : strayPositions) {
        const int row = rowOf(position);
        if (row >= 0) strays.push_back({row, position});
    }
    std::sort(strays.begin(), strays.end(), [](StrayRow a, StrayRow b) { return a.row < b.row; });
    for (const StrayRow& stray : strays) {
        if (static_cast<std::size_t>(stray.row) < std::min(sortedRows, order.size())) --orderedRows;
        order[static_cast<std::size_t>(stray.row)] = -1;
    }
    std::erase(order, -1);
    placeTail(order, orderedRows, before);
    placeStrays(order, strays, before);
}
