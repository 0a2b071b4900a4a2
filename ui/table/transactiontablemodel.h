#pragma once

#include <QAbstractTableModel>
#include <QTimer>
#include <exception>

#include "text/transactionsearch.h"
#include "ui/book/transactioncolumns.h"
#include "ui/table/columnwidthtracker.h"
#include "ui/table/rowchange.h"
#include "ui/table/roworder.h"
#include "ui/table/tablesort.h"
#include "ui/table/transactionsortkeys.h"
#include "ui/table/visiblerows.h"

class Book;

namespace KestLib {
class AccountDB;
class Transaction;
}  // namespace KestLib

// The rows of the main window's transaction table, read on demand from the
// database: the Qt face of the pieces that keep them, the row order and its
// sorts (RowOrder, TransactionSortKeys), the rows a search shows
// (VisibleRows) and the widest texts (ColumnWidthTracker).
//
// Given a Book, the model follows it: each change of a transaction moves,
// changes or removes only its row, anything else reads the rows again, and
// the sort is then re-applied; persistent indexes (the view's selection and
// current row) follow their transactions. The model never throws: a row
// whose transaction is gone shows empty cells.
//
// A search (setSearch) shows only the rows it takes, in the same order; the
// rows are then a subset of the order, kept through all of the above.
// Widths stay those of every transaction, so the window keeps its width.
class TransactionTableModel : public QAbstractTableModel, public TransactionColumns {
    Q_OBJECT

public:
    using ShownFigures = VisibleRows::ShownFigures;

    explicit TransactionTableModel(QObject* parent = nullptr);

    // The book whose transactions are shown and followed; not owned, and
    // given once.
    void setBook(const Book& book);
    // A database shown as it is, told of its changes through the calls below.
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
    // by their shown text compared as plain strings. The sort is kept and
    // re-applied after each change of the book.
    void sortRows(int column, bool ascending);
    // A click on a column's header: by that column, or the other way round
    // when the rows are sorted by it already.
    void sortByClick(int column);
    // The rows in the kept sort again, which places only the rows that changed.
    void resort() { sortRows(sort.sortColumn(), sort.isAscending()); }
    // Texts were translated again: headers and cells are re-read.
    void retranslate();

    // The font the view draws the cells in, for widestText.
    void setTextFont(const QFont& font);
    // The width in pixels of the widest text of a column over all rows,
    // kept as rows change, so fitting the columns costs no walk over a
    // million rows.
    int widestText(int column);

    // The rows there are without a search.
    int unfilteredRowCount() const { return order.size(); }

    // The index of the transaction shown in a row, or -1 for no such row.
    int transactionIndexAt(int row) const;

    // ---- Find ----
    // Shows only the rows of the transactions the search takes, in the
    // current order; one that takes all shows every row again. Persistent
    // indexes of rows still shown follow them, the others become invalid.
    // While a text may follow, the comments are folded for it meanwhile, a
    // few milliseconds at a time whenever no other event waits.
    void setSearch(const PwText::TransactionSearch& search);
    // True while a search hides rows.
    bool isFiltered() const { return visible.isFiltered(); }
    // How many transactions the rows show, and their balance.
    ShownFigures shownFigures() const;
    // ---- End of find.

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The rows followed a change of the book and are sorted again; the
    // texts and widths may differ. appended is the row of a transaction
    // just added at the end, if it is shown; readAgain tells a whole new
    // book (new, open, close, an import) from a change of one transaction.
    void bookChangeShown(const QModelIndex& appended, bool readAgain);
    // Following a change failed (memory ran out); rows that could not be
    // read again are empty.
    void readFailed(std::exception_ptr error);

private:
    // A change of the book, then the sort; after a failure the rows are
    // empty and the failure is reported.
    enum class Followed { Row, Appended, All };
    template <typename Change>
    void follow(Change change, Followed what);
    // Tells the view of a change of rows, making it with apply in between.
    template <typename Apply>
    void announce(const RowChange& change, Apply apply);
    // Moves the rows with change between the layout signals, persistent
    // indexes following their transactions (or becoming invalid with a row
    // that is no longer shown).
    template <typename Change>
    void relayout(Change change);

    const KestLib::AccountDB* db = nullptr;
    TableSort sort;
    RowOrder order;
    TransactionSortKeys sortKeys;
    VisibleRows visible{order};
    ColumnWidthTracker widths;
    QTimer folding;
};
