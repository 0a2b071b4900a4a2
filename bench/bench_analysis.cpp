// The three analyses (and the charts) on a book of a million transactions and 128 types (the
// most a book can hold), every type chosen, timed from a press of OK until
// the report text is finished and handed to the report box, in a book of
// each format (range(0): 1, or 2 with 2 decimals). Runs without a display.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDate>
#include <QDateEdit>
#include <QListWidget>
#include <QPushButton>

#include <string>

#include "bench/benchmain.h"
#include "bench/benchprompts.h"
#include "core/accountdb.h"
#include "core/typeidtable.h"
#include "tests/support/generatedbook.h"
#include "text/booktext.h"
#include "ui/charts/chartlauncher.h"
#include "ui/statistics/budgetdialog.h"
#include "ui/statistics/grandtotaldialog.h"
#include "ui/statistics/percentagedialog.h"

using KestLib::AccountDB;

namespace {

constexpr int bookSize = 1'000'000;

// The household book with 128 types (the most a book can hold), a third
// with Chinese names, and no comments; in format 2 the same book converted.
AccountDB makeBigBook(int format) {
    BenchBooks::HouseholdShape shape;
    shape.seed = 20040315;
    shape.types = KestLib::TypeIdTable::capacity;
    shape.comments = BenchBooks::HouseholdShape::Comments::None;
    AccountDB book = BenchBooks::householdBook(bookSize, shape);
    if (format == 2) PwText::convertToFormat2(book, 2);
    return book;
}

const AccountDB& bigBook(int format) {
    static const AccountDB format1 = makeBigBook(1);
    static const AccountDB format2 = makeBigBook(2);
    return format == 2 ? format2 : format1;
}

QPushButton* okButtonOf(QDialog& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("OK")) return button;
    return nullptr;
}

// The dialog as the user leaves it before pressing OK: every type chosen
// through "ALL", the range over most of the book.
template <typename Dialog>
void pressOk(benchmark::State& state, bool pressChart = false) {
    const AccountDB& db = bigBook(static_cast<int>(state.range(0)));
    BenchPrompts prompts;
    prompts.pressChart = pressChart;
    Dialog dialog;
    dialog.setPrompts(&prompts);
    dialog.setDB(&db);
    // As the window does: the report's Chart button opens the charts.
    if (pressChart) ChartLauncher::serve(dialog, prompts);
    dialog.template findChild<QDateEdit*>(QStringLiteral("toDate"))->setDate(QDate(2024, 12, 31));
    dialog.template findChild<QDateEdit*>(QStringLiteral("fromDate"))->setDate(QDate(2001, 1, 1));
    if (auto* today = dialog.template findChild<QDateEdit*>(QStringLiteral("todayDate")))
        today->setDate(QDate(2015, 6, 15));
    auto* types = dialog.template findChild<QListWidget*>(QStringLiteral("typeListBox"));
    types->item(0)->setSelected(true);
    QPushButton* ok = okButtonOf(dialog);
    if (!ok || types->selectedItems().size() != KestLib::TypeIdTable::capacity + 1) {
        state.SkipWithError("the dialog is not as expected");
        return;
    }
    for (auto _ : state) {
        ok->click();
        benchmark::DoNotOptimize(prompts.lastReport.size());
    }
    if (!prompts.lastWarning.isEmpty()) state.SkipWithError(qPrintable(prompts.lastWarning));
    if (pressChart && prompts.dialogsRun == 0) state.SkipWithError("no chart window");
    state.counters["reportChars"] = static_cast<double>(prompts.lastReport.size());
}

void GrandTotalFromOk(benchmark::State& state) { pressOk<GrandTotalDialog>(state); }
void PercentageFromOk(benchmark::State& state) { pressOk<PercentageDialog>(state); }
void BudgetFromOk(benchmark::State& state) { pressOk<BudgetDialog>(state); }
// The percentage report, then Chart: both charts' figures and the window.
void ChartsFromOk(benchmark::State& state) { pressOk<PercentageDialog>(state, true); }

}  // namespace

// Built once, outside every timing.
[[maybe_unused]] const bool bookBuilt = BenchMain::beforeRuns([] {
    bigBook(1);
    bigBook(2);
});

BENCHMARK(GrandTotalFromOk)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(PercentageFromOk)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(BudgetFromOk)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(ChartsFromOk)->DenseRange(1, 2)->Unit(benchmark::kMillisecond);
