// The transaction table with a million transactions: opening a book until
// the table is filled and sorted, and re-applying the sort after one added
// transaction. Runs without a display.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTableView>

#include <filesystem>
#include <random>

#include "accountdb.h"
#include "big5text.h"
#include "mainwindow.h"
#include "transactiontablemodel.h"
#include "userprompts.h"

using KestLib::AccountDB;
using KestLib::Transaction;

namespace {

constexpr int bookSize = 1'000'000;
// As the main window fits its columns.
constexpr int fitPrecision = 1000;

// Answers every question without a modal loop, so a benchmark never waits.
class SilentPrompts : public UserPrompts {
public:
    QString lastWarning;

    SaveChoice askSaveChanges(QWidget*, const QString&, const QString&) override { return SaveChoice::Discard; }
    bool askOverwrite(QWidget*, const QString&, const QString&) override { return false; }
    QString openFileName(QWidget*, const QString&) override { return QString(); }
    QString saveFileName(QWidget*, const QString&) override { return QString(); }
    NameAnswer askDatabaseName(QWidget*, const QString&) override { return {}; }
    void warn(QWidget*, const QString&, const QString& text) override { lastWarning = text; }
    void inform(QWidget*, const QString&, const QString&) override {}
    bool informWithChart(QWidget*, const QString&, const QString&, const QString&) override { return false; }
    bool runDialog(QDialog&) override { return false; }
};

// A fixed-seed book: 30 types, some with Chinese names, and comments of 0 to
// 40 bytes mixing English and Big5 words.
class BigBook {
public:
    static const BigBook& instance() {
        static const BigBook book;
        return book;
    }
    ~BigBook() { std::filesystem::remove(path); }

    std::string path;

    Transaction randomTransaction(std::mt19937& random) const {
        Transaction record;
        record.setYear(2000 + static_cast<int>(random() % 26));
        record.setMonth(1 + static_cast<int>(random() % 12));
        record.setDay(1 + static_cast<int>(random() % 28));
        record.setType(static_cast<int>(random() % typeCount));
        record.setAmount(1 + static_cast<int>(random() % 100'000));
        record.setIncome(random() % 4 == 0);
        record.setComment(randomComment(random));
        return record;
    }

private:
    static constexpr int typeCount = 30;

    BigBook() {
        for (const char* word : {"rent", "milk", "bus", "gift", "cafe", "tax", "fee", "book", "lunch", "bonus"})
            words.emplace_back(word);
        for (const char* word : {"食物", "房租", "交通", "薪水", "禮物", "午餐", "電費", "書"})
            words.push_back(toBig5(QString::fromUtf8(word)));

        AccountDB db;
        db.reset();  // type id 0: the empty name
        for (int i = 1; i < typeCount; ++i)
            db.addType(i % 3 == 0 ? toBig5(QString::fromUtf8("類別%1").arg(i)) : "Type " + std::to_string(i));
        std::mt19937 random(20260101);
        for (int i = 0; i < bookSize; ++i) {
            Transaction record = randomTransaction(random);
            db.addTransaction(record);
        }
        path = (std::filesystem::temp_directory_path() / "pennywell-bench-1m.pwdb").string();
        std::string written = path;
        db.saveFile(written);
    }

    std::string randomComment(std::mt19937& random) const {
        const std::size_t length = random() % 41;
        std::string comment;
        while (true) {
            const std::string& word = words[random() % words.size()];
            if (comment.size() + word.size() + 1 > length) break;
            if (!comment.empty()) comment += ' ';
            comment += word;
        }
        return comment;
    }

    std::vector<std::string> words;
};

void openThroughMainWindow(benchmark::State& state) {
    const BigBook& book = BigBook::instance();
    SilentPrompts prompts;
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
    QTableView view;
    view.horizontalHeader()->setResizeContentsPrecision(fitPrecision);
    view.setModel(&model);
    for (auto _ : state) {
        db.loadFile(book.path);
        if (steps >= 1) model.reload();
        if (steps >= 2) view.resizeColumnsToContents();
        if (steps >= 3) model.sortRows(TransactionTableModel::IndexColumn, true);
    }
}

// A table of the book sorted by range(0), ascending; each iteration adds one
// transaction and re-applies the sort as the main window does, columns
// fitted (range(1) = 1) or not.
void resortAfterOneAdded(benchmark::State& state) {
    const BigBook& book = BigBook::instance();
    const int column = static_cast<int>(state.range(0));
    const bool fit = state.range(1) != 0;
    AccountDB db;
    db.loadFile(book.path);
    TransactionTableModel model;
    model.setDatabase(&db);
    QTableView view;
    view.horizontalHeader()->setResizeContentsPrecision(fitPrecision);
    view.setModel(&model);
    view.resizeColumnsToContents();
    model.sortRows(column, true);
    std::mt19937 random(7);
    for (auto _ : state) {
        Transaction record = book.randomTransaction(random);
        db.addTransaction(record);
        model.appendLastTransaction();
        if (fit) view.resizeColumnsToContents();
        model.sortRows(column, true);
    }
}

// The first sort by a column of a freshly loaded book (no texts cached).
void firstSortAfterLoad(benchmark::State& state) {
    const BigBook& book = BigBook::instance();
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

BENCHMARK(openThroughMainWindow)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(openStepByStep)->DenseRange(0, 3)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(resortAfterOneAdded)
    ->ArgsProduct({{TransactionTableModel::IndexColumn, TransactionTableModel::DateColumn,
                    TransactionTableModel::MoneyColumn, TransactionTableModel::TypeColumn,
                    TransactionTableModel::CommentColumn},
                   {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(firstSortAfterLoad)
    ->DenseRange(TransactionTableModel::IndexColumn, TransactionTableModel::CommentColumn)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
