#pragma once

#include <QTableView>

class TransactionTableModel;

// The main window's transaction table: read-only, one whole row selected at
// a time, sorted only by the window (a header click is the window's to
// handle), and every column as wide as the widest cell of any row, so no
// cell of a large book shows cut short. A transaction added at the end
// becomes the current row, selected and in view, wherever the sort put it. From the keyboard the arrows, Page
// Up and Down, Home and End move the current row; Enter and a double-click
// ask for it to be modified, Delete for it to be deleted.
class TransactionTableView : public QTableView {
    Q_OBJECT

public:
    // The model is not owned.
    TransactionTableView(TransactionTableModel* model, QWidget* parent = nullptr);

    // Each column as wide as its widest cell over all rows, or as its header.
    void fitColumns();
    // The width that shows every column whole beside the row numbers and the
    // vertical scroll bar.
    int fullWidth() const;

signals:
    // The columns were fitted again after a change of the book.
    void columnsFitted();
    // Enter, Return or a double-click on a row, which is then the current one.
    void modifyRequested();
    // The Delete key.
    void deleteRequested();

protected:
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;

private:
    // What a cell adds around its text: the style's margins and the grid line.
    int cellPadding() const;

    TransactionTableModel* tableModel;
};
