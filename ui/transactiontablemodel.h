#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace KestLib {
class AccountDB;
class Transaction;
}  // namespace KestLib

// The rows of the main window's transaction table, read on demand from the
// database. The model keeps the row order as a permutation of database
// positions, so sorting a million rows moves integers, not cells.
class TransactionTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Column { IndexColumn, DateColumn, InOutColumn, MoneyColumn, TypeColumn, CommentColumn, ColumnCount };

    explicit TransactionTableModel(QObject* parent = nullptr);

    // The database whose transactions are shown; not owned.
    void setDatabase(const KestLib::AccountDB* database);

    // Every transaction again, rows in database order.
    void reload();
    // The database's last transaction was just added: one row more at the end.
    void appendLastTransaction();
    // No rows (the database itself is left alone).
    void clearRows();
    // Stable sort of the rows: Index and Money by number, the other columns
    // by their shown text compared as plain strings.
    void sortRows(int column, bool ascending);
    // Texts were translated again: headers and cells are re-read.
    void retranslate();

    // The index of the transaction shown in a row, or -1 for no such row.
    int transactionIndexAt(int row) const;

    // The shown text of one cell; the translation context is "MainWindow".
    static QString cellText(const KestLib::AccountDB& database, const KestLib::Transaction& record, int column);
    static QString dateText(int year, int month, int day);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // The shown texts of a text column, one per database position, back to
    // back.
    struct TextKeys {
        std::u16string chars;
        std::vector<std::uint32_t> ends;  // ends[p]: where the text of position p ends
        int size() const { return static_cast<int>(ends.size()); }
        std::u16string_view at(int position) const;
        void append(std::u16string_view text);
        void clear();
    };

    std::optional<std::vector<int>> integerKeys(int column) const;
    const TextKeys& commentTextKeys();
    TextKeys dateTextKeys() const;
    void forgetOrder();

    const KestLib::AccountDB* db = nullptr;
    std::vector<int> rowOrder;  // row -> position in the database
    // Comments decoded for sorting, kept while positions keep their
    // transactions, so re-applying a sort after an added row decodes one
    // comment, not a million.
    TextKeys commentKeys;
    // The first sortedRows rows are in order by sortedColumn in that
    // direction, so re-applying the sort after appended rows only places them.
    int sortedColumn = -1;
    bool sortedAscending = true;
    std::size_t sortedRows = 0;
};
