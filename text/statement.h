#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A bank statement read into rows the book can take: the common shape of
// every statement format (a bank's CSV, OFX, QIF), so that the import plan,
// the window's preview and the command line handle each format alike.

namespace PwText {

enum class StatementFormat { Auto, Csv, Ofx, Qif };

// The encodings statements come in. Detect: a UTF-8 byte-order mark or valid
// UTF-8 means UTF-8; otherwise what an OFX file declares (its CHARSET or XML
// declaration), or for a CSV Big5 where its bytes read as Chinese (see
// statementcsvdetect.h); otherwise Windows-1252.
enum class StatementEncoding { Detect, Utf8, Big5, Windows1252, Latin1 };

// How a date is written. Detect: the first of these that reads every date
// of the file (ROC only where the year has three digits); where the day and
// the month could be either way round in every date, none (an
// AmbiguousDates fault). A two-digit year is the one nearest today
// (within 50 years).
enum class StatementDateFormat {
    Detect,
    YearMonthDayDash,        // 2026-01-31
    YearMonthDaySlash,       // 2026/01/31
    DayMonthYearDot,         // 31.01.2026
    DayMonthYearSlash,       // 31/01/2026
    MonthDayYearSlash,       // 01/31/2026
    Roc,                     // 115/01/31: the Republic of China year, 1911 less than the common one
    YearMonthDayDigits,      // 20260131
    DayMonthShortYearDot,    // 31.01.26
    DayMonthYearDash,        // 31-01-2026
    DayMonthShortYearSlash,  // 31/1/26
    MonthDayShortYearSlash,  // 01/31/26
};

// The book keeps whole numbers: a statement's cents are rounded to whole
// units, half away from zero (35,50 -> 36), or read as cents (35,50 -> 3550)
// for a book kept in cents.
enum class AmountRule { Round, Cents };

// What a CSV column holds.
enum class StatementField { Ignore, Date, Amount, Debit, Credit, Comment, Type, Direction };

// How a bank's CSV is read. Every "detect" is settled by reading, and the
// settled value is reported back in Statement::csv.
struct CsvLayout {
    char delimiter = 0;  // ',' ';' '\t'; 0: detect
    // -1: detect (a first row of which no field reads as a date or an
    // amount is a header), 0: no header, 1: a header row.
    int header = -1;
    // The lines before the table that aren't part of it, such as the account
    // and the period many banks write above the header. -1: detect (the
    // lines above the first of the first 30 rows whose names give a date and
    // an amount column; else above the first row with as many fields as the
    // table's rows, where the first has fewer), else that many rows skipped.
    int preamble = -1;
    // One field per column, in column order; empty: guessed from the
    // header's names (date, amount, debit, credit, comment, type, direction,
    // in English, German and Chinese, e.g. "Buchungstag", "Betrag",
    // "Verwendungszweck", "摘要").
    std::vector<StatementField> columns;
    // -1: detect (the mark that reads every amount), 0: point, 1: comma.
    int decimalComma = -1;
    // Names the header holds (the user's mapping by name, case aside): with
    // the preamble detected, the header is the first record holding them all.
    std::vector<std::string> headerNames;
};

// What a statement may be, so that a hostile file costs a few times its
// size and no more: a larger file, or a line (a CSV row, a QIF line) longer
// than its limit, is refused with its line and not read on; so is a row
// past rowRoom, and past faultLimit faults the rest isn't read. OFX, which
// some banks write on a single line, has no limit of its lines.
inline constexpr std::size_t statementFileLimit = std::size_t{1} << 30;  // 1 GB
inline constexpr std::size_t statementLineLimit = std::size_t{1} << 20;  // 1 MB
inline constexpr std::size_t statementFaultLimit = 1000;

struct StatementOptions {
    StatementFormat format = StatementFormat::Auto;
    StatementEncoding encoding = StatementEncoding::Detect;
    StatementDateFormat dateFormat = StatementDateFormat::Detect;
    AmountRule amountRule = AmountRule::Round;
    CsvLayout csv;
    // The most rows the book could take (see statementRowRoom): a row past
    // it is a NoIndexLeft fault, and nothing after it is read.
    std::int64_t rowRoom = INT64_MAX;
};

// One row as the book will store it, in UTF-8 (the import plan converts it
// to the book's Big5).
struct StatementRow {
    int line = 0;  // the file's line the row starts on, 1 for the first
    int year = 0;
    int month = 0;
    int day = 0;
    bool income = false;
    std::int32_t amount = 0;  // whole and not negative: the direction says which way
    bool rounded = false;     // the statement's amount had cents that were rounded away
    std::string comment;
    std::string type;  // empty: the statement names none (a QIF category, a type column)
};

// One row, or one thing about the whole file, that can't be imported.
struct StatementFault {
    enum class Reason {
        EmptyFile,
        UnknownFormat,   // neither CSV, OFX nor QIF
        NotInEncoding,   // the bytes aren't valid in the encoding chosen
        NoDateColumn,    // the layout names no date column
        NoAmountColumn,  // nor amount, nor debit or credit
        BadQuoting,      // a CSV record whose quotes are broken
        BadDate,
        BadAmount,
        AmountOutOfRange,  // more than a transaction holds
        BadDirection,
        NoTransactions,              // an OFX or QIF file with no transaction in it
        FileTooLarge,                // over statementFileLimit
        LineTooLong,                 // a line or a CSV row over statementLineLimit
        TooManyFaults,               // statementFaultLimit faults before this line; the rest isn't read
        InvalidBytes,                // bytes not valid in the encoding the file was judged to be in (text: its name)
        QifRecordNotEnded,           // a QIF field given twice in one record (text: its letter): a "^" is missing
        OfxFieldOutsideTransaction,  // a transaction's field with no <STMTTRN> open (text: the element)
        OfxTransactionOutsideStatement,  // a <STMTTRN> outside <STMTRS> and <CCSTMTRS>
        // Found by the import plan, against the book:
        NotStorable,   // a character the book's Big5 can't hold
        TooLong,       // a comment or type name over 255 bytes in Big5
        TooManyTypes,  // a new type past the book's 128
        NoIndexLeft,   // the book has no transaction index left
        // Found by the readers (text: the first date):
        AmbiguousDates,  // every date reads with the day first and with the month first
        OtherCurrency,   // an amount in another currency than the file's first (text: the amount)
    };
    int line = 0;  // 0: the whole file
    Reason reason = Reason::EmptyFile;
    std::string text;  // the text at fault, in UTF-8
};

struct Statement {
    StatementFormat format = StatementFormat::Csv;                           // Auto resolved
    StatementEncoding encoding = StatementEncoding::Utf8;                    // Detect resolved
    StatementDateFormat dateFormat = StatementDateFormat::YearMonthDayDash;  // Detect resolved
    CsvLayout csv;  // CSV only: the layout with every detect settled
    // CSV only: the header's names (or "1", "2", … without a header), for
    // the mapping boxes and for remembering a mapping by its header.
    std::vector<std::string> columnNames;
    // CSV only: the line taken as the header, or the table's first line
    // without one; 0 for no table.
    int headerLine = 0;
    // Where dates were detected with the day and month either way round in
    // some: the first line whose date decides which comes first. 0 for none.
    int dateDecidingLine = 0;
    // OFX only: the bank, card and investment accounts whose transactions
    // were read.
    int accounts = 0;
    std::vector<StatementRow> rows;
    std::vector<StatementFault> faults;  // in line order
};

// A decimal amount as written in a statement ("-1.234,50", "(35.50)",
// "1,234.50", "+12", "$1,234.56", "-12,50 €", "EUR 3,00"), turned into a
// whole value by rule: sign and magnitude, and whether cents were rounded
// away. The sign is that of the amount as written, so a debit rounded to 0
// is still a debit. False for text that isn't an amount or a magnitude over
// INT32_MAX after the rule (outOfRange set then).
struct ParsedAmount {
    bool negative = false;
    std::int32_t magnitude = 0;
    bool rounded = false;
    bool outOfRange = false;
    bool written = false;       // not zero as written: 0,30 is, 0,00 isn't
    std::string_view currency;  // the sign or code written with it ("$", "EUR"), a view into the text
};
bool parseStatementAmount(std::string_view text, bool decimalComma, AmountRule rule, ParsedAmount& amount);

// Every date format but Detect, by the name the command line and the
// dialog's list give it ("DD.MM.YY"; "ROC" for Roc), in the list's order.
struct StatementDateFormatName {
    StatementDateFormat format;
    const char* name;
};
std::span<const StatementDateFormatName> statementDateFormatNames();

// A date in the given format (not Detect); false for other text or a day
// the calendar doesn't have.
bool parseStatementDate(std::string_view text, StatementDateFormat format, int& year, int& month, int& day);

// The bytes as UTF-8, read in encoding (not Detect); a UTF-8 byte-order
// mark is dropped. False when the bytes aren't valid in that encoding.
bool decodeStatementText(std::string_view bytes, StatementEncoding encoding, std::string& utf8);

// The line holding the first bytes not valid in encoding (not Detect), 1
// for the first; 0 when every byte is.
int firstLineNotInEncoding(std::string_view bytes, StatementEncoding encoding);

// The encoding's name as the messages give it ("Big5", "UTF-8").
const char* statementEncodingName(StatementEncoding encoding);

}  // namespace PwText
