#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "text/transactionsearch.h"
#include "ui/table/foldedcomments.h"
#include "ui/table/rowchange.h"
#include "ui/table/roworder.h"

namespace KestLib {
class AccountDB;
class Transaction;
}  // namespace KestLib

// The rows the view shows: while a search (the find bar's) hides some, the
// rows of the transactions it takes, in the order of the row order; else
// every row of the order. Kept row by row as the book changes, so that a
// change of one transaction never filters a million again; a search that
// narrows the last one (a key typed on) looks only at the rows it showed.
class VisibleRows {
public:
    explicit VisibleRows(const RowOrder& order) : order(order) {}

    // Row -> position, as the view sees them.
    const std::vector<int>& rows() const { return filtering ? shown : order.rows(); }
    // The view's row of a position; -1 for none.
    int rowOf(int position) const;
    bool isFiltered() const { return filtering; }
    // True while a search for a text hides rows.
    bool searchesText() const { return filtering && search.hasText(); }

    // Takes the next search, to be applied by applySearch; false when it
    // shows what the current one does, so there is nothing to apply. The
    // rows stay those of the current search until then.
    bool setSearch(const PwText::TransactionSearch& next);
    // The search taken applied: to the rows shown when it narrows the
    // search they show, else to every transaction.
    void applySearch(const KestLib::AccountDB* db);
    // The search applied to every transaction afresh, rows hidden as before
    // or not (a reload); should memory run out, every row is shown rather
    // than a subset that may be wrong.
    void refilter(const KestLib::AccountDB* db);
    // The shown rows in the order's order again, after a sort.
    void followOrder();

    // Folds comments for a text to come, for about the milliseconds given;
    // true once all are.
    bool foldComments(const KestLib::AccountDB& db, int milliseconds);

    // Shown texts may read otherwise now (a language switch): comments are
    // decoded afresh when next searched, and the next search looks at
    // every transaction.
    void forgetTexts();
    // No rows (the search stays).
    void clear();

    // Changes of the book, told after it made them and before the row order
    // follows; each says what the view will see. apply then makes the
    // change of an added or modified transaction, after the order's.
    RowChange appended(const KestLib::AccountDB& db);
    RowChange modified(const KestLib::AccountDB& db, int position);
    void apply(const RowChange& change, int position);
    // A removal in the row order's two steps: vacate empties the row and
    // moves every later position up one, erase takes the row out.
    RowChange vacate(int position);
    void erase(const RowChange& change, int position);

    struct ShownFigures {
        int count = 0;
        std::int64_t balance = 0;  // income less outgoing
    };
    // How many transactions the rows show, and their balance.
    ShownFigures shownFigures(const KestLib::AccountDB& db) const;

private:
    // Whether the search takes the transaction at this position; the type
    // names and, for a text, the folded comments must be at hand.
    bool takes(const KestLib::Transaction& record, int position) const {
        return search.selection.takes(record) && textTakes(record, position);
    }
    // The same but for the selection, which the record is known to pass.
    bool textTakes(const KestLib::Transaction& record, int position) const;
    // Whether the record's type name holds the search's text.
    bool typeNameHolds(const KestLib::Transaction& record) const;
    bool isTaken(int position) const {
        return position >= 0 && static_cast<std::size_t>(position) < taken.size() &&
               taken[static_cast<std::size_t>(position)];
    }
    // Which type names hold the search's text; the comments folded when it has one.
    void prepare(const KestLib::AccountDB& db);
    void prepareTypeNames(const KestLib::AccountDB& db);
    void filterRows(const KestLib::AccountDB* db);
    // Keeps of the rows shown those the search takes; it narrows held.
    void narrowRows(const KestLib::AccountDB& db);
    // Row changes leave the figures to be counted again.
    void forgetFigures() { figures.reset(); }

    const RowOrder& order;
    PwText::TransactionSearch search;
    bool filtering = false;
    std::vector<int> shown;           // row -> position, while filtering
    std::vector<std::uint8_t> taken;  // by position, while filtering: 1 when shown
    std::array<bool, KestLib::TypeIdTable::capacity> typeNameTaken{};
    // The search whose rows shown and taken hold, while they hold one that
    // was read from the texts still kept.
    std::optional<PwText::TransactionSearch> held;
    // The figures of the rows, counted as they were filtered.
    mutable std::optional<ShownFigures> figures;
    // Kept when the bar closes: decoded once, they are kept right row by
    // row, and the next text needs no wait.
    FoldedComments foldedComments;
};
