// Reading bank CSV statements of 100,000 rows: a German one (semicolons,
// DD.MM.YYYY, decimal commas, two comment columns) and a Taiwan one in Big5
// with ROC dates and debit and credit columns, every layout detected.

#include <benchmark/benchmark.h>

#include <QStringEncoder>
#include <cstdio>
#include <string>

#include "statement.h"

namespace {

std::string germanStatement(int rows) {
    std::string csv = "Buchungstag;Valuta;Auftraggeber/Empf\xC3\xA4nger;Verwendungszweck;Betrag\r\n";
    csv.reserve(static_cast<std::size_t>(rows) * 80);
    for (int i = 0; i < rows; ++i) {
        const int day = i % 28 + 1, month = i / 28 % 12 + 1;
        char line[160];
        std::snprintf(line, sizeof line, "%02d.%02d.2026;%02d.%02d.2026;Stadtwerke Nummer %d;Abschlag %d;%s%d,%02d\r\n",
                      day, month, day, month, i % 977, i, i % 3 == 0 ? "" : "-", i % 5000, i % 100);
        csv += line;
    }
    return csv;
}

std::string big5Statement(int rows) {
    std::string csv = "日期,摘要,支出,存入,備註\n";
    for (int i = 0; i < rows; ++i) {
        const int day = i % 28 + 1, month = i / 28 % 12 + 1;
        csv += "115/" + std::to_string(month) + '/' + std::to_string(day) + ",午餐 " + std::to_string(i % 500) +
               (i % 4 == 0 ? ",,45000," : ",120,,") + "第" + std::to_string(i) + "筆\n";
    }
    QStringEncoder encoder("Big5");
    const QByteArray bytes = encoder.encode(QString::fromStdString(csv));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

void readEvery(benchmark::State& state, const std::string& csv) {
    PwText::StatementOptions options;
    options.format = PwText::StatementFormat::Csv;
    for (auto _ : state) {
        const PwText::Statement statement = PwText::readStatement(csv, options);
        if (statement.rows.size() != static_cast<std::size_t>(state.range(0)) || !statement.faults.empty())
            state.SkipWithError("the statement didn't read whole");
        benchmark::DoNotOptimize(statement.rows.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void ReadGermanCsv(benchmark::State& state) { readEvery(state, germanStatement(static_cast<int>(state.range(0)))); }
void ReadBig5Csv(benchmark::State& state) { readEvery(state, big5Statement(static_cast<int>(state.range(0)))); }

}  // namespace

BENCHMARK(ReadGermanCsv)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBig5Csv)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
