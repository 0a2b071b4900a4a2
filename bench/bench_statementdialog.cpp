// The statement dialog on a bank CSV of 100,000 rows: opening it (read,
// plan and the first paint of the preview), a change of a column's mapping
// and of the duplicates choice, each read and planned anew, and the import
// through the book with its one undo step. Runs without a display.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QSettings>
#include <QTableView>
#include <memory>

#include "bench/benchmain.h"
#include "core/accountdb.h"
#include "ui/book/book.h"
#include "ui/statements/statementimportdialog.h"
#include "ui/statements/statementmappings.h"

namespace {

constexpr int statementRows = 100'000;

// A German bank's export: day-first dates, decimal commas, fifty payees.
const QByteArray& bigStatement() {
    static const QByteArray bytes = [] {
        QByteArray text = "Buchungstag;Verwendungszweck;Betrag\r\n";
        for (int row = 0; row < statementRows; ++row) {
            text += QByteArray::number(row % 28 + 1).rightJustified(2, '0') + '.' +
                    QByteArray::number(row / 28 % 12 + 1).rightJustified(2, '0') + '.' +
                    QByteArray::number(2000 + row / 336 % 26) + ";Payee " + QByteArray::number(row % 50) + ";" +
                    (row % 7 == 0 ? "" : "-") + QByteArray::number(row % 900 + 1) + ',' +
                    QByteArray::number(row % 100).rightJustified(2, '0') + "\r\n";
        }
        return text;
    }();
    return bytes;
}

StatementMappings& mappings() {
    static StatementMappings remembered(std::make_unique<QSettings>(
        QDir::temp().filePath(QStringLiteral("pennywell-bench-statements.ini")), QSettings::IniFormat));
    return remembered;
}

// A new book (0), or one that holds the statement already (1), whose every
// row is then a duplicate.
std::unique_ptr<Book> books[2];

Book& bookOf(int holdsStatement) {
    std::unique_ptr<Book>& book = books[holdsStatement];
    if (!book) {
        book = std::make_unique<Book>();
        book->startNew("Bench");
        if (holdsStatement) {
            const StatementImportDialog dialog(book->database(), bigStatement(), mappings());
            book->importStatement(dialog.plan());
        }
    }
    return *book;
}

void openDialog(benchmark::State& state) {
    const Book& book = bookOf(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        StatementImportDialog dialog(book.database(), bigStatement(), mappings());
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.plan().newCount());
    }
}

void changeMapping(benchmark::State& state) {
    StatementImportDialog dialog(bookOf(static_cast<int>(state.range(0))).database(), bigStatement(), mappings());
    dialog.show();
    QApplication::processEvents();
    auto* comment = dialog.findChild<QComboBox*>(QStringLiteral("column2"));
    const int commentItem = comment->currentIndex();
    const int ignoreItem = comment->findText(QStringLiteral("Ignore"));
    bool ignored = false;
    for (auto _ : state) {
        ignored = !ignored;
        comment->setCurrentIndex(ignored ? ignoreItem : commentItem);
        QApplication::processEvents();
    }
}

void keepDuplicates(benchmark::State& state) {
    StatementImportDialog dialog(bookOf(1).database(), bigStatement(), mappings());
    dialog.show();
    QApplication::processEvents();
    auto* keep = dialog.findChild<QCheckBox*>(QStringLiteral("keepDuplicatesBox"));
    for (auto _ : state) {
        keep->toggle();
        QApplication::processEvents();
    }
}

// From OK to the rows in the book and its undo step; the undo keeps the
// book empty for the next round.
void importThroughBook(benchmark::State& state) {
    Book& book = bookOf(0);
    const StatementImportDialog dialog(book.database(), bigStatement(), mappings());
    for (auto _ : state) {
        book.importStatement(dialog.plan());
        state.PauseTiming();
        if (book.database().transCount() != statementRows) state.SkipWithError("not imported");
        book.undo();
        state.ResumeTiming();
    }
}

}  // namespace

// Before the application goes.
[[maybe_unused]] const bool booksClosed = BenchMain::afterRuns([] {
    for (auto& book : books) book.reset();
});

BENCHMARK(openDialog)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(changeMapping)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(keepDuplicates)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(importThroughBook)->Unit(benchmark::kMillisecond)->Iterations(5);
