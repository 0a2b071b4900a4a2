// A bank's statement of 100,000 rows against the 100,000-transaction
// household book: the preview (reading the CSV and planning the import,
// duplicate check and type guess included) must take a small part of
// 0.3 s, the import with it within 1 s. And the plan of a statement of many
// equal rows against a book of as many equal transactions (a fee booked
// each day by a script, say), which must grow with the rows, not with their
// square.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "core/accountdb.h"
#include "tests/support/bookbuilder.h"
#include "tests/support/generatedbook.h"
#include "text/big5codec.h"
#include "text/statement.h"
#include "text/statementimport.h"
#include "text/statementreader.h"

using KestLib::AccountDB;

namespace {

constexpr int bookSize = 100'000;
constexpr int statementRows = 100'000;

const AccountDB& householdBook() {
    static const AccountDB book = BenchBooks::householdBook(bookSize, {});
    return book;
}

void appendTwoDigits(std::string& out, int value) {
    out.push_back(static_cast<char>('0' + value / 10));
    out.push_back(static_cast<char>('0' + value % 10));
}

// A German bank's CSV drawn from the book: one row in ten a transaction it
// already holds, the others its comments a year later with cents, so that
// their types are guessed.
const std::string& germanStatement() {
    static const std::string csv = [] {
        const AccountDB& db = householdBook();
        PwText::Big5Codec codec;
        std::string out = "Buchungstag;Verwendungszweck;Betrag\r\n";
        out.reserve(static_cast<std::size_t>(statementRows) * 64);
        for (int k = 0; k < statementRows; ++k) {
            const KestLib::Transaction& record = db.transaction(k % db.transCount(), false);
            const bool duplicate = k % 10 == 0;
            appendTwoDigits(out, record.day());
            out.push_back('.');
            appendTwoDigits(out, record.month());
            out.push_back('.');
            out += std::to_string(record.year() + (duplicate ? 0 : 1));
            out.push_back(';');
            std::string comment = codec.big5ToUtf8Lossy(PwText::storedText(record.comment()));
            for (char& c : comment)
                if (c == ';' || c == '"' || c == '\r' || c == '\n') c = ' ';
            out += comment;
            out.push_back(';');
            if (!record.isIncome()) out.push_back('-');
            out += std::to_string(record.amount());
            out += duplicate ? ",00" : "," + std::to_string(10 + k % 90);
            out += "\r\n";
        }
        return out;
    }();
    return csv;
}

PwText::StatementImport preview() {
    const PwText::Statement statement = PwText::readStatement(germanStatement(), {});
    return PwText::StatementImport::plan(householdBook(), statement, {});
}

void StatementPreview(benchmark::State& state) {
    for (auto _ : state) {
        const PwText::StatementImport plan = preview();
        if (!plan.canImport() || plan.duplicateCount() < statementRows / 10) state.SkipWithError("unexpected plan");
        benchmark::DoNotOptimize(plan.newCount());
    }
}
BENCHMARK(StatementPreview)->Unit(benchmark::kMillisecond)->UseRealTime();

// The two parts of the preview apart: the reading, and the plan alone.
void StatementRead(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(PwText::readStatement(germanStatement(), {}).rows.size());
}
BENCHMARK(StatementRead)->Unit(benchmark::kMillisecond)->UseRealTime();

void StatementPlan(benchmark::State& state) {
    const PwText::Statement statement = PwText::readStatement(germanStatement(), {});
    for (auto _ : state)
        benchmark::DoNotOptimize(PwText::StatementImport::plan(householdBook(), statement, {}).newCount());
}
BENCHMARK(StatementPlan)->Unit(benchmark::kMillisecond)->UseRealTime();

void StatementImport(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        AccountDB db = BenchBooks::householdBook(bookSize, {});
        state.ResumeTiming();
        const PwText::Statement statement = PwText::readStatement(germanStatement(), {});
        const PwText::StatementImport plan = PwText::StatementImport::plan(db, statement, {});
        plan.apply(db);
        if (db.transCount() != bookSize + plan.newCount()) state.SkipWithError("rows missing");
    }
}
BENCHMARK(StatementImport)->Unit(benchmark::kMillisecond)->UseRealTime();

// A book of transactions that are all the same, and a statement of rows that
// are all that transaction: every row matches, until the book's run out.
void StatementPlanOfEqualRows(benchmark::State& state) {
    const int bookRows = static_cast<int>(state.range(0));
    const int rows = static_cast<int>(state.range(1));
    BookBuilder builder;
    for (int k = 0; k < bookRows; ++k) builder.outgoing("Fees", 5, 2026, 1, 1, "Account fee");
    const AccountDB db = builder.build();
    std::string csv = "date,amount,comment\n";
    for (int k = 0; k < rows; ++k) csv += "2026-01-01,-5,Account fee\n";
    const PwText::Statement statement = PwText::readStatement(csv, {});
    for (auto _ : state) {
        const PwText::StatementImport plan = PwText::StatementImport::plan(db, statement, {});
        if (plan.duplicateCount() != std::min(bookRows, rows)) state.SkipWithError("wrong duplicate count");
        benchmark::DoNotOptimize(plan.newCount());
    }
}
BENCHMARK(StatementPlanOfEqualRows)
    ->Args({100'000, 100'000})
    ->Args({200'000, 200'000})
    ->Args({200'000, 300'000})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
