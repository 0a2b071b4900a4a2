// Feeds arbitrary bytes to the bank CSV reader, the first byte choosing how
// it is read (encoding, delimiter, header, a mapping given, cents). Whatever
// the input, every record ends as a row or a fault with its line, rows hold
// calendar dates and amounts without a sign, and every detect is settled.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "text/big5codec.h"
#include "text/statement.h"
#include "text/statementmessages.h"
#include "text/statementreader.h"

namespace {

using namespace PwText;

void check(bool condition) {
    if (!condition) std::abort();
}

StatementOptions optionsOf(unsigned char choice) {
    StatementOptions options;
    options.format = StatementFormat::Csv;
    options.encoding = static_cast<StatementEncoding>(choice % 5);
    static constexpr char delimiters[] = {0, ',', ';', '\t'};
    options.csv.delimiter = delimiters[(choice / 5) % 4];
    options.csv.header = (choice / 20) % 3 - 1;
    if ((choice / 60) % 2 == 1)
        options.csv.columns = {StatementField::Date,  StatementField::Amount, StatementField::Comment,
                               StatementField::Debit, StatementField::Credit, StatementField::Direction,
                               StatementField::Type};
    options.amountRule = (choice / 120) % 2 == 1 ? AmountRule::Cents : AmountRule::Round;
    return options;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const StatementOptions options = optionsOf(data[0]);
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    const Statement statement = readStatement(bytes, options);

    check(statement.format == StatementFormat::Csv);
    check(!statement.rows.empty() || !statement.faults.empty() || statement.csv.header == 1);
    if (!statement.rows.empty()) {
        check(statement.csv.delimiter != 0 && statement.csv.header >= 0 && statement.csv.decimalComma >= 0);
        check(statement.encoding != StatementEncoding::Detect && statement.dateFormat != StatementDateFormat::Detect);
    }
    int lastLine = 0;
    for (const StatementRow& row : statement.rows) {
        check(row.line > lastLine);
        lastLine = row.line;
        check(row.month >= 1 && row.month <= 12 && row.day >= 1 && row.day <= 31 && row.year >= 1);
        check(row.amount >= 0);
        check(isValidUtf8(row.comment) && isValidUtf8(row.type));
    }
    int lastFaultLine = 0;
    for (const StatementFault& fault : statement.faults) {
        check(fault.line >= lastFaultLine);
        lastFaultLine = fault.line;
        check(!describeStatementFault(fault).isEmpty());
        for (const StatementRow& row : statement.rows) check(row.line != fault.line || fault.line == 0);
    }
    return 0;
}
