#include "table/visiblerows.h"

#include <algorithm>

#include "accountdb.h"
#include "table/transactioncolumns.h"

using KestLib::AccountDB;
using KestLib::Transaction;
using KestLib::TypeIdTable;

int VisibleRows::rowOf(int position) const {
    const auto found = std::find(rows().begin(), rows().end(), position);
    return found == rows().end() ? -1 : static_cast<int>(found - rows().begin());
}

bool VisibleRows::setSearch(const PwText::TransactionSearch& next) {
    if (next == search && filtering == !next.takesAll()) return false;
    search = next;
    return true;
}

void VisibleRows::applySearch(const AccountDB* db) {
    filtering = !search.takesAll();
    refilter(db);
}

void VisibleRows::refilter(const AccountDB* db) {
    try {
        filterRows(db);
    } catch (...) {
        // Only memory can run out here.
        filtering = false;
        shown.clear();
        taken.clear();
        foldedComments.clear();
    }
}

void VisibleRows::filterRows(const AccountDB* db) {
    shown.clear();
    taken.clear();
    if (!filtering || !db) return;
    const int count = db->transCount();
    prepare(*db);
    taken.resize(static_cast<std::size_t>(count));
    for (int position = 0; position < count; ++position)
        taken[static_cast<std::size_t>(position)] = takes(*db, position) ? 1 : 0;
    followOrder();
}

void VisibleRows::followOrder() {
    if (!filtering) return;
    shown.clear();
    for (int position : order.rows())
        if (isTaken(position)) shown.push_back(position);
}

void VisibleRows::clear() {
    shown.clear();
    taken.clear();
    foldedComments.clear();
}

RowChange VisibleRows::appended(const AccountDB& db) {
    foldedComments.appended(db);
    if (!filtering) return {RowChange::Inserted, order.size()};
    prepare(db);
    taken.push_back(takes(db, db.transCount() - 1) ? 1 : 0);
    return taken.back() ? RowChange{RowChange::Inserted, static_cast<int>(shown.size())} : RowChange{};
}

RowChange VisibleRows::modified(const AccountDB& db, int position) {
    foldedComments.modified(db, position);
    if (!filtering) return {RowChange::Changed, order.rowOf(position)};
    prepare(db);
    if (static_cast<std::size_t>(position) >= taken.size()) return {};
    const bool wasShown = taken[static_cast<std::size_t>(position)] != 0;
    const bool nowShown = takes(db, position);
    taken[static_cast<std::size_t>(position)] = nowShown ? 1 : 0;
    if (wasShown && nowShown) return {RowChange::Changed, rowOf(position)};
    if (wasShown) {
        const int row = rowOf(position);
        return row < 0 ? RowChange{} : RowChange{RowChange::Removed, row};
    }
    if (!nowShown) return {};
    // Among the shown rows where it stands among all rows; the next sort
    // moves it as it moves any modified row.
    const int orderRow = order.rowOf(position);
    if (orderRow < 0) return {};
    const auto before = order.rows().begin() + orderRow;
    const auto row = std::count_if(order.rows().begin(), before, [this](int other) { return isTaken(other); });
    return {RowChange::Inserted, static_cast<int>(row)};
}

void VisibleRows::apply(const RowChange& change, int position) {
    if (!filtering) return;
    if (change.kind == RowChange::Inserted) shown.insert(shown.begin() + change.row, position);
    if (change.kind == RowChange::Removed) shown.erase(shown.begin() + change.row);
}

RowChange VisibleRows::vacate(int position) {
    // Hidden by a search, the row goes without a word to the view.
    const int row = rowOf(position);
    if (filtering) {
        if (row >= 0) shown[static_cast<std::size_t>(row)] = -1;
        for (int& later : shown)
            if (later > position) --later;
    }
    return row >= 0 ? RowChange{RowChange::Removed, row} : RowChange{};
}

void VisibleRows::erase(const RowChange& change, int position) {
    if (filtering) {
        if (change.kind == RowChange::Removed) shown.erase(shown.begin() + change.row);
        if (static_cast<std::size_t>(position) < taken.size()) taken.erase(taken.begin() + position);
    }
    foldedComments.removed(position);
}

VisibleRows::ShownFigures VisibleRows::shownFigures(const AccountDB& db) const {
    ShownFigures figures;
    // By position, not by row: the records are read in the order they lie.
    const int count = std::min(db.transCount(), filtering ? static_cast<int>(taken.size()) : order.size());
    for (int position = 0; position < count; ++position) {
        if (filtering && !taken[static_cast<std::size_t>(position)]) continue;
        const Transaction& record = db.transaction(position, false);
        ++figures.count;
        figures.balance += record.isIncome() ? std::int64_t{record.amount()} : -std::int64_t{record.amount()};
    }
    return figures;
}

bool VisibleRows::takes(const AccountDB& db, int position) const {
    const Transaction& record = db.transaction(position, false);
    if (!search.selection.takes(record)) return false;
    if (!search.hasText()) return true;
    const int type = record.type();
    if (type >= 0 && type < TypeIdTable::capacity && typeNameTaken[static_cast<std::size_t>(type)]) return true;
    return search.textIn(foldedComments.at(position));
}

void VisibleRows::prepare(const AccountDB& db) {
    typeNameTaken.fill(false);
    if (!search.hasText()) return;
    for (int position = 0; position < db.typeCount(); ++position) {
        const int id = db.typeAt(position).id();
        if (id < 0 || id >= TypeIdTable::capacity) continue;
        const QString name = PwText::TransactionSearch::fold(TransactionColumns::typeText(db, id));
        typeNameTaken[static_cast<std::size_t>(id)] =
            search.textIn(std::u16string_view(QStringView(name).utf16(), static_cast<std::size_t>(name.size())));
    }
    foldedComments.fill(db);
}
