#pragma once

#include <QAbstractTableModel>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "bulkmemory.h"
#include "table/columnwidthtracker.h"
#include "find/foldedcomments.h"
#include "transactionsearch.h"

namespace KestLib {
class AccountDB;
class Transaction;
}  // namespace KestLib

// The rows of the main window's transaction table, read on demand from the
// database. The model keeps the row order as a permutation of database
// positions, so sorting a million rows moves integers, not cells.
//
// The model learns of the database's changes row by row, and never throws:
// a row whose transaction is gone (a change it wasn't told of yet) shows
// empty cells. After the core changed the database, the window calls:
// - appendLastTransaction() after AccountDB::addTransaction;
// - transactionModified(index) after AccountDB::modifyTransaction;
// - transactionDeleted(position) after AccountDB::deleteTransaction, with the
//   position the transaction had (AccountDB::transPosition before the delete);
// - reload() after anything else (a load, a reset);
// and then re-applies the current sort with sortRows, which only places the
// rows that changed. Persistent indexes (the view's selection and current
// row) follow their transactions through all of these.
//
// A search (setSearch) shows only the rows it takes, in the same order; the
// rows are then a subset of the permutation, kept through all of the above.
// Widths stay those of every transaction, so the window keeps its width.
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
    // The transaction with this index was just modified: its row shows the
    // new values (dataChanged for the whole row). The row stays where it is
    // until the next sortRows, which moves only this row.
    void transactionModified(int index);
    // The transaction that was at this database position was just deleted:
    // its row is removed (rowsRemoved), and the rows after it keep their order.
    void transactionDeleted(int position);
    // No rows (the database itself is left alone).
    void clearRows();
    // Stable sort of the rows: Index and Money by number, the other columns
    // by their shown text compared as plain strings.
    void sortRows(int column, bool ascending);
    // Texts were translated again: headers and cells are re-read.
    void retranslate();

    // The font the view draws the cells in, for widestText.
    void setTextFont(const QFont& font);
    // Whether an installed translation may show stored texts otherwise
    // (true at first); when none can, widths are kept several times quicker.
    void setTranslatesStoredText(bool translates);
    // The width in pixels of the widest text of a column over all rows,
    // kept as rows change, so fitting the columns costs no walk over a
    // million rows.
    int widestText(int column);

    // The index of the transaction shown in a row, or -1 for no such row.
    int transactionIndexAt(int row) const;

    // ---- Find ----
    // Shows only the rows of the transactions the search takes, in the
    // current order; one that takes all shows every row again. Persistent
    // indexes of rows still shown follow them, the others become invalid.
    void setSearch(const PwText::TransactionSearch& search);
    // True while a search hides rows.
    bool isFiltered() const { return filtering; }
    struct ShownFigures {
        int count = 0;
        std::int64_t balance = 0;  // income less outgoing
    };
    // How many transactions the rows show, and their balance.
    ShownFigures shownFigures() const;
    // ---- End of find.

    // The shown text of one cell; the translation context is "MainWindow".
    static QString cellText(const KestLib::AccountDB& database, const KestLib::Transaction& record, int column);
    static QString dateText(int year, int month, int day);
    static QString inOutText(bool income);
    // The shown name of the type with this id; empty for an id no type holds.
    static QString typeText(const KestLib::AccountDB& database, int typeId);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    // The shown texts of a text column, one per database position, back to
    // back.
    struct TextKeys {
        std::basic_string<char16_t, std::char_traits<char16_t>, KestLib::BulkAllocator<char16_t>> chars;
        std::vector<std::uint32_t, KestLib::BulkAllocator<std::uint32_t>> ends;  // ends[p]: where text p ends
        int size() const { return static_cast<int>(ends.size()); }
        std::u16string_view at(int position) const;
        // A stable sort of rows (positions) by their texts, in the order
        // comparing the texts gives, or its reverse.
        void sortRows(std::vector<int>& rows, bool ascending) const;
        void reserve(std::size_t texts, std::size_t characters);
        void append(std::u16string_view text);
        void replace(int position, std::u16string_view text);
        void erase(int position);
        void clear();
    };

    // True when every row's position names a transaction of the database.
    bool rowsInDatabase() const;
    // The row showing a database position; -1 for none.
    int rowOf(int position) const;
    // Sorts the rows with less between the layout signals, persistent
    // indexes following their transactions.
    // sortAll(rows, ascending) sorts every row stably, as less would.
    template <typename Less, typename SortAll>
    void reorder(int column, bool ascending, Less less, SortAll sortAll);
    std::optional<std::vector<int>> integerKeys(int column) const;
    const TextKeys& commentTextKeys();
    // The shown text of a stored comment, in text; decodes each Big5 pair
    // through pairUnits, so that only comments with bytes Big5 can't read
    // plainly go through the converter.
    void shownComment(std::string_view stored, std::u16string& text);
    bool decodeBig5(std::string_view stored, std::u16string& text);
    TextKeys dateTextKeys() const;
    void forgetOrder();

    // ---- Find ----
    // The rows as the view sees them: row -> position.
    const std::vector<int>& rows() const { return filtering ? shownOrder : rowOrder; }
    // The row of the view showing a database position; -1 for none.
    int shownRowOf(int position) const;
    // Whether the search takes the transaction at this position; the type
    // names and, for a text, the folded comments must be at hand.
    bool takes(int position) const;
    // Which type names hold the search's text.
    void findTypeNames();
    // taken and shownOrder afresh from the database and rowOrder, no signal.
    void filterRows();
    // filterRows, or every row shown when memory runs out.
    void filterOrShowAll();
    // shownOrder in the order of rowOrder again, after a sort.
    void followOrder();
    // The search applied again to every row, persistent indexes following.
    void refilter();
    // The transaction at the position was just modified: its row comes,
    // changes or goes as the search now takes it.
    void refilterModified(int position);

    PwText::TransactionSearch search;
    bool filtering = false;
    std::vector<int> shownOrder;       // row -> position, while filtering
    std::vector<std::uint8_t> taken;   // by position, while filtering: 1 when shown
    std::array<bool, KestLib::TypeIdTable::capacity> typeNameTaken{};
    FoldedComments foldedComments;
    // ---- End of find.

    const KestLib::AccountDB* db = nullptr;
    std::vector<int> rowOrder;  // row -> position in the database
    // Comments decoded for sorting, kept while positions keep their
    // transactions, so re-applying a sort after an added row decodes one
    // comment, not a million.
    TextKeys commentKeys;
    // Whether a translation may show a stored comment otherwise: until one
    // is known not to, each comment is looked up as it is shown.
    bool storedTextTranslated = true;
    // For each Big5 lead and trail byte pair, the one UTF-16 character it
    // decodes to; unknownPair until met, notOnePair for a pair that doesn't
    // decode to one plain character on its own.
    std::vector<char16_t> pairUnits;
    // The first sortedRows rows are in order by sortedColumn in that
    // direction, but for the rows of strayPositions (modified since), so
    // re-applying the sort after a change only places the rows it touched.
    int sortedColumn = -1;
    bool sortedAscending = true;
    std::size_t sortedRows = 0;
    std::vector<int> strayPositions;
    ColumnWidthTracker widths;
};
