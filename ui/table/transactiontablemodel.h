#pragma once

#include <QAbstractTableModel>
#include <QTimer>

#include "ui/table/columnwidthtracker.h"
#include "ui/table/rowchange.h"
#include "ui/table/roworder.h"
#include "ui/table/transactioncolumns.h"
#include "ui/table/transactionsortkeys.h"
#include "ui/table/visiblerows.h"
#include "text/transactionsearch.h"

namespace KestLib {
class AccountDB;
class Transaction;
}  // namespace KestLib

// The rows of the main window's transaction table, read on demand from the
// database: the Qt face of the pieces that keep them, the row order and its
// sorts (RowOrder, TransactionSortKeys), the rows a search shows
// (VisibleRows) and the widest texts (ColumnWidthTracker).
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
// rows are then a subset of the order, kept through all of the above.
// Widths stay those of every transaction, so the window keeps its width.
class TransactionTableModel : public QAbstractTableModel, public TransactionColumns {
    Q_OBJECT

public:
    using ShownFigures = VisibleRows::ShownFigures;

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

private:
    // Tells the view of a change of rows, making it with apply in between.
    template <typename Apply>
    void announce(const RowChange& change, Apply apply);
    // Moves the rows with change between the layout signals, persistent
    // indexes following their transactions (or becoming invalid with a row
    // that is no longer shown).
    template <typename Change>
    void relayout(Change change);

    const KestLib::AccountDB* db = nullptr;
    RowOrder order;
    TransactionSortKeys sortKeys;
    VisibleRows visible{order};
    ColumnWidthTracker widths;
    QTimer folding;
};
