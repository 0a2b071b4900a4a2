#include "ui/table/transactiontablemodel.h"

#include <QPersistentModelIndex>

#include "core/accountdb.h"
#include "ui/book/book.h"

using KestLib::AccountDB;

template <typename Apply>
void TransactionTableModel::announce(const RowChange& change, Apply apply) {
    switch (change.kind) {
    case RowChange::Unseen: apply(); return;
    case RowChange::Changed:
        apply();
        if (change.row >= 0) emit dataChanged(index(change.row, 0), index(change.row, ColumnCount - 1));
        return;
    case RowChange::Inserted:
        beginInsertRows(QModelIndex(), change.row, change.row);
        apply();
        endInsertRows();
        return;
    case RowChange::Removed:
        beginRemoveRows(QModelIndex(), change.row, change.row);
        apply();
        endRemoveRows();
        return;
    }
}

template <typename Change>
void TransactionTableModel::relayout(Change change) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistentBefore = persistentIndexList();
    try {
        std::vector<int> persistentPositions;
        persistentPositions.reserve(static_cast<std::size_t>(persistentBefore.size()));
        for (const QModelIndex& index : persistentBefore)
            persistentPositions.push_back(visible.rows()[static_cast<std::size_t>(index.row())]);
        change();
        if (!persistentBefore.isEmpty()) {
            const std::vector<int>& rows = visible.rows();
            std::vector<int> rowOfPosition(order.rows().size(), -1);
            for (std::size_t row = 0; row < rows.size(); ++row)
                rowOfPosition[static_cast<std::size_t>(rows[row])] = static_cast<int>(row);
            QModelIndexList persistentAfter;
            persistentAfter.reserve(persistentBefore.size());
            for (qsizetype i = 0; i < persistentBefore.size(); ++i) {
                const int position = persistentPositions[static_cast<std::size_t>(i)];
                const bool shown = position >= 0 && static_cast<std::size_t>(position) < rowOfPosition.size() &&
                                   rowOfPosition[static_cast<std::size_t>(position)] >= 0;
                persistentAfter.append(
                    shown ? index(rowOfPosition[static_cast<std::size_t>(position)], persistentBefore[i].column())
                          : QModelIndex());
            }
            changePersistentIndexList(persistentBefore, persistentAfter);
        }
    } catch (...) {
        // Only memory can run out here; the persistent indexes keep their rows.
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

TransactionTableModel::TransactionTableModel(QObject* parent) : QAbstractTableModel(parent) {
    folding.setInterval(0);
    connect(&folding, &QTimer::timeout, this, [this] {
        // A few milliseconds, so that a key typed meanwhile waits no longer.
        try {
            if (!db || visible.foldComments(*db, 4)) folding.stop();
        } catch (...) {
            // Only memory can run out here: the search folds them, or says so.
            folding.stop();
        }
    });
}

template <typename Change>
void TransactionTableModel::follow(Change change, Followed what) {
    QPersistentModelIndex appended;
    QMetaObject::Connection watch;
    if (what == Followed::Appended)
        watch = connect(this, &QAbstractItemModel::rowsInserted, this,
                        [&](const QModelIndex&, int, int last) { appended = index(last, 0); });
    try {
        change();
    } catch (...) {
        disconnect(watch);
        emit readFailed(std::current_exception());
        return;
    }
    disconnect(watch);
    resort();
    emit bookChangeShown(appended, what == Followed::All);
}

void TransactionTableModel::setBook(const Book& book) {
    setDatabase(&book.database());
    connect(&book, &Book::transactionAdded, this, [this](int position) {
        // The rows grow at the end only; a row back in the middle moves
        // every later position, so the rows are read again.
        if (db && position == db->transCount() - 1)
            follow([this] { appendLastTransaction(); }, Followed::Appended);
        else
            follow([this] { reload(); }, Followed::Row);
    });
    connect(&book, &Book::transactionChanged, this,
            [this](int index) { follow([&] { transactionModified(index); }, Followed::Row); });
    connect(&book, &Book::transactionRemoved, this,
            [this](int position) { follow([&] { transactionDeleted(position); }, Followed::Row); });
    connect(&book, &Book::reset, this, [this] { follow([this] { reload(); }, Followed::All); });
}

void TransactionTableModel::setDatabase(const AccountDB* database) {
    db = database;
    reload();
}

void TransactionTableModel::reload() {
    beginResetModel();
    try {
        order.reset(db ? db->transCount() : 0);
        sortKeys.clear();
        widths.invalidate();
        visible.forgetTexts();
        visible.refilter(db);
    } catch (...) {
        // Only memory can run out here: no rows rather than rows half read.
        order.clear();
        sortKeys.clear();
        widths.invalidate();
        visible.clear();
        endResetModel();
        throw;
    }
    endResetModel();
}

void TransactionTableModel::appendLastTransaction() {
    if (!db || db->transCount() == 0) return;
    const int position = db->transCount() - 1;
    if (order.size() != position) {
        // The rows no longer match the database but for its last record.
        reload();
        return;
    }
    const RowChange change = visible.appended(*db);
    widths.appended(*db);
    announce(change, [&] {
        order.appended();
        visible.apply(change, position);
    });
}

void TransactionTableModel::transactionModified(int transactionIndex) {
    if (!db) return;
    const int position = db->transPosition(transactionIndex);
    // The core modifies nothing for an index it doesn't hold.
    if (position < 0) return;
    if (order.size() != db->transCount()) {
        reload();
        return;
    }
    sortKeys.modified(*db, position);
    widths.modified(*db, position);
    order.modified(position);
    const RowChange change = visible.modified(*db, position);
    announce(change, [&] { visible.apply(change, position); });
}

void TransactionTableModel::transactionDeleted(int position) {
    if (!db) return;
    if (position < 0 || position >= order.size() || order.size() != db->transCount() + 1) {
        reload();
        return;
    }
    // The database closed the gap: every later transaction moved up one.
    // The rows follow before the removal is announced, so that what the
    // other rows show is already right while the view takes its leave of
    // the row; the row itself shows empty by then.
    const RowChange change = visible.vacate(position);
    const int row = order.vacate(position);
    announce(change, [&] {
        order.eraseRow(row);
        visible.erase(change, position);
        sortKeys.removed(position);
        widths.removed(position);
    });
}

void TransactionTableModel::clearRows() {
    beginResetModel();
    order.clear();
    sortKeys.clear();
    widths.invalidate();
    visible.clear();
    endResetModel();
}

void TransactionTableModel::sortByClick(int column) {
    sort.click(column);
    resort();
}

void TransactionTableModel::sortRows(int column, bool ascending) {
    if (column < 0 || column >= ColumnCount) return;
    sort.sortBy(column, ascending);
    if (!db) return;
    // Rows of transactions that are gone wait for the reload or the deletion
    // the model is about to be told of.
    if (order.size() > db->transCount()) return;
    try {
        // The keys come first, so that should they fail, nothing has changed.
        if (const std::optional<std::vector<int>> numbers = sortKeys.integerKeys(*db, column)) {
            relayout([&] {
                order.sortByIntegers(column, ascending, *numbers);
                visible.followOrder();
            });
            return;
        }
        PwText::PackedTexts dates;
        const PwText::PackedTexts& texts =
            column == CommentColumn ? sortKeys.commentKeys(*db) : (dates = sortKeys.dateKeys(*db));
        relayout([&] {
            order.sortByTexts(column, ascending, texts);
            visible.followOrder();
        });
    } catch (...) {
        // Only memory can run out here; the rows keep the order they had.
    }
}

void TransactionTableModel::retranslate() {
    // Of the cells only the In/Out words follow the language, and they may
    // sort otherwise. Stored texts read as stored in every language, so the
    // comments' keys, the widths and what a search finds all stay.
    order.forgetSort();
    emit headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
    if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void TransactionTableModel::setTextFont(const QFont& font) { widths.setFont(font); }

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
    const int position = visible.rows()[static_cast<std::size_t>(row)];
    return position >= 0 && position < db->transCount() ? db->transaction(position, false).index() : -1;
}

void TransactionTableModel::setSearch(const PwText::TransactionSearch& search) {
    if (visible.setSearch(search)) relayout([this] { visible.applySearch(db); });
    if (search.textMayFollow && db)
        folding.start();
    else
        folding.stop();
}

TransactionTableModel::ShownFigures TransactionTableModel::shownFigures() const {
    return db ? visible.shownFigures(*db) : ShownFigures{};
}

int TransactionTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(visible.rows().size());
}

int TransactionTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant TransactionTableModel::data(const QModelIndex& index, int role) const {
    if (!db || !index.isValid() || index.parent().isValid() || index.row() >= rowCount() ||
        index.column() >= ColumnCount)
        return QVariant();
    if (role == Qt::DisplayRole) {
        const int position = visible.rows()[static_cast<std::size_t>(index.row())];
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
        return title(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
