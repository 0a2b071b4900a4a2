#pragma once

#include <cstddef>
#include <vector>

namespace PwText {
class PackedTexts;
}

// The order of the transaction table's rows: for each row, the position in
// the book of the transaction it shows. Sorting a million rows moves
// integers, not cells.
//
// The order remembers the last sort it was given. The rows stay in that
// order but for rows added since and the rows of transactions modified since,
// so re-applying the same sort after a change places only those: a few
// comparisons, not a sort of a million rows. After rows added alone, or one
// row changed (the window sorts after each change), that is exactly what a
// stable sort of every row gives; after several changed rows, the rows are
// in order still and the unchanged ones keep their order, but rows of equal
// keys may stand otherwise.
class RowOrder {
public:
    // Row -> position.
    const std::vector<int>& rows() const { return order; }
    int size() const { return static_cast<int>(order.size()); }
    // The row showing a position; -1 for none.
    int rowOf(int position) const;

    // A row for every position below count, in the book's order.
    void reset(int count);
    void clear() { reset(0); }

    // Changes of the book, told after it made them.
    // A transaction was added at the end: its row comes last.
    void appended();
    // The transaction at this position was modified: its row stays where it
    // is until the next sort places it.
    void modified(int position);
    // The transaction at this position was removed, in two steps so that
    // every row shows the right transaction in between: vacate empties its
    // row (-1) and moves every later position up one, as the book did, and
    // returns that row (-1 for none); eraseRow then takes the row out.
    int vacate(int position);
    void eraseRow(int row);

    // Stable sorts by a key per position, in either direction: rows of equal
    // keys keep their order. sortedBy names what the keys are of (a column),
    // so that a sort by the same in the same direction places only the rows
    // that changed since. Should memory run out, the rows keep every
    // position once and the next sort sorts them all.
    void sortByIntegers(int sortedBy, bool ascending, const std::vector<int>& keys);
    void sortByTexts(int sortedBy, bool ascending, const PwText::PackedTexts& keys);
    // The next sort sorts every row (the keys of every row may have changed).
    void forgetSort();

private:
    template <typename Less, typename SortAll>
    void sort(int sortedBy, bool ascending, Less less, SortAll sortAll);
    template <typename Before>
    void placeChangedRows(Before before);

    std::vector<int> order;
    // The first sortedRows rows are in order by sortedKey in that direction,
    // but for the rows of strayPositions.
    int sortedKey = -1;
    bool sortedAscending = true;
    std::size_t sortedRows = 0;
    std::vector<int> strayPositions;
};
