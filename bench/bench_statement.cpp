// A bank's statement of 100,000 rows against the 100,000-transaction
// household book: the preview (reading the CSV and planning the import,
// duplicate check and type guess included) must take a small part of
// 0.3 s, the import with it within 1 s.

#include <benchmark/benchmark.h>

#include <string>

#include "accountdb.h"
#include "big5codec.h"
#include "generatedbook.h"
#include "statement.h"
#include "statementimport.h"

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

}  // namespace

BENCHMARK_MAIN();
