#include "ui/table/transactiontableview.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <algorithm>

#include "ui/table/transactiontablemodel.h"

TransactionTableView::TransactionTableView(TransactionTableModel* model, QWidget* parent)
    : QTableView(parent), tableModel(model) {
    setModel(model);
    tableModel->setTextFont(font());
    setFocusPolicy(Qt::StrongFocus);
    // Tab leaves the table (for the find bar) instead of walking its cells.
    setTabKeyNavigation(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    // All sorting goes through the window, which keeps the direction rules.
    setSortingEnabled(false);
    horizontalHeader()->setSectionsClickable(true);
    // Rows as high as a line of text, so that a window shows many of them.
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    fitColumns();
    connect(this, &QAbstractItemView::doubleClicked, this, &TransactionTableView::modifyRequested);
    connect(model, &TransactionTableModel::bookChangeShown, this, [this](const QModelIndex& appended, bool readAgain) {
        // A book read afresh with no transactions keeps the widths it had.
        if (!readAgain || tableModel->unfilteredRowCount() > 0) {
            fitColumns();
            emit columnsFitted();
        }
        if (!appended.isValid()) return;
        // The column the user was in stays, so the view doesn't scroll sideways.
        const QModelIndex target = this->model()->index(appended.row(), std::max(0, currentIndex().column()));
        setCurrentIndex(target);
        scrollTo(target);
    });
}

void TransactionTableView::keyPressEvent(QKeyEvent* event) {
    // The keypad's Enter and Delete count as the main keys.
    const bool plain = (event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier)) == Qt::NoModifier;
    const int key = event->key();
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Delete)) {
        event->accept();
        if (key == Qt::Key_Delete)
            emit deleteRequested();
        else
            emit modifyRequested();
        return;
    }
    // Shift+F10 is the right-click menu's key, beside the Menu key the
    // system already turns into one; it opens at the current row.
    if (key == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        event->accept();
        const QRect cell = visualRect(currentIndex());
        const QPoint at = cell.isValid() ? cell.center() : QPoint(0, 0);
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, viewport()->mapToGlobal(at));
        QCoreApplication::sendEvent(viewport(), &menu);
        return;
    }
    QTableView::keyPressEvent(event);
}

QModelIndex TransactionTableView::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) {
    // A row is what is chosen here, so Home and End go to the first and the
    // last row, as Ctrl+Home and Ctrl+End do, not to the row's first and last cell.
    if (cursorAction == MoveHome || cursorAction == MoveEnd) modifiers |= Qt::ControlModifier;
    return QTableView::moveCursor(cursorAction, modifiers);
}

void TransactionTableView::fitColumns() {
    QHeaderView* header = horizontalHeader();
    const int padding = cellPadding();
    for (int column = 0; column < TransactionTableModel::ColumnCount; ++column) {
        // The model keeps the widest text over all rows, so no row is left
        // unmeasured however large the book.
        const int text = tableModel->widestText(column);
        const int cells = text > 0 ? text + padding : 0;
        const int title = header->isHidden() ? 0 : header->sectionSizeHint(column);
        header->resizeSection(column, std::max(cells, title));
    }
}

int TransactionTableView::fullWidth() const {
    const QHeaderView* rowHeader = verticalHeader();
    const int rowHeaderWidth =
        rowHeader->isHidden() ? 0 : std::max(rowHeader->minimumWidth(), rowHeader->sizeHint().width());
    // The vertical scroll bar is counted too, so that it never covers the
    // last column.
    const int scrollBarWidth = verticalScrollBar()->sizeHint().width();
    return horizontalHeader()->length() + rowHeaderWidth + scrollBarWidth + 2 * frameWidth();
}

void TransactionTableView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) tableModel->setTextFont(font());
    QTableView::changeEvent(event);
}

int TransactionTableView::cellPadding() const {
    // A cell's width as the style gives it for a one-character text, less
    // that character: what the view adds to any text.
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.features |= QStyleOptionViewItem::HasDisplay;
    option.text = QStringLiteral("0");
    const int cell = style()->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), this).width();
    const int grid = showGrid() ? 1 : 0;
    return std::max(0, cell - option.fontMetrics.horizontalAdvance(option.text)) + grid;
}
