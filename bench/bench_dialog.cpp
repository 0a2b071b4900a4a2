// The transaction dialog and the transaction commands on a book of a million
// transactions: opening the dialog in each mode, the first key typed into its
// comment box, and each command through to the updated, still sorted table.
// Runs without a display.

#include <benchmark/benchmark.h>

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <filesystem>
#include <functional>
#include <memory>

#include "bench/benchmain.h"
#include "bench/benchprompts.h"
#include "core/accountdb.h"
#include "tests/support/generatedbook.h"
#include "ui/transactions/transactiondialog.h"
#include "ui/window/mainwindow.h"

using KestLib::AccountDB;
using KestLib::Transaction;

namespace {

constexpr int bookSize = 1'000'000;

// The household book: 30 types and comments of two English words.
AccountDB makeBigBook() {
    BenchBooks::HouseholdShape shape;
    shape.chineseTypeNames = false;
    shape.comments = BenchBooks::HouseholdShape::Comments::TwoWords;
    return BenchBooks::householdBook(bookSize, shape);
}

AccountDB& bigBook() {
    static AccountDB book = makeBigBook();
    return book;
}

// Comments of 0 to 40 bytes of words: nearly every one distinct.
AccountDB& wordsBook() {
    static AccountDB book = [] {
        BenchBooks::HouseholdShape shape;
        shape.chineseTypeNames = false;
        return BenchBooks::householdBook(bookSize, shape);
    }();
    return book;
}

// The book as a file, for the window to open.
const std::string& bigBookFile() {
    static const std::string path = [] {
        std::string written = (std::filesystem::temp_directory_path() / "pennywell-bench-dialog-1m.pwdb").string();
        bigBook().saveFile(written);
        return written;
    }();
    return path;
}

template <typename T>
T* child(QDialog& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

void choose(QComboBox* box, int item) {
    box->setCurrentIndex(item);
    emit box->activated(item);
}

bool pressOk(QDialog& dialog) {
    child<QPushButton>(dialog, "okButton")->click();
    return dialog.result() == QDialog::Accepted;
}

// range(0): the mode. Until the dialog is shown and painted once; the
// dialogs that show one transaction show the last one, the slowest to find.
void openDialog(benchmark::State& state) {
    AccountDB& book = bigBook();
    const int mode = static_cast<int>(state.range(0));
    const int lastIndex = book.transaction(book.transCount() - 1, false).index();
    for (auto _ : state) {
        TransactionDialog dialog;
        dialog.setDB(&book);
        dialog.setMode(mode);
        if (mode == TransactionDialog::DeleteOneMode || mode == TransactionDialog::ModifyOneMode)
            dialog.showTransaction(lastIndex);
        dialog.show();
        QCoreApplication::processEvents();
    }
}

// The first letter typed into the comment box of a new transaction, which
// makes the list of earlier comments and offers those holding it. range(0):
// 0 the book of two-word comments, 1 the one of mostly distinct comments.
void firstCommentKey(benchmark::State& state) {
    AccountDB& book = state.range(0) == 0 ? bigBook() : wordsBook();
    std::unique_ptr<TransactionDialog> dialog;
    for (auto _ : state) {
        state.PauseTiming();
        dialog = std::make_unique<TransactionDialog>();
        dialog->setDB(&book);
        dialog->setMode(TransactionDialog::CreateMode);
        dialog->show();
        QCoreApplication::processEvents();
        auto* comment = child<QLineEdit>(*dialog, "commentLineEdit");
        comment->setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_E, Qt::NoModifier, QStringLiteral("e"));
        state.ResumeTiming();
        QApplication::sendEvent(comment, &press);
        QCoreApplication::processEvents();
    }
}

// The index box of the delete mode opened and a transaction near the end of
// the book chosen from it.
void chooseFromIndexBox(benchmark::State& state) {
    AccountDB& book = bigBook();
    TransactionDialog dialog;
    dialog.setDB(&book);
    dialog.setMode(TransactionDialog::DeleteMode);
    dialog.show();
    QCoreApplication::processEvents();
    auto* indexes = child<QComboBox>(dialog, "indexCombo");
    for (auto _ : state) {
        indexes->showPopup();
        QCoreApplication::processEvents();
        indexes->hidePopup();
        choose(indexes, bookSize - 1);
        QCoreApplication::processEvents();
    }
}

// A window with the book open and its table sorted by Money, descending.
struct OpenWindow {
    BenchPrompts prompts;
    MainWindow window;

    OpenWindow() {
        window.setPrompts(&prompts);
        window.setLangDir(QDir::tempPath() + QStringLiteral("/pennywell-bench-no-languages"));
        window.initWindow();
        window.show();
        window.openFile(QString::fromStdString(bigBookFile()));
        QMetaObject::invokeMethod(&window, "sortingTable", Q_ARG(int, 3));
        QMetaObject::invokeMethod(&window, "sortingTable", Q_ARG(int, 3));
        QCoreApplication::processEvents();
    }
    void run(const char* actionName) {
        window.findChild<QAction*>(QString::fromLatin1(actionName))->trigger();
        QCoreApplication::processEvents();
    }
};

void commandCreate(benchmark::State& state) {
    OpenWindow open;
    open.prompts.script = [](QDialog& dialog) {
        choose(child<QComboBox>(dialog, "typeCombo"), 3);
        choose(child<QComboBox>(dialog, "inOutCombo"), 2);
        child<QLineEdit>(dialog, "moneyLineEdit")->setText(QStringLiteral("4321"));
        return pressOk(dialog);
    };
    for (auto _ : state) open.run("transCreateAct");
    if (open.window.database().transCount() <= bookSize) state.SkipWithError(qPrintable(open.prompts.lastWarning));
}

// The transaction at the middle of the book, chosen in the index box.
void commandModify(benchmark::State& state) {
    OpenWindow open;
    int amount = 1;
    open.prompts.script = [&amount](QDialog& dialog) {
        choose(child<QComboBox>(dialog, "indexCombo"), bookSize / 2);
        child<QLineEdit>(dialog, "moneyLineEdit")->setText(QString::number(++amount));
        return pressOk(dialog);
    };
    for (auto _ : state) open.run("transModifyAct");
}

void commandDelete(benchmark::State& state) {
    OpenWindow open;
    open.prompts.script = [](QDialog& dialog) {
        choose(child<QComboBox>(dialog, "indexCombo"), bookSize / 2);
        return pressOk(dialog);
    };
    const int before = open.window.database().transCount();
    for (auto _ : state) open.run("transDeleteAct");
    if (open.window.database().transCount() >= before) state.SkipWithError("nothing deleted");
}

}  // namespace

[[maybe_unused]] const bool bookRemoved = BenchMain::afterRuns([] { std::filesystem::remove(bigBookFile()); });

BENCHMARK(openDialog)
    ->DenseRange(TransactionDialog::CreateMode, TransactionDialog::ModifyOneMode)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);
BENCHMARK(firstCommentKey)->DenseRange(0, 1)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(chooseFromIndexBox)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(commandCreate)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(commandModify)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(commandDelete)->Unit(benchmark::kMillisecond)->Iterations(5);
