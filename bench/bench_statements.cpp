// Timings of the statement readers on generated statements of 10k and 100k
// transactions, as banks write them: the readers' part of an import's
// preview. The bank CSVs are a German one (semicolons, DD.MM.YYYY, decimal
// commas, two comment columns) and a Taiwan one in Big5 with ROC dates and
// debit and credit columns, every layout detected.

#include <benchmark/benchmark.h>

#include <QStringEncoder>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "text/statementformats.h"

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
        std::snprintf(buffer, sizeof buffer,
                      "D%d/%2d'26\r\nT-%d,%03d.%02d\r\nPShop %d\r\nMcard payment\r\nLFood:Groceries\r\n^\r\n", month(k),
                      day(k), k % 10, k % 1000, k % 100, k % 500);
        text += buffer;
    }
    return text;
}

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

void ReadGermanCsv(benchmark::State& state) {
    readAndCount(state, PwText::readBankCsv, germanStatement(static_cast<int>(state.range(0))));
}

void ReadBig5Csv(benchmark::State& state) {
    readAndCount(state, PwText::readBankCsv, big5Statement(static_cast<int>(state.range(0))));
}

}  // namespace

BENCHMARK(ReadGermanCsv)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadBig5Csv)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadOfx)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadQif)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);
