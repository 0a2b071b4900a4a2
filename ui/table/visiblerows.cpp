#include "ui/table/visiblerows.h"

#include <QElapsedTimer>
#include <algorithm>

#include "core/accountdb.h"
#include "ui/book/transactioncolumns.h"

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

namespace {

void addTo(VisibleRows::ShownFigures& figures, const Transaction& record) {
    ++figures.count;
    figures.balance += record.isIncome() ? std::int64_t{record.amount()} : -std::int64_t{record.amount()};
}

}  // namespace

void VisibleRows::applySearch(const AccountDB* db) {
    const bool narrowing = db && filtering && held && !search.takesAll() && search.narrows(*held) &&
                           taken.size() == static_cast<std::size_t>(db->transCount());
    filtering = !search.takesAll();
    if (narrowing) {
        try {
            narrowRows(*db);
            return;
        } catch (...) {
            // Nothing has changed yet: filtered afresh, as a reload is.
        }
    }
    refilter(db);
}

void VisibleRows::refilter(const AccountDB* db) {
    held.reset();
    forgetFigures();
    try {
        filterRows(db);
    } catch (...) {
        // Only memory can run out here.
        filtering = false;
        held.reset();
        forgetFigures();
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
    prepareTypeNames(*db);
    taken.resize(static_cast<std::size_t>(count));
    ShownFigures found;
    // Part by part: comments not folded yet are folded just before they are
    // searched, while they are still in the cache. When every transaction
    // is a candidate, the text is looked for in all of a part's comments at
    // once; else only in those the selection takes.
    constexpr int part = 4096;
    std::array<std::uint8_t, part> inComment{};
    const bool wholeParts = search.hasText() && search.selection.takesAll();
    for (int start = 0; start < count; start += part) {
        const int end = std::min(count, start + part);
        if (search.hasText()) foldedComments.fillTo(*db, end);
        if (wholeParts) foldedComments.markContaining(search.foldedText(), start, end, inComment.data());
        for (int position = start; position < end; ++position) {
            const Transaction& record = db->transaction(position, false);
            const bool take =
                wholeParts ? typeNameHolds(record) || inComment[position - start] != 0 : takes(record, position);
            taken[static_cast<std::size_t>(position)] = take ? 1 : 0;
            if (take) addTo(found, record);
        }
    }
    shown.reserve(static_cast<std::size_t>(found.count));
    followOrder();
    figures = found;
    held = search;
}

void VisibleRows::narrowRows(const AccountDB& db) {
    prepare(db);
    // In database order, the order the records and texts lie in; what the
    // search asks more than the held one is only the text.
    ShownFigures found;
    const int count = db.transCount();
    for (int position = 0; position < count; ++position) {
        std::uint8_t& take = taken[static_cast<std::size_t>(position)];
        if (!take) continue;
        const Transaction& record = db.transaction(position, false);
        take = textTakes(record, position) ? 1 : 0;
        if (take) addTo(found, record);
    }
    // The rows kept stay in the order they are in.
    std::erase_if(shown, [this](int position) { return !isTaken(position); });
    figures = found;
    held = search;
}

void VisibleRows::followOrder() {
    if (!filtering) return;
    shown.clear();
    for (int position : order.rows())
        if (isTaken(position)) shown.push_back(position);
}

bool VisibleRows::foldComments(const AccountDB& db, int milliseconds) {
    QElapsedTimer clock;
    clock.start();
    while (!foldedComments.filled() && !clock.hasExpired(milliseconds))
        foldedComments.fillTo(db, foldedComments.size() + 2048);
    return foldedComments.filled();
}

void VisibleRows::forgetTexts() {
    foldedComments.clear();
    held.reset();
}

void VisibleRows::clear() {
    shown.clear();
    taken.clear();
    held.reset();
    forgetFigures();
    foldedComments.clear();
}

RowChange VisibleRows::appended(const AccountDB& db) {
    forgetFigures();
    foldedComments.appended(db);
    if (!filtering) return {RowChange::Inserted, order.size()};
    prepare(db);
    const int position = db.transCount() - 1;
    taken.push_back(takes(db.transaction(position, false), position) ? 1 : 0);
    return taken.back() ? RowChange{RowChange::Inserted, static_cast<int>(shown.size())} : RowChange{};
}

RowChange VisibleRows::modified(const AccountDB& db, int position) {
    forgetFigures();
    foldedComments.modified(db, position);
    if (!filtering) return {RowChange::Changed, order.rowOf(position)};
    prepare(db);
    if (static_cast<std::size_t>(position) >= taken.size()) return {};
    const bool wasShown = taken[static_cast<std::size_t>(position)] != 0;
    const bool nowShown = takes(db.transaction(position, false), position);
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
    forgetFigures();
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
    forgetFigures();
    if (filtering) {
        if (change.kind == RowChange::Removed) shown.erase(shown.begin() + change.row);
        if (static_cast<std::size_t>(position) < taken.size()) taken.erase(taken.begin() + position);
    }
    foldedComments.removed(position);
}

VisibleRows::ShownFigures VisibleRows::shownFigures(const AccountDB& db) const {
    if (figures) return *figures;
    ShownFigures counted;
    // By position, not by row: the records are read in the order they lie.
    const int count = std::min(db.transCount(), filtering ? static_cast<int>(taken.size()) : order.size());
    for (int position = 0; position < count; ++position) {
        if (filtering && !taken[static_cast<std::size_t>(position)]) continue;
        addTo(counted, db.transaction(position, false));
    }
    figures = counted;
    return counted;
}

bool VisibleRows::textTakes(const Transaction& record, int position) const {
    return !search.hasText() || typeNameHolds(record) || search.textIn(foldedComments.at(position));
}

bool VisibleRows::typeNameHolds(const Transaction& record) const {
    const int type = record.type();
    return type >= 0 && type < TypeIdTable::capacity && typeNameTaken[static_cast<std::size_t>(type)];
}

void VisibleRows::prepare(const AccountDB& db) {
    prepareTypeNames(db);
    if (search.hasText()) foldedComments.fill(db);
}

void VisibleRows::prepareTypeNames(const AccountDB& db) {
    typeNameTaken.fill(false);
    if (!search.hasText()) return;
    for (int position = 0; position < db.typeCount(); ++position) {
        const int id = db.typeAt(position).id();
        if (id < 0 || id >= TypeIdTable::capacity) continue;
        const QString name = PwText::TransactionSearch::fold(TransactionColumns::typeText(db, id));
        typeNameTaken[static_cast<std::size_t>(id)] =
            search.textIn(std::u16string_view(QStringView(name).utf16(), static_cast<std::size_t>(name.size())));
    }
}
