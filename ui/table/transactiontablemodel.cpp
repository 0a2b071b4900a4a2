#include "table/transactiontablemodel.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>
#include <numeric>

#include "accountdb.h"
#include "big5text.h"

using KestLib::AccountDB;
using KestLib::Transaction;
using KestLib::TypeIdTable;

namespace {

// The table belongs to the main window, so its texts are that window's.
constexpr const char* context = "MainWindow";

constexpr std::array<const char*, TransactionTableModel::ColumnCount> columnTitles = {
    QT_TRANSLATE_NOOP("MainWindow", "Index"), QT_TRANSLATE_NOOP("MainWindow", "Date"),
    QT_TRANSLATE_NOOP("MainWindow", "In/Out"), QT_TRANSLATE_NOOP("MainWindow", "Money"),
    QT_TRANSLATE_NOOP("MainWindow", "Type"), QT_TRANSLATE_NOOP("MainWindow", "Comment"),
};
constexpr const char* incomeText = QT_TRANSLATE_NOOP("MainWindow", "Income");
constexpr const char* outgoingText = QT_TRANSLATE_NOOP("MainWindow", "Outgoing");

QString translated(const char* text) { return QCoreApplication::translate(context, text); }

// A decimal right-aligned in width, padded on the left with spaces; a longer
// number is not cut.
void appendPadded(std::u16string& out, int value, int width) {
    char digits[16];
    const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    for (auto length = end - digits; length < width; ++length) out.push_back(u' ');
    out.append(std::cbegin(digits), end);
}

void appendDate(std::u16string& out, int year, int month, int day) {
    appendPadded(out, year, 4);
    out.push_back(u'/');
    appendPadded(out, month, 2);
    out.push_back(u'/');
    appendPadded(out, day, 2);
}

// Where every field fits its width, the shown date texts all have the same
// length and order as these numbers do: the space that pads a shorter field
// sorts before any digit.
std::optional<int> dateNumber(const Transaction& record) {
    const bool fits = record.year() >= 0 && record.year() <= 9999 && record.month() >= 0 && record.month() <= 99 &&
                      record.day() >= 0 && record.day() <= 99;
    if (!fits) return std::nullopt;
    return record.year() * 10000 + record.month() * 100 + record.day();
}

std::u16string_view viewOf(const QString& text) {
    return std::u16string_view(QStringView(text).utf16(), static_cast<std::size_t>(text.size()));
}

// Grows as push_back would, so that the push_back after can't fail.
template <typename Vector>
void roomForOneMore(Vector& vector) {
    if (vector.size() == vector.capacity()) vector.reserve(std::max<std::size_t>(16, vector.capacity() * 2));
}

// Marks in the table of Big5 pairs; neither is a character Big5 decodes to.
constexpr char16_t unknownPair = 0;
constexpr char16_t notOnePair = 0xFFFF;

// A row to sort: the key it sorts by, as a number that orders as the key
// does, and where the row stood, which orders rows of equal keys, so that
// an unstable sort of these gives what a stable sort of the rows would.
struct SortItem {
    std::uint64_t key;
    std::uint32_t order;
    int position;
};

bool itemBefore(const SortItem& a, const SortItem& b) { return a.key != b.key ? a.key < b.key : a.order < b.order; }

// A stable sort of count items by the number keyOf gives, of which only the
// bits of varying differ: least significant byte first, each pass stable;
// bytes every key has alike are skipped, so a column of few values takes one
// pass or two. buffer is scratch space for count items.
template <typename Item, typename KeyOf>
void radixSort(Item* first, std::size_t count, Item* buffer, std::uint64_t varying, KeyOf keyOf) {
    Item* from = first;
    Item* to = buffer;
    for (int shift = 0; shift < 64; shift += 8) {
        if (((varying >> shift) & 0xFF) == 0) continue;
        std::array<std::size_t, 256> starts{};
        for (const Item* item = from; item != from + count; ++item) ++starts[(keyOf(*item) >> shift) & 0xFF];
        std::size_t start = 0;
        for (std::size_t& bucket : starts) start += std::exchange(bucket, start);
        for (const Item* item = from; item != from + count; ++item) to[starts[(keyOf(*item) >> shift) & 0xFF]++] = *item;
        std::swap(from, to);
    }
    if (from != first) std::copy(from, from + count, first);
}

// Sorts items by key, ties by order. Items in order of their order, as they
// are at first, need not compare it: a radix sort of the keys keeps them so.
// buffer is scratch space of at least as many items.
void sortItems(SortItem* first, SortItem* last, SortItem* buffer) {
    const auto count = static_cast<std::size_t>(last - first);
    // Often in order already: the column the table was sorted by before.
    if (std::is_sorted(first, last, itemBefore)) return;
    if (count < 256) {
        std::sort(first, last, itemBefore);
        return;
    }
    std::uint64_t all = ~std::uint64_t{0}, any = 0;
    for (const SortItem* item = first; item != last; ++item) {
        all &= item->key;
        any |= item->key;
    }
    radixSort(first, count, buffer, all ^ any, [](const SortItem& item) { return item.key; });
}

using SortItems = std::vector<SortItem, KestLib::BulkAllocator<SortItem>>;

SortItems itemsOf(const std::vector<int>& rows) {
    SortItems items(rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row) items[row] = {0, static_cast<std::uint32_t>(row), rows[row]};
    return items;
}

void takeOrder(std::vector<int>& rows, const SortItems& items) {
    for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = items[row].position;
}

// A stable sort of rows by integer keys, one per position, in either
// direction (equal keys keep their order either way).
void sortByIntegers(std::vector<int>& rows, const std::vector<int>& keys, bool ascending) {
    const auto keyOf = [&keys](int position) { return keys[static_cast<std::size_t>(position)]; };
    if (ascending ? std::is_sorted(rows.begin(), rows.end(), [&](int a, int b) { return keyOf(a) < keyOf(b); })
                  : std::is_sorted(rows.begin(), rows.end(), [&](int a, int b) { return keyOf(b) < keyOf(a); }))
        return;
    // Each row as one number, its key above its position: a radix sort of
    // the key's bytes alone keeps rows of equal keys in their order.
    std::vector<std::uint64_t, KestLib::BulkAllocator<std::uint64_t>> items(rows.size());
    std::uint32_t all = ~0u, any = 0;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        // Offset so that the unsigned order is the signed one.
        std::uint32_t key = static_cast<std::uint32_t>(keyOf(rows[row])) ^ 0x8000'0000u;
        if (!ascending) key = ~key;
        all &= key;
        any |= key;
        items[row] = std::uint64_t{key} << 32 | static_cast<std::uint32_t>(rows[row]);
    }
    std::vector<std::uint64_t, KestLib::BulkAllocator<std::uint64_t>> buffer(rows.size());
    radixSort(items.data(), items.size(), buffer.data(), std::uint64_t{all ^ any} << 32,
              [](std::uint64_t item) { return item; });
    for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = static_cast<int>(items[row] & 0xFFFF'FFFFu);
}

// Characters of a text are compared three at a time: each as its code + 1,
// 17 bits, and 0 past the end of the text, so that the numbers compare as the
// texts do, a text before any longer one it begins.
constexpr std::size_t charactersPerChunk = 3;

std::uint64_t chunkOf(std::u16string_view text, std::size_t chunk) {
    std::uint64_t packed = 0;
    for (std::size_t i = chunk * charactersPerChunk; i < (chunk + 1) * charactersPerChunk; ++i)
        packed = packed << 17 | (i < text.size() ? text[i] + 1u : 0u);
    return packed;
}

// For each type id, the rank of the name it shows among all shown type names,
// so that comparing ranks orders rows as comparing the names would. Ids no
// type holds show an empty name.
std::array<int, TypeIdTable::capacity> typeNameRanks(const AccountDB& database) {
    std::array<QString, TypeIdTable::capacity> names;
    for (int position = 0; position < database.typeCount(); ++position) {
        const KestLib::TransType& type = database.typeAt(position);
        if (type.id() >= 0 && type.id() < TypeIdTable::capacity) names[type.id()] = fromBig5(context, type.name());
    }
    std::array<int, TypeIdTable::capacity> byName;
    std::iota(byName.begin(), byName.end(), 0);
    std::stable_sort(byName.begin(), byName.end(), [&names](int a, int b) { return names[a] < names[b]; });
    std::array<int, TypeIdTable::capacity> ranks{};
    int rank = 0;
    for (std::size_t i = 0; i < byName.size(); ++i) {
        if (i > 0 && names[byName[i - 1]] != names[byName[i]]) ++rank;
        ranks[byName[i]] = rank;
    }
    return ranks;
}

// Rows fewer than this past the ordered head are placed one by one, each by
// a binary search; more are sorted and merged in. Past this many modified
// rows, a whole sort is as quick as placing each.
constexpr std::ptrdiff_t fewRows = 32;

// A stable sort of rows whose first orderedRows are known to be in order: the
// ordered head is kept and only the rows after it are placed, which gives
// exactly the order a full stable sort does. Re-applying a sort after one
// added transaction thus costs a few comparisons, not a million.
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
// they had. Each goes where a stable sort of the rows as they were would put
// it: among rows with an equal key it keeps its place, so a change that
// leaves the sorted column alone moves nothing.
template <typename Before>
void placeStrays(std::vector<int>& rows, const std::vector<StrayRow>& strays, Before before) {
    for (const StrayRow& stray : strays) {
        const auto [first, last] = std::equal_range(rows.begin(), rows.end(), stray.position, before);
        const auto had = rows.begin() + std::min<std::ptrdiff_t>(stray.row, std::ssize(rows));
        rows.insert(std::clamp(had, first, last), stray.position);
    }
}

}  // namespace

TransactionTableModel::TransactionTableModel(QObject* parent) : QAbstractTableModel(parent) {}

void TransactionTableModel::setDatabase(const AccountDB* database) {
    db = database;
    reload();
}

void TransactionTableModel::reload() {
    beginResetModel();
    rowOrder.resize(db ? static_cast<std::size_t>(db->transCount()) : 0);
    std::iota(rowOrder.begin(), rowOrder.end(), 0);
    commentKeys.clear();
    forgetOrder();
    widths.invalidate();
    foldedComments.clear();
    filterOrShowAll();
    endResetModel();
}

void TransactionTableModel::appendLastTransaction() {
    if (!db || db->transCount() == 0) return;
    const int position = db->transCount() - 1;
    if (static_cast<int>(rowOrder.size()) != position) {
        // The rows no longer match the database but for its last record.
        reload();
        return;
    }
    foldedComments.appended(*db);
    if (filtering) {
        // The new row is shown only when the search takes it.
        rowOrder.push_back(position);
        widths.appended(*db);
        findTypeNames();
        if (search.hasText()) foldedComments.fill(*db);
        taken.push_back(takes(position) ? 1 : 0);
        if (!taken.back()) return;
        const int row = static_cast<int>(shownOrder.size());
        beginInsertRows(QModelIndex(), row, row);
        shownOrder.push_back(position);
        endInsertRows();
        return;
    }
    const int row = static_cast<int>(rowOrder.size());
    beginInsertRows(QModelIndex(), row, row);
    rowOrder.push_back(position);
    widths.appended(*db);
    endInsertRows();
}

void TransactionTableModel::transactionModified(int transactionIndex) {
    if (!db) return;
    const int position = db->transPosition(transactionIndex);
    // The core modifies nothing for an index it doesn't hold.
    if (position < 0) return;
    if (static_cast<int>(rowOrder.size()) != db->transCount()) {
        reload();
        return;
    }
    const Transaction& record = db->transaction(position, false);
    if (position < commentKeys.size()) commentKeys.replace(position, viewOf(cellText(*db, record, CommentColumn)));
    widths.modified(*db, position);
    if (std::ssize(strayPositions) >= fewRows)
        forgetOrder();  // the next sort sorts every row
    else if (std::find(strayPositions.begin(), strayPositions.end(), position) == strayPositions.end())
        strayPositions.push_back(position);
    foldedComments.modified(*db, position);
    if (filtering) {
        refilterModified(position);
        return;
    }
    const int row = rowOf(position);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void TransactionTableModel::transactionDeleted(int position) {
    if (!db) return;
    if (position < 0 || position >= static_cast<int>(rowOrder.size()) ||
        static_cast<int>(rowOrder.size()) != db->transCount() + 1) {
        reload();
        return;
    }
    const int row = rowOf(position);
    // Hidden by a search, the row goes without a word to the view.
    const int shownRow = filtering ? shownRowOf(position) : row;
    // The database closed the gap: every later transaction moved up one.
    // The rows follow before the removal is announced, so that what the
    // other rows show is already right while the view takes its leave of
    // the row; the row itself shows empty by then.
    rowOrder[static_cast<std::size_t>(row)] = -1;
    for (int& later : rowOrder)
        if (later > position) --later;
    if (filtering) {
        if (shownRow >= 0) shownOrder[static_cast<std::size_t>(shownRow)] = -1;
        for (int& later : shownOrder)
            if (later > position) --later;
    }
    if (shownRow >= 0) beginRemoveRows(QModelIndex(), shownRow, shownRow);
    rowOrder.erase(rowOrder.begin() + row);
    if (filtering) {
        if (shownRow >= 0) shownOrder.erase(shownOrder.begin() + shownRow);
        if (static_cast<std::size_t>(position) < taken.size()) taken.erase(taken.begin() + position);
    }
    foldedComments.removed(position);
    if (position < commentKeys.size()) commentKeys.erase(position);
    widths.removed(position);
    std::erase(strayPositions, position);
    for (int& stray : strayPositions)
        if (stray > position) --stray;
    // The rows left keep their order.
    if (static_cast<std::size_t>(row) < sortedRows) --sortedRows;
    if (shownRow >= 0) endRemoveRows();
}

void TransactionTableModel::clearRows() {
    beginResetModel();
    rowOrder.clear();
    commentKeys.clear();
    forgetOrder();
    widths.invalidate();
    shownOrder.clear();
    taken.clear();
    foldedComments.clear();
    endResetModel();
}

void TransactionTableModel::sortRows(int column, bool ascending) {
    if (!db || column < 0 || column >= ColumnCount) return;
    // Rows of transactions that are gone wait for the reload or the deletion
    // the model is about to be told of.
    if (!rowsInDatabase()) return;
    try {
        // The keys come first, so that should they fail, nothing has changed.
        if (const std::optional<std::vector<int>> numbers = integerKeys(column)) {
            const std::vector<int>& keys = *numbers;
            reorder(column, ascending, [&keys](int a, int b) { return keys[a] < keys[b]; },
                    [&keys](std::vector<int>& rows, bool up) { sortByIntegers(rows, keys, up); });
        } else {
            TextKeys dates;
            const TextKeys& keys = column == CommentColumn ? commentTextKeys() : (dates = dateTextKeys());
            reorder(column, ascending, [&keys](int a, int b) { return keys.at(a) < keys.at(b); },
                    [&keys](std::vector<int>& rows, bool up) { keys.sortRows(rows, up); });
        }
    } catch (...) {
        // Only memory can run out here; the rows keep the order they had.
    }
}

template <typename Less, typename SortAll>
void TransactionTableModel::reorder(int column, bool ascending, Less less, SortAll sortAll) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistentBefore = persistentIndexList();
    try {
        std::vector<int> persistentPositions;
        persistentPositions.reserve(persistentBefore.size());
        for (const QModelIndex& index : persistentBefore) persistentPositions.push_back(rows()[index.row()]);

        auto sortBy = [&](auto before) {
            const bool sameOrder = column == sortedColumn && ascending == sortedAscending;
            if (!sameOrder || std::ssize(strayPositions) > fewRows) {
                sortAll(rowOrder, ascending);
                return;
            }
            // The modified rows come out; the rest is in order but for rows
            // added since, which are placed first.
            std::size_t orderedRows = std::min(sortedRows, rowOrder.size());
            std::vector<StrayRow> strays;
            for (int position : strayPositions) {
                const int row = rowOf(position);
                if (row >= 0) strays.push_back({row, position});
            }
            std::sort(strays.begin(), strays.end(), [](StrayRow a, StrayRow b) { return a.row < b.row; });
            for (const StrayRow& stray : strays) {
                if (static_cast<std::size_t>(stray.row) < std::min(sortedRows, rowOrder.size())) --orderedRows;
                rowOrder[static_cast<std::size_t>(stray.row)] = -1;
            }
            std::erase(rowOrder, -1);
            placeTail(rowOrder, orderedRows, before);
            placeStrays(rowOrder, strays, before);
        };
        if (ascending)
            sortBy(less);
        else
            // The reversed predicate, so equal keys keep their current order.
            sortBy([&less](int a, int b) { return less(b, a); });
        sortedColumn = column;
        sortedAscending = ascending;
        sortedRows = rowOrder.size();
        strayPositions.clear();
        followOrder();

        if (!persistentBefore.isEmpty()) {
            std::vector<int> rowOfPosition(rowOrder.size(), -1);
            for (std::size_t row = 0; row < rows().size(); ++row)
                rowOfPosition[static_cast<std::size_t>(rows()[row])] = static_cast<int>(row);
            QModelIndexList persistentAfter;
            persistentAfter.reserve(persistentBefore.size());
            for (qsizetype i = 0; i < persistentBefore.size(); ++i)
                persistentAfter.append(index(rowOfPosition[persistentPositions[i]], persistentBefore[i].column()));
            changePersistentIndexList(persistentBefore, persistentAfter);
        }
    } catch (...) {
        // The rows are still every position once; only their order is unknown.
        forgetOrder();
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TransactionTableModel::retranslate() {
    // Translated texts may sort otherwise, and be wider.
    commentKeys.clear();
    forgetOrder();
    widths.invalidate();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (!rows().empty()) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
    // A text searched for may be in other rows' shown texts now.
    foldedComments.clear();
    if (filtering && search.hasText()) refilter();
}

void TransactionTableModel::setTextFont(const QFont& font) { widths.setFont(font); }

void TransactionTableModel::setTranslatesStoredText(bool translates) {
    widths.setTranslatesStoredText(translates);
    // Comments decoded for sorting were looked up in translations, or not.
    if (translates != storedTextTranslated) commentKeys.clear();
    storedTextTranslated = translates;
    foldedComments.setTranslatesStoredText(translates);
}

int TransactionTableModel::widestText(int column) {
    if (!db) return 0;
    try {
        return widths.widestText(*db, column);
    } catch (...) {
        return 0;
    }
}

int TransactionTableModel::transactionIndexAt(int row) const {
    if (!db || row < 0 || row >= rowCount()) return -1;
    const int position = rows()[static_cast<std::size_t>(row)];
    return position >= 0 && position < db->transCount() ? db->transaction(position, false).index() : -1;
}

bool TransactionTableModel::rowsInDatabase() const {
    // The rows hold each position below their count once.
    return db && rowOrder.size() <= static_cast<std::size_t>(db->transCount());
}

int TransactionTableModel::rowOf(int position) const {
    const auto found = std::find(rowOrder.begin(), rowOrder.end(), position);
    return found == rowOrder.end() ? -1 : static_cast<int>(found - rowOrder.begin());
}

QString TransactionTableModel::cellText(const AccountDB& database, const Transaction& record, int column) {
    switch (column) {
    case IndexColumn:
        return QString::number(record.index());
    case DateColumn:
        return dateText(record.year(), record.month(), record.day());
    case InOutColumn:
        return inOutText(record.isIncome());
    case MoneyColumn:
        return QString::number(record.amount());
    case TypeColumn:
        return typeText(database, record.type());
    case CommentColumn:
        return fromBig5(context, record.comment());
    default:
        return QString();
    }
}

QString TransactionTableModel::dateText(int year, int month, int day) {
    std::u16string text;
    appendDate(text, year, month, day);
    return QString::fromStdU16String(text);
}

QString TransactionTableModel::inOutText(bool income) { return translated(income ? incomeText : outgoingText); }

QString TransactionTableModel::typeText(const AccountDB& database, int typeId) {
    // Every stored transaction names a stored type; should that ever fail,
    // an empty cell is better than an exception thrown out of a paint.
    try {
        return fromBig5(context, database.typeById(typeId).name());
    } catch (const KestLib::ErrorMsg&) {
        return QString();
    }
}

int TransactionTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows().size());
}

int TransactionTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TransactionTableModel::data(const QModelIndex& index, int role) const {
    if (!db || !index.isValid() || index.parent().isValid() || index.row() >= rowCount() ||
        index.column() >= ColumnCount)
        return QVariant();
    if (role == Qt::DisplayRole) {
        const int position = rows()[static_cast<std::size_t>(index.row())];
        // A row whose transaction is gone shows empty until the model hears of it.
        if (position < 0 || position >= db->transCount()) return QVariant();
        try {
            return cellText(*db, db->transaction(position, false), index.column());
        } catch (...) {
            return QVariant();
        }
    }
    if (role == Qt::TextAlignmentRole) {
        const bool number = index.column() == IndexColumn || index.column() == MoneyColumn;
        return int((number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    return QVariant();
}

QVariant TransactionTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return translated(columnTitles[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

// Index and Money by their numbers; In/Out and Type by the rank of their
// shown text among the few texts the column can show; Date by a number that
// orders as its text does, where every date has one. None for the columns
// that must compare texts.
std::optional<std::vector<int>> TransactionTableModel::integerKeys(int column) const {
    std::vector<int> keys(static_cast<std::size_t>(db->transCount()));
    auto fill = [this, &keys](auto keyOf) {
        for (std::size_t position = 0; position < keys.size(); ++position)
            keys[position] = keyOf(db->transaction(static_cast<int>(position), false));
    };
    switch (column) {
    case IndexColumn:
        fill([](const Transaction& record) { return record.index(); });
        return keys;
    case MoneyColumn:
        fill([](const Transaction& record) { return record.amount(); });
        return keys;
    case InOutColumn: {
        const QString income = inOutText(true);
        const QString outgoing = inOutText(false);
        const int incomeRank = outgoing < income ? 1 : 0;
        const int outgoingRank = income < outgoing ? 1 : 0;
        fill([=](const Transaction& record) { return record.isIncome() ? incomeRank : outgoingRank; });
        return keys;
    }
    case TypeColumn: {
        // Core invariants keep every transaction's type id a stored one.
        const auto ranks = typeNameRanks(*db);
        fill([&ranks](const Transaction& record) {
            const int id = record.type();
            return id >= 0 && id < TypeIdTable::capacity ? ranks[id] : 0;
        });
        return keys;
    }
    case DateColumn:
        for (std::size_t position = 0; position < keys.size(); ++position) {
            const std::optional<int> number = dateNumber(db->transaction(static_cast<int>(position), false));
            if (!number) return std::nullopt;
            keys[position] = *number;
        }
        return keys;
    default:
        return std::nullopt;
    }
}

const TransactionTableModel::TextKeys& TransactionTableModel::commentTextKeys() {
    const int count = db->transCount();
    if (commentKeys.size() > count) commentKeys.clear();
    if (commentKeys.size() == count) return commentKeys;
    // A decoded comment has at most one character per stored byte, but for
    // the rare one the converter or a translation gives more: the keys are
    // reserved once and grow only for those.
    std::size_t bytes = commentKeys.chars.size();
    for (int position = commentKeys.size(); position < count; ++position)
        bytes += db->transaction(position, false).comment().size();
    commentKeys.reserve(static_cast<std::size_t>(count), bytes);
    std::u16string text;
    for (int position = commentKeys.size(); position < count; ++position) {
        shownComment(db->transaction(position, false).comment(), text);
        commentKeys.append(text);
    }
    return commentKeys;
}

void TransactionTableModel::shownComment(std::string_view stored, std::u16string& text) {
    // The same text cellText shows, without building a QString for each of
    // a million comments: stored text ends at its first zero byte, and an
    // empty one is never looked up.
    stored = stored.substr(0, stored.find('\0'));
    text.clear();
    if (stored.empty()) return;
    if (!decodeBig5(stored, text)) {
        text = viewOf(fromBig5(context, stored));
        return;
    }
    if (!storedTextTranslated) return;
    const bool ascii = text.size() == stored.size();
    const QByteArray utf8 = ascii ? QByteArray(stored.data(), static_cast<qsizetype>(stored.size()))
                                  : QStringView(text.data(), static_cast<qsizetype>(text.size())).toUtf8();
    text = viewOf(QCoreApplication::translate(context, utf8.constData()));
}

bool TransactionTableModel::decodeBig5(std::string_view stored, std::u16string& text) {
    // Big5 leaves ASCII as it is and turns a lead and trail byte pair into
    // one character; a pair means the same wherever it stands, so each is
    // decoded once. Anything else (a lone lead byte at the end, a pair the
    // converter reads otherwise) is left to the converter.
    const auto* const data = reinterpret_cast<const unsigned char*>(stored.data());
    const std::size_t size = stored.size();
    for (std::size_t at = 0; at < size; ++at) {
        if (data[at] < 0x80) {
            text.push_back(static_cast<char16_t>(data[at]));
            continue;
        }
        if (at + 1 == size) return false;
        if (pairUnits.empty()) pairUnits.assign(0x10000, unknownPair);
        char16_t& unit = pairUnits[data[at] * 0x100u + data[at + 1]];
        if (unit == unknownPair) {
            QStringDecoder decoder("Big5", QStringConverter::Flag::Stateless);
            const QString character = decoder.decode(QByteArrayView(stored.data() + at, 2));
            const bool one = !decoder.hasError() && character.size() == 1 && !character.at(0).isSurrogate() &&
                             character.at(0) != QChar::ReplacementCharacter &&
                             character.at(0).unicode() != unknownPair && character.at(0).unicode() != notOnePair;
            unit = one ? character.at(0).unicode() : notOnePair;
        }
        if (unit == notOnePair) return false;
        text.push_back(unit);
        ++at;
    }
    return true;
}

TransactionTableModel::TextKeys TransactionTableModel::dateTextKeys() const {
    TextKeys keys;
    std::u16string date;
    for (int position = 0; position < db->transCount(); ++position) {
        const Transaction& record = db->transaction(position, false);
        date.clear();
        appendDate(date, record.year(), record.month(), record.day());
        keys.append(date);
    }
    return keys;
}

void TransactionTableModel::forgetOrder() {
    sortedColumn = -1;
    sortedRows = 0;
    strayPositions.clear();
}

std::u16string_view TransactionTableModel::TextKeys::at(int position) const {
    const std::uint32_t begin = position == 0 ? 0 : ends[position - 1];
    return std::u16string_view(chars.data() + begin, ends[position] - begin);
}

void TransactionTableModel::TextKeys::reserve(std::size_t texts, std::size_t characters) {
    chars.reserve(characters);
    ends.reserve(texts);
}

void TransactionTableModel::TextKeys::append(std::u16string_view text) {
    // Should memory run out, no text is half added.
    roomForOneMore(ends);
    chars.append(text);
    ends.push_back(static_cast<std::uint32_t>(chars.size()));
}

void TransactionTableModel::TextKeys::replace(int position, std::u16string_view text) {
    const std::uint32_t begin = position == 0 ? 0 : ends[position - 1];
    const std::uint32_t length = ends[position] - begin;
    chars.replace(begin, length, text);
    const auto grown = static_cast<std::uint32_t>(text.size()) - length;  // wraps when shorter, as wanted
    for (std::size_t later = static_cast<std::size_t>(position); later < ends.size(); ++later) ends[later] += grown;
}

void TransactionTableModel::TextKeys::erase(int position) {
    const std::uint32_t begin = position == 0 ? 0 : ends[position - 1];
    const std::uint32_t length = ends[position] - begin;
    chars.erase(begin, length);
    ends.erase(ends.begin() + position);
    for (std::size_t later = static_cast<std::size_t>(position); later < ends.size(); ++later) ends[later] -= length;
}

void TransactionTableModel::TextKeys::clear() {
    chars.clear();
    chars.shrink_to_fit();
    ends.clear();
    ends.shrink_to_fit();
}

void TransactionTableModel::TextKeys::sortRows(std::vector<int>& rows, bool ascending) const {
    // Rows are sorted by their first characters, then each run of rows that
    // agree in those by the next ones, and so on: most comparisons read two
    // numbers side by side rather than two texts far apart in memory.
    const auto textBefore = [this, ascending](int a, int b) { return ascending ? at(a) < at(b) : at(b) < at(a); };
    if (std::is_sorted(rows.begin(), rows.end(), textBefore)) return;
    SortItems items = itemsOf(rows);
    SortItems buffer(items.size());
    auto fill = [this, ascending](SortItem* first, SortItem* last, std::size_t chunk) {
        for (SortItem* item = first; item != last; ++item) {
            const std::uint64_t key = chunkOf(at(item->position), chunk);
            item->key = ascending ? key : ~key;
        }
    };
    struct Run {
        std::size_t begin, end, chunk;
    };
    std::vector<Run> runs;
    fill(items.data(), items.data() + items.size(), 0);
    runs.push_back({0, items.size(), 0});
    while (!runs.empty()) {
        const Run run = runs.back();
        runs.pop_back();
        SortItem* const first = items.data() + run.begin;
        sortItems(first, items.data() + run.end, buffer.data());
        for (std::size_t begin = run.begin, end; begin < run.end; begin = end) {
            end = begin + 1;
            while (end < run.end && items[end].key == items[begin].key) ++end;
            // Rows of texts that ended in this chunk are equal, and in order.
            if (end - begin < 2 || at(items[begin].position).size() < (run.chunk + 1) * charactersPerChunk) continue;
            fill(items.data() + begin, items.data() + end, run.chunk + 1);
            runs.push_back({begin, end, run.chunk + 1});
        }
    }
    takeOrder(rows, items);
}

// ---- Find ----------------------------------------------------------------------

void TransactionTableModel::setSearch(const PwText::TransactionSearch& next) {
    if (next == search && filtering == !next.takesAll()) return;
    search = next;
    // The folded comments stay when the bar closes: decoded once, they are
    // kept right row by row, and the next text needs no wait.
    refilter();
}

TransactionTableModel::ShownFigures TransactionTableModel::shownFigures() const {
    ShownFigures figures;
    if (!db) return figures;
    // By position, not by row: the records are read in the order they lie.
    const int count = std::min(db->transCount(), static_cast<int>(filtering ? taken.size() : rowOrder.size()));
    for (int position = 0; position < count; ++position) {
        if (filtering && !taken[static_cast<std::size_t>(position)]) continue;
        const Transaction& record = db->transaction(position, false);
        ++figures.count;
        figures.balance += record.isIncome() ? std::int64_t{record.amount()} : -std::int64_t{record.amount()};
    }
    return figures;
}

int TransactionTableModel::shownRowOf(int position) const {
    const auto found = std::find(rows().begin(), rows().end(), position);
    return found == rows().end() ? -1 : static_cast<int>(found - rows().begin());
}

bool TransactionTableModel::takes(int position) const {
    const Transaction& record = db->transaction(position, false);
    if (!search.selection.takes(record)) return false;
    if (!search.hasText()) return true;
    const int type = record.type();
    if (type >= 0 && type < TypeIdTable::capacity && typeNameTaken[static_cast<std::size_t>(type)]) return true;
    return search.textIn(foldedComments.at(position));
}

void TransactionTableModel::findTypeNames() {
    typeNameTaken.fill(false);
    if (!db || !search.hasText()) return;
    for (int position = 0; position < db->typeCount(); ++position) {
        const int id = db->typeAt(position).id();
        if (id < 0 || id >= TypeIdTable::capacity) continue;
        const QString name = PwText::TransactionSearch::fold(typeText(*db, id));
        typeNameTaken[static_cast<std::size_t>(id)] = search.textIn(viewOf(name));
    }
}

void TransactionTableModel::filterOrShowAll() {
    try {
        filterRows();
    } catch (...) {
        // Only memory can run out here; every row is shown rather than a
        // subset that may be wrong.
        filtering = false;
        shownOrder.clear();
        taken.clear();
        foldedComments.clear();
    }
}

void TransactionTableModel::filterRows() {
    shownOrder.clear();
    taken.clear();
    if (!filtering || !db) return;
    const int count = db->transCount();
    findTypeNames();
    if (search.hasText()) foldedComments.fill(*db);
    taken.resize(static_cast<std::size_t>(count));
    for (int position = 0; position < count; ++position)
        taken[static_cast<std::size_t>(position)] = takes(position) ? 1 : 0;
    followOrder();
}

void TransactionTableModel::followOrder() {
    if (!filtering) return;
    shownOrder.clear();
    for (int position : rowOrder)
        if (position >= 0 && static_cast<std::size_t>(position) < taken.size() && taken[static_cast<std::size_t>(position)])
            shownOrder.push_back(position);
}

void TransactionTableModel::refilter() {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistentBefore = persistentIndexList();
    std::vector<int> persistentPositions;
    for (const QModelIndex& index : persistentBefore) persistentPositions.push_back(rows()[index.row()]);
    filtering = !search.takesAll();
    filterOrShowAll();
    QModelIndexList persistentAfter;
    if (!persistentBefore.isEmpty()) {
        std::vector<int> rowOfPosition(rowOrder.size(), -1);
        for (std::size_t row = 0; row < rows().size(); ++row)
            rowOfPosition[static_cast<std::size_t>(rows()[row])] = static_cast<int>(row);
        for (qsizetype i = 0; i < persistentBefore.size(); ++i) {
            const int position = persistentPositions[static_cast<std::size_t>(i)];
            const bool shown = position >= 0 && static_cast<std::size_t>(position) < rowOfPosition.size() &&
                               rowOfPosition[static_cast<std::size_t>(position)] >= 0;
            persistentAfter.append(shown ? index(rowOfPosition[static_cast<std::size_t>(position)],
                                                 persistentBefore[i].column())
                                         : QModelIndex());
        }
        changePersistentIndexList(persistentBefore, persistentAfter);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TransactionTableModel::refilterModified(int position) {
    findTypeNames();
    if (search.hasText()) foldedComments.fill(*db);
    if (static_cast<std::size_t>(position) >= taken.size()) return;
    const bool wasShown = taken[static_cast<std::size_t>(position)] != 0;
    const bool shown = takes(position);
    taken[static_cast<std::size_t>(position)] = shown ? 1 : 0;
    if (wasShown && shown) {
        const int row = shownRowOf(position);
        emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    } else if (wasShown) {
        const int row = shownRowOf(position);
        if (row < 0) return;
        beginRemoveRows(QModelIndex(), row, row);
        shownOrder.erase(shownOrder.begin() + row);
        endRemoveRows();
    } else if (shown) {
        // Among the shown rows where it stands among all rows; the next sort
        // moves it as it moves any modified row.
        const int orderRow = rowOf(position);
        if (orderRow < 0) return;
        const auto before = rowOrder.begin() + orderRow;
        const int row = static_cast<int>(std::count_if(rowOrder.begin(), before, [this](int other) {
            return other >= 0 && static_cast<std::size_t>(other) < taken.size() && taken[static_cast<std::size_t>(other)];
        }));
        beginInsertRows(QModelIndex(), row, row);
        shownOrder.insert(shownOrder.begin() + row, position);
        endInsertRows();
    }
}
