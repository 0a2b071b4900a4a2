#pragma once

#include <QTableView>

class TransactionTableModel;

// The main window's transaction table: read-only, one whole row selected at
// a time, no keyboard focus, sorted only by the window (a header click is
// the window's to handle), and every column as wide as the widest cell of
// any row, so no cell of a large book shows cut short.
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

protected:
    void changeEvent(QEvent* event) override;

private:
    // What a cell adds around its text: the style's margins and the grid line.
    int cellPadding() const;

    TransactionTableModel* tableModel;
};
