// The find bar over a million transactions: each change of the search, from
// the change to the table shown again with its match figures, must answer
// within 200 ms, and each key typed into the bar within 100 ms, from the key
// to the table painted, the first keys in a book just opened included; each
// in a book of format 1 and in the same book in format 2 (UTF-8 texts, 2
// decimals), which should stay within 1.3 times format 1. Runs without a
// display.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTableView>

#include <filesystem>

#include "bench/benchmain.h"
#include "bench/benchprompts.h"
#include "bench/findtypist.h"
#include "core/accountdb.h"
#include "tests/support/generatedbook.h"
#include "text/big5text.h"
#include "text/booktext.h"
#include "text/transactionsearch.h"
#include "ui/find/filterbar.h"
#include "ui/table/transactiontablemodel.h"
#include "ui/table/transactiontableview.h"
#include "ui/window/mainwindow.h"

using KestLib::AccountDB;
using PwText::TransactionSearch;

namespace {

constexpr int bookSize = 1'000'000;

// The generated book in format 1, or converted to format 2 with 2 decimals.
AccountDB generatedBook(int format) {
    AccountDB book = BenchBooks::generateBook(bookSize);
    if (format == 2) PwText::convertToFormat2(book, 2);
    return book;
}

// Each format's book is made the first time it is asked for, and only then.
const AccountDB& bigBook(int format) {
    if (format == 2) {
        static const AccountDB book = generatedBook(2);
        return book;
    }
    static const AccountDB book = generatedBook(1);
    return book;
}

// What each kind of change alternates between, so that every iteration
// really changes the search.
enum Kind { Text, Big5Text, Type, InOut, Dates, Everything, OpenAndClose };

TransactionSearch searchOf(int kind, bool second) {
    TransactionSearch search;
    switch (kind) {
    case Text: search.setText(second ? QStringLiteral("ab") : QStringLiteral("Ba")); break;
    case Big5Text: search.setText(QString::fromUtf8(second ? "中" : "文")); break;
    case Type:
        search.selection.allTypes = false;
        search.selection.types.set(second ? 3 : 4);
        break;
    case InOut:
        search.selection.inOut = second ? KestLib::InOutSelector::Income : KestLib::InOutSelector::Outgoing;
        break;
    case Dates:
        search.selection.range.first = KestLib::packDate(second ? 2003 : 2004, 1, 1);
        search.selection.range.last = KestLib::packDate(second ? 2003 : 2005, 12, 31);
        break;
    case Everything:
        search.setText(second ? QStringLiteral("a") : QStringLiteral("e"));
        search.selection.allTypes = false;
        search.selection.types.set(second ? 3 : 4);
        search.selection.inOut = KestLib::InOutSelector::Outgoing;
        search.selection.range.first = KestLib::packDate(2002, 1, 1);
        search.selection.range.last = KestLib::packDate(2007, 12, 31);
        break;
    case OpenAndClose:
        // The bar closed (every row again) and a text typed once more.
        if (second) search.setText(QStringLiteral("ab"));
        break;
    }
    return search;
}

// A table of the whole book as the window shows it: sorted by date, a row
// selected, shown, so that the view follows every change and paints.
struct ShownTable {
    TransactionTableModel model;
    TransactionTableView view{&model};

    explicit ShownTable(int format) {
        model.setDatabase(&bigBook(format));
        view.fitColumns();
        model.sortRows(TransactionTableModel::DateColumn, true);
        view.resize(800, 600);
        view.show();
        view.selectRow(10);
        QCoreApplication::processEvents();
    }
};

// range(0): the kind of change; range(1): the book's format. The comments
// were decoded for an earlier text, as they are from the second keystroke on.
void searchChange(benchmark::State& state) {
    const int kind = static_cast<int>(state.range(0));
    ShownTable table(static_cast<int>(state.range(1)));
    TransactionSearch warmUp;
    warmUp.setText(QStringLiteral("x"));
    table.model.setSearch(warmUp);
    bool second = false;
    std::int64_t shown = 0;
    for (auto _ : state) {
        second = !second;
        table.model.setSearch(searchOf(kind, second));
        shown += table.model.shownFigures().count;
        QCoreApplication::processEvents();
    }
    state.counters["shown"] = benchmark::Counter(static_cast<double>(shown), benchmark::Counter::kAvgIterations);
}

// The first text searched for in a book: every comment decoded and folded,
// once for as long as the book stays open. range(0): the book's format.
void firstTextSearch(benchmark::State& state) {
    ShownTable table(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        table.model.setSearch(TransactionSearch());
        table.model.reload();  // as after opening the book: no comment decoded yet
        QCoreApplication::processEvents();
        state.ResumeTiming();
        table.model.setSearch(searchOf(Text, true));
        benchmark::DoNotOptimize(table.model.shownFigures());
        QCoreApplication::processEvents();
    }
}

std::string bookPath(int format) {
    return (std::filesystem::temp_directory_path() /
            (format == 2 ? "pennywell-bench-find-format2.pwdb" : "pennywell-bench-find.pwdb"))
        .string();
}

// The generated book of a format written to a file, as the window opens it;
// removed when the benchmarks end.
std::string writeBook(int format) {
    std::string written = bookPath(format);
    AccountDB copy = generatedBook(format);
    copy.saveFile(written);
    return written;
}
const std::string& writtenBook(int format) {
    if (format == 2) {
        static const std::string path = writeBook(2);
        return path;
    }
    static const std::string path = writeBook(1);
    return path;
}

// The main window as a user has it: shown, no languages.
struct FindWindow {
    BenchPrompts prompts;
    MainWindow window;

    FindWindow() {
        window.setPrompts(&prompts);
        window.setLangDir(QDir::tempPath() + QStringLiteral("/pennywell-bench-no-languages"));
        window.initWindow();
        window.show();
    }
    QAction* findAction() { return window.findChild<QAction*>(QStringLiteral("findAct")); }
};

// Through the window: the bar tells of the change (as its typing pause ends,
// or at once for a choice), the window filters the table and writes the
// figures, the table paints. range(0): 0 a text, 1 a type.
void searchChangeInWindow(benchmark::State& state) {
    const bool typing = state.range(0) == 0;
    FindWindow shown;
    MainWindow& window = shown.window;
    BenchPrompts& prompts = shown.prompts;
    window.openFile(QString::fromStdString(writtenBook(1)));
    shown.findAction()->trigger();
    auto* bar = window.findChild<FilterBar*>();
    auto* text = window.findChild<QLineEdit*>(QStringLiteral("findText"));
    auto* types = window.findChild<QComboBox*>(QStringLiteral("findType"));
    text->setText(QStringLiteral("x"));
    emit bar->searchChanged();
    QCoreApplication::processEvents();
    bool second = false;
    for (auto _ : state) {
        second = !second;
        if (typing) {
            text->setText(second ? QStringLiteral("ab") : QStringLiteral("Ba"));
            emit bar->searchChanged();  // the pause ends
        } else {
            const int item = second ? 4 : 5;
            types->setCurrentIndex(item);
            emit types->activated(item);
        }
        QCoreApplication::processEvents();
    }
    if (window.database().transCount() != bookSize) state.SkipWithError(qPrintable(prompts.lastWarning));
}

// What the user waits for when typing a word into the find bar of a book
// just opened: the key, the bar's typing pause, the search and the table
// painted. range(0): the word, 0 "rent" (a quarter of the comments hold an
// "r", few a "re") or 1 "type" (every type name holds it, so every row
// stays); range(1): which of its keys is timed, 1 to 3; the ones before it
// are typed first, untimed, each waited for as a typist would; range(2): the
// book's format.
void keystrokeInOpenedBook(benchmark::State& state) {
    const QString word = state.range(0) == 0 ? QStringLiteral("rent") : QStringLiteral("type");
    const int key = static_cast<int>(state.range(1));
    const std::string& book = writtenBook(static_cast<int>(state.range(2)));
    FindWindow shown;
    FindTypist typist(shown.window);
    if (!typist.ready()) state.SkipWithError("no find bar");
    std::int64_t rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Opened afresh: no comment decoded, the bar closed.
        shown.window.findChild<FilterBar*>()->closeBar();
        shown.window.openFile(QString::fromStdString(book));
        shown.findAction()->trigger();
        QCoreApplication::processEvents();
        for (int earlier = 1; earlier < key; ++earlier) typist.type(word.at(earlier - 1));
        state.ResumeTiming();
        if (!typist.type(word.at(key - 1)).painted) state.SkipWithError("the table was not painted");
        rows += shown.window.findChild<QTableView*>(QStringLiteral("table"))->model()->rowCount();
    }
    if (shown.window.database().transCount() != bookSize) state.SkipWithError(qPrintable(shown.prompts.lastWarning));
    state.counters["shown"] = benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kAvgIterations);
}

}  // namespace

[[maybe_unused]] const bool booksRemoved = BenchMain::afterRuns([] {
    std::filesystem::remove(bookPath(1));
    std::filesystem::remove(bookPath(2));
});

BENCHMARK(searchChange)
    ->ArgsProduct({benchmark::CreateDenseRange(Text, OpenAndClose, 1), {1, 2}})
    ->ArgNames({"kind", "format"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(firstTextSearch)->DenseRange(1, 2)->ArgName("format")->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(searchChangeInWindow)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(keystrokeInOpenedBook)
    ->ArgsProduct({{0, 1}, {1, 2, 3}, {1, 2}})
    ->ArgNames({"word", "key", "format"})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
