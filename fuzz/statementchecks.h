#pragma once

// What every statement a reader returns must hold, whatever bytes it read:
// rows and faults in line order within the file, rows with real dates and
// amounts that aren't negative, texts in valid UTF-8, and a file with no row
// naming at least one fault.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "text/big5codec.h"
#include "text/statement.h"

inline void checkStatement(const PwText::Statement& statement, std::string_view bytes, PwText::StatementFormat format) {
    auto check = [](bool condition) {
        if (!condition) std::abort();
    };
    const int lines = 1 + static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n') +
                                           std::count(bytes.begin(), bytes.end(), '\r'));
    check(statement.format == format);
    check(!statement.rows.empty() || !statement.faults.empty());
    int previous = 1;
    for (const PwText::StatementRow& row : statement.rows) {
        check(row.line >= previous && row.line <= lines);
        previous = row.line;
        int year, month, day;
        char iso[11];
        std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", row.year, row.month, row.day);
        check(PwText::parseStatementDate(iso, PwText::StatementDateFormat::YearMonthDayDash, year, month, day));
        check(row.amount >= 0);
        check(PwText::isValidUtf8(row.comment) && PwText::isValidUtf8(row.type));
        check(row.comment.find_first_of("\r\n") == std::string::npos);
    }
    previous = 0;
    for (const PwText::StatementFault& fault : statement.faults) {
        check(fault.line >= previous && fault.line <= lines);
        previous = fault.line;
        check(PwText::isValidUtf8(fault.text));
    }
}

// Reads bytes with reader in each way the fuzzers try (encoding detected or
// Windows-1252, amounts rounded or as cents) and checks each statement.
template <typename Reader>
void checkEveryReading(Reader reader, std::string_view bytes, PwText::StatementFormat format) {
    for (const auto encoding : {PwText::StatementEncoding::Detect, PwText::StatementEncoding::Windows1252}) {
        for (const auto rule : {PwText::AmountRule::Round, PwText::AmountRule::Cents}) {
            PwText::StatementOptions options;
            options.encoding = encoding;
            options.amountRule = rule;
            checkStatement(reader(bytes, options), bytes, format);
        }
    }
}
