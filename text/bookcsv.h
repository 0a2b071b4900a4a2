#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "core/selection.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

namespace PwText {

// A book's transactions as CSV, one header row and one row per transaction:
//
//     index,date,direction,amount,type,comment
//     1,2024-01-25,income,52000,Salary,January
//
// Dates are ISO 8601 (YYYY-MM-DD), the direction is "income" or "outgoing",
// the amount in the book's decimals with a point ("12.50" in a book of 2
// decimals, the whole number in a book of none). Records end with CRLF and
// are quoted as RFC 4180 asks.
enum class CsvEncoding {
    Detect,       // reading only: a byte-order mark or valid UTF-8 means UTF-8, anything else Big5
    Utf8,         // no byte-order mark is written; one is skipped when read
    Utf8WithBom,  // the mark that spreadsheets look for to read UTF-8
    Big5,         // the bytes the book holds, unconverted
};

inline constexpr const char* csvHeader[] = {"index", "date", "direction", "amount", "type", "comment"};

// The CSV of the transactions the filter takes, in the book's order.
std::string exportCsv(const KestLib::AccountDB& db, CsvEncoding encoding, const KestLib::Selection& filter = {});

// One thing wrong in a CSV file offered for import.
struct ImportFault {
    enum class Reason {
        EmptyFile,
        UnknownColumn,
        DuplicateColumn,
        MissingColumn,
        QuoteInUnquotedField,
        TextAfterClosingQuote,
        UnclosedQuote,
        FieldCount,
        BadDate,
        BadDirection,
        BadAmount,
        AmountOutOfRange,
        NotUtf8,
        NotBig5,
        NotStorable,  // a character Big5 can't hold, or a zero byte
        TooLong,
        TooManyTypes,
        NoIndexLeft,
    };

    int line = 0;
    Reason reason = Reason::EmptyFile;
    std::string column;         // the header name of the field at fault
    std::string text;           // the text at fault, as UTF-8 for display
    int expected = 0;           // FieldCount: the header's fields; TooLong: the limit
    int found = 0;              // FieldCount: the row's fields; TooLong: the bytes
    bool inCharacters = false;  // TooLong: counted in characters (a book of format 2), not Big5 bytes
};

struct ImportReport {
    bool accepted = false;
    // The encoding the file was read in (Detect resolved).
    CsvEncoding encoding = CsvEncoding::Utf8;
    // The transactions added (or that a dry run would add).
    int transactions = 0;
    // The types created (or that would be), as the book stores them (Big5).
    std::vector<std::string> newTypes;
    // The first faults found, at most maxListedFaults, in line order.
    std::vector<ImportFault> faults;
    // Every row at fault, the header counting as one; 0 when accepted.
    int faultyRows = 0;

    static constexpr int maxListedFaults = 10;
};

// Adds the transactions of a CSV file to db, all or nothing. The header
// decides the column order: "date" and "amount" are needed; "index" is
// ignored (the book gives new indexes); without "direction" a leading minus
// on the amount means outgoing; without "type" the unnamed type is used.
// Types not in the book yet are created, as far as the book's 128 allow. Any
// row at fault refuses the whole file and leaves db exactly as it was; so
// does a dry run, which only reports what would change.
ImportReport importCsv(KestLib::AccountDB& db, std::string_view bytes, CsvEncoding encoding, bool dryRun = false);

// The reason in words, starting with "Line N: ", translated in the context
// "CsvImport" when a translation is installed.
QString describeFault(const ImportFault& fault);
// Why a refused import was refused: a first line, then the listed faults,
// then how many faulty rows were not listed.
QString describeRefusal(const ImportReport& report);

}  // namespace PwText
