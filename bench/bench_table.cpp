// The transaction table with a million transactions: opening a book until
// the table is filled and sorted, and re-applying the sort after one added,
// modified or deleted transaction, columns fitted to every row as the window
// fits them. Opening and the first sort also in a book of format 2 (2
// decimals), which should stay within 1.3 times format 1. Runs without a display.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>

#include <filesystem>
#include <random>

#include "bench/benchprompts.h"
#include "core/accountdb.h"
#include "tests/support/generatedbook.h"
#include "text/booktext.h"
#include "ui/table/transactiontablemodel.h"
#include "ui/table/transactiontableview.h"
#include "ui/window/mainwindow.h"

using KestLib::AccountDB;
using KestLib::Transaction;

namespace {

constexpr int bookSize = 1'000'000;

// The household book: 30 types, some with Chinese names, and comments of 0
// to 40 bytes mixing English and Big5 words, written once to a file; the
// same book converted to format 2 with 2 decimals in another.
class BigBook {
public:
    // Each book is made the first time it is asked for, and only then: making
    // the other one too would change the heap the timed code runs in.
    static const BigBook& instance(int format = 1) {
        if (format == 2) {
            static const BigBook format2(2);
            return format2;
        }
        static const BigBook format1(1);
        return format1;
    }
    ~BigBook() { std::filesystem::remove(path); }

    std::string path;

    Transaction randomTransaction(std::mt19937& random) const {
        return BenchBooks::householdTransaction(random, BenchBooks::HouseholdShape{});
    }

private:
    explicit BigBook(int format) {
        path = (std::filesystem::temp_directory_path() /
                (format == 2 ? "pennywell-bench-1m-format2.pwdb" : "pennywell-bench-1m.pwdb"))
                   .string();
        std::string written = path;
        AccountDB book = BenchBooks::householdBook(bookSize, BenchBooks::HouseholdShape{});
        if (format == 2) PwText::convertToFormat2(book, 2);
        book.saveFile(written);
    }
};

// range(0): the book's format.
void openThroughMainWindow(benchmark::State& state) {
    const BigBook& book = BigBook::instance(static_cast<int>(state.range(0)));
    BenchPrompts prompts;
    MainWindow window;
    window.setPrompts(&prompts);
    window.setLangDir(QDir::tempPath() + QStringLiteral("/pennywell-bench-no-languages"));
    window.initWindow();
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state) {
        window.openFile(QString::fromStdString(book.path));
        // The first paint of the filled table belongs to the wait too.
        QCoreApplication::processEvents();
    }
    if (window.database().transCount() != bookSize) state.SkipWithError(qPrintable(prompts.lastWarning));
}

// The same steps without the window, to see where the time goes:
// range(0) = 0 load only, 1 load + reload rows, 2 + fit columns, 3 + sort by Index.
void openStepByStep(benchmark::State& state) {
    const BigBook& book = BigBook::instance();
    const int steps = static_cast<int>(state.range(0));
    AccountDB db;
    TransactionTableModel model;
    model.setDatabase(&db);
    TransactionTableView view(&model);
    for (auto _ : state) {
        db.loadFile(book.path);
        if (steps >= 1) model.reload();
        if (steps >= 2) view.fitColumns();
        if (steps >= 3) model.sortRows(TransactionTableModel::IndexColumn, true);
    }
}

// A table of the whole book, columns fitted and sorted by column, ascending,
// as the main window shows it.
struct SortedTable {
    AccountDB db;
    TransactionTableModel model;
    TransactionTableView view{&model};

    explicit SortedTable(int column) {
        db.loadFile(BigBook::instance().path);
        model.setDatabase(&db);
        view.fitColumns();
        model.sortRows(column, true);
    }
};

// Each iteration adds one transaction and re-applies the sort as the main
// window does, columns fitted (range(1) = 1) or not.
void resortAfterOneAdded(benchmark::State& state) {
    const BigBook& book = BigBook::instance();
    const int column = static_cast<int>(state.range(0));
    const bool fit = state.range(1) != 0;
    SortedTable table(column);
    std::mt19937 random(7);
    for (auto _ : state) {
        Transaction record = book.randomTransaction(random);
        table.db.addTransaction(record);
        table.model.appendLastTransaction();
        if (fit) table.view.fitColumns();
        table.model.sortRows(column, true);
    }
}

// Each iteration gives a transaction new random values, tells the model and
// re-applies the sort with the columns fitted, as the window will.
void resortAfterOneModified(benchmark::State& state) {
    const BigBook& book = BigBook::instance();
    const int column = static_cast<int>(state.range(0));
    SortedTable table(column);
    std::mt19937 random(8);
    for (auto _ : state) {
        const int index = table.db.transaction(static_cast<int>(random() % bookSize), false).index();
        Transaction record = book.randomTransaction(random);
        record.setIndex(index);
        table.db.modifyTransaction(record);
        table.model.transactionModified(index);
        table.view.fitColumns();
        table.model.sortRows(column, true);
    }
}

// Each iteration deletes a transaction, tells the model and re-applies the
// sort with the columns fitted.
void resortAfterOneDeleted(benchmark::State& state) {
    const int column = static_cast<int>(state.range(0));
    SortedTable table(column);
    std::mt19937 random(9);
    for (auto _ : state) {
        const int position = static_cast<int>(random() % static_cast<unsigned>(table.db.transCount()));
        table.db.deleteTransaction(table.db.transaction(position, false).index());
        table.model.transactionDeleted(position);
        table.view.fitColumns();
        table.model.sortRows(column, true);
    }
}

// The first sort by a column of a freshly loaded book (no texts cached), as
// the window sorts in any language; range(1): the book's format.
void firstSortAfterLoad(benchmark::State& state) {
    const BigBook& book = BigBook::instance(static_cast<int>(state.range(1)));
    const int column = static_cast<int>(state.range(0));
    AccountDB db;
    db.loadFile(book.path);
    TransactionTableModel model;
    model.setDatabase(&db);
    for (auto _ : state) {
        state.PauseTiming();
        model.reload();
        state.ResumeTiming();
        model.sortRows(column, true);
    }
}

}  // namespace

BENCHMARK(openThroughMainWindow)->DenseRange(1, 2)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(openStepByStep)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(resortAfterOneAdded)
    ->ArgsProduct({{TransactionTableModel::IndexColumn, TransactionTableModel::DateColumn,
                    TransactionTableModel::MoneyColumn, TransactionTableModel::TypeColumn,
                    TransactionTableModel::CommentColumn},
                   {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(resortAfterOneModified)
    ->DenseRange(TransactionTableModel::IndexColumn, TransactionTableModel::CommentColumn)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(resortAfterOneDeleted)
    ->DenseRange(TransactionTableModel::IndexColumn, TransactionTableModel::CommentColumn)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(firstSortAfterLoad)
    ->ArgsProduct({benchmark::CreateDenseRange(TransactionTableModel::IndexColumn, TransactionTableModel::CommentColumn,
                                               1),
                   {1, 2}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
