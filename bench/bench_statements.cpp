// Timings of the OFX and QIF readers on generated statements of 10k and 100k
// transactions, as a bank would write them: the readers' part of an import's
// preview.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "statementformats.h"

namespace {

int day(int k) { return 1 + k % 28; }
int month(int k) { return 1 + (k / 28) % 12; }

std::string ofxStatement(int count) {
    std::string text =
        "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nCHARSET:1252\r\n\r\n"
        "<OFX>\r\n<BANKMSGSRSV1>\r\n<STMTTRNRS>\r\n<STMTRS>\r\n<CURDEF>EUR\r\n<BANKTRANLIST>\r\n";
    char buffer[256];
    for (int k = 0; k < count; ++k) {
        std::snprintf(buffer, sizeof buffer,
                      "<STMTTRN>\r\n<TRNTYPE>DEBIT\r\n<DTPOSTED>2026%02d%02d120000[+1:CET]\r\n<TRNAMT>-%d.%02d\r\n"
                      "<FITID>%d\r\n<NAME>Shop &amp; Co %d\r\n<MEMO>card payment\r\n</STMTTRN>\r\n",
                      month(k), day(k), k % 1000, k % 100, k, k % 500);
        text += buffer;
    }
    return text + "</BANKTRANLIST>\r\n</STMTRS>\r\n</STMTTRNRS>\r\n</BANKMSGSRSV1>\r\n</OFX>\r\n";
}

std::string qifStatement(int count) {
    std::string text = "!Type:Bank\r\n";
    char buffer[256];
    for (int k = 0; k < count; ++k) {
        std::snprintf(buffer, sizeof buffer, "D%d/%2d'26\r\nT-%d,%03d.%02d\r\nPShop %d\r\nMcard payment\r\nLFood:Groceries\r\n^\r\n",
                      month(k), day(k), k % 10, k % 1000, k % 100, k % 500);
        text += buffer;
    }
    return text;
}

void readAndCount(benchmark::State& state, PwText::Statement (*read)(std::string_view, const PwText::StatementOptions&),
                  const std::string& bytes) {
    const auto count = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        const PwText::Statement statement = read(bytes, {});
        if (statement.rows.size() != count || !statement.faults.empty()) std::abort();
        benchmark::DoNotOptimize(statement.rows.data());
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void ReadOfx(benchmark::State& state) {
    readAndCount(state, PwText::readOfx, ofxStatement(static_cast<int>(state.range(0))));
}

void ReadQif(benchmark::State& state) {
    readAndCount(state, PwText::readQif, qifStatement(static_cast<int>(state.range(0))));
}

}  // namespace

BENCHMARK(ReadOfx)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadQif)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
