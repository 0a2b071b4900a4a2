#pragma once

#include <QCoreApplication>
#include <QObject>

class Book;
class QLabel;
class QStatusBar;
class TransactionTableModel;

// The status bar's labels: whether the book is saved, always, the match
// figures beside it while a search hides rows, and a quiet mark of a book in
// the newer format. They follow the book and the table.
class WindowStatus : public QObject {
    // The texts belong to the window, whose status bar this is.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // The labels go into bar, which owns them and this object.
    WindowStatus(QStatusBar* bar, const Book& book, const TransactionTableModel& model);

    // Both labels, in the current language.
    void update();
    void updateFind();

private:
    void updateFormat();
    // A new book that became format 2 says so once.
    void tellConverted();

    QStatusBar* bar;
    const Book& book;
    const TransactionTableModel& model;
    QLabel* saved;
    QLabel* found;
    QLabel* format;
};
