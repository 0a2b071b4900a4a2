// A bank's CSV read into statement rows: decoded, split by the delimiter
// detected or chosen, its columns mapped from the header or as given, and each
// record turned into a row or a fault with its line. The table is read in
// passes (its start, then its numbers and dates, then its rows), none of
// which keeps more than one record, so that a file costs its text and its
// rows and no string per field.

#include <algorithm>
#include <cstdint>
#include <optional>

#include "text/asciitext.h"
#include "text/big5codec.h"
#include "text/csv.h"
#include "text/statementcsvdetect.h"
#include "text/statementformats.h"
#include "text/statementrows.h"

namespace PwText {

namespace {

using Reason = StatementFault::Reason;
using namespace StatementCsv;

// The records of a file's table one at a time, blank lines and lines of
// delimiters only (";;;;", as some banks end their files) left out. Nothing
// of the file is gathered: each pass over it costs the memory of one
// record, whose fields are views into the text.
class TableRecords {
public:
    TableRecords(std::string_view text, char delimiter) : reader(text, delimiter, statementLineLimit) {}

    bool next(CsvRecord& record) {
        while (reader.next(record))
            if (!isEmpty(record)) return true;
        return false;
    }

private:
    static bool isEmpty(const CsvRecord& record) {
        return record.fault == CsvRecord::Fault::None && !record.quotedEmpty &&
               std::all_of(record.fields.begin(), record.fields.end(),
                           [](std::string_view field) { return trimmed(field, Blanks::spaceAndTab).empty(); });
    }

    CsvReader reader;
};

// Empty past the record's last field, as a short line of a bank's CSV means.
std::string_view fieldOf(const CsvRecord& record, int column) {
    if (column < 0 || static_cast<std::size_t>(column) >= record.fields.size()) return {};
    return record.fields[static_cast<std::size_t>(column)];
}

std::vector<std::string> trimmedFields(const CsvRecord& record) {
    std::vector<std::string> fields;
    fields.reserve(record.fields.size());
    for (const std::string_view field : record.fields) fields.emplace_back(trimmed(field, Blanks::spaceAndTab));
    return fields;
}

// Where each field is, once the layout is settled.
struct ColumnsOf {
    int date = -1, amount = -1, debit = -1, credit = -1, type = -1, direction = -1;
    std::vector<int> comments;

    explicit ColumnsOf(const std::vector<StatementField>& columns) {
        for (int column = 0; column < static_cast<int>(columns.size()); ++column) {
            auto first = [column](int& slot) {
                if (slot < 0) slot = column;
            };
            switch (columns[static_cast<std::size_t>(column)]) {
            case StatementField::Ignore: break;
            case StatementField::Date: first(date); break;
            case StatementField::Amount: first(amount); break;
            case StatementField::Debit: first(debit); break;
            case StatementField::Credit: first(credit); break;
            case StatementField::Comment: comments.push_back(column); break;
            case StatementField::Type: first(type); break;
            case StatementField::Direction: first(direction); break;
            }
        }
    }
};

bool isUsableDelimiter(char c) { return c != 0 && c != '"' && c != '\r' && c != '\n'; }

class BankCsvReader {
public:
    BankCsvReader(const StatementOptions& options, Statement& statement)
        : options(options), statement(statement), collector(statement, options) {}

    void read(std::string_view bytes);

private:
    // What the first records say: where the table starts, its header.
    struct TableStart {
        int line = 0;
        CsvRecord::Fault fault = CsvRecord::Fault::None;
        std::vector<std::string> fields;  // trimmed
    };

    // The text as UTF-8, in decoded unless the bytes are UTF-8 already.
    bool decode(std::string_view bytes, std::string& decoded);
    // The preamble, the header and the columns, from the first records;
    // false (with the fault) for a file with no table.
    bool settleLayout();
    // The record the table starts with: a header, or its first row.
    bool findTableStart(TableStart& start);
    bool holdsSoughtNames(const std::vector<std::string>& fields) const;
    // The table's records past its header.
    TableRecords tableRows() const;
    // The decimal mark and the date format, where they are to be detected,
    // from every row, and how many rows have a date; false (with the fault)
    // at a row too long.
    bool settleNumbersAndDates(const ColumnsOf& at);
    bool refusedAsTooLong(const CsvRecord& record) {
        if (record.fault != CsvRecord::Fault::TooLong) return false;
        fault(record.line, Reason::LineTooLong);
        return true;
    }
    void readRow(const CsvRecord& record, const ColumnsOf& at);
    // The amount of one column; false with the fault added when it isn't one.
    bool amountOf(int line, std::string_view text, ParsedAmount& amount) {
        if (!collector.amount(line, text, statement.csv.decimalComma == 1, options.amountRule, amount)) return false;
        if (amount.currency.empty()) return true;
        // "$" and "USD" may be one currency, but a file writes it one way.
        if (currency.empty()) currency = amount.currency;
        if (amount.currency == currency) return true;
        fault(line, Reason::OtherCurrency, text);
        return false;
    }
    void fault(int line, Reason reason, std::string_view text = {}) { collector.fault(line, reason, text); }

    const StatementOptions& options;
    Statement& statement;
    StatementCollector collector;
    std::string_view text;
    int tableStart = 0;         // the records before the header: the bank's preamble
    int brokenHeaderLine = 0;   // a header whose quotes are broken
    std::size_t datedRows = 0;  // rows whose date reads, counted while settling
    std::string currency;       // the first amount's sign or code
};

bool BankCsvReader::decode(std::string_view bytes, std::string& decoded) {
    constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";
    const bool marked = bytes.substr(0, utf8Mark.size()) == utf8Mark;
    statement.encoding = options.encoding == StatementEncoding::Detect ? detectEncoding(bytes) : options.encoding;
    // UTF-8 is read where it lies, checked once.
    if (statement.encoding == StatementEncoding::Utf8) {
        text = marked ? bytes.substr(utf8Mark.size()) : bytes;
        if (options.encoding == StatementEncoding::Detect && !marked) return true;
        if (isValidUtf8(text)) return true;
        fault(0, Reason::NotInEncoding);  // marked as UTF-8, or chosen, and not
        return false;
    }
    if (!decodeStatementText(bytes, statement.encoding, decoded)) {
        if (options.encoding != StatementEncoding::Detect) {
            fault(0, Reason::NotInEncoding);
            return false;
        }
        // Judged Big5 by its Chinese, it has bytes that aren't: their line
        // says more than a header read as Windows-1252 would.
        if (statement.encoding == StatementEncoding::Big5) {
            fault(firstLineNotInEncoding(bytes, statement.encoding), Reason::InvalidBytes,
                  statementEncodingName(statement.encoding));
            return false;
        }
        // Should the Windows-1252 decoder be missing or refuse a byte: ISO-8859-1 reads every byte.
        statement.encoding = StatementEncoding::Latin1;
        decodeStatementText(bytes, statement.encoding, decoded);
    }
    text = decoded;
    return true;
}

void BankCsvReader::read(std::string_view bytes) {
    std::string decoded;
    if (!decode(bytes, decoded)) return;
    CsvLayout& layout = statement.csv;
    layout = options.csv;
    layout.decimalComma = std::clamp(layout.decimalComma, -1, 1);
    layout.delimiter = isUsableDelimiter(options.csv.delimiter) ? options.csv.delimiter : detectDelimiter(text);
    if (!settleLayout()) return;
    const ColumnsOf at(layout.columns);
    if (at.date < 0) fault(0, Reason::NoDateColumn);
    if (at.amount < 0 && at.debit < 0 && at.credit < 0) fault(0, Reason::NoAmountColumn);
    if (!statement.faults.empty()) return;
    if (brokenHeaderLine > 0) fault(brokenHeaderLine, Reason::BadQuoting);
    if (!settleNumbersAndDates(at)) return;

    // Room for the rows whose dates read, which a file of faults has none of.
    statement.rows.reserve(std::min(datedRows, static_cast<std::size_t>(std::max<std::int64_t>(options.rowRoom, 0))));
    TableRecords rows = tableRows();
    CsvRecord record;
    while (!collector.full() && rows.next(record)) {
        if (refusedAsTooLong(record)) return;
        readRow(record, at);
    }
}

bool BankCsvReader::findTableStart(TableStart& start) {
    TableRecords records(text, statement.csv.delimiter);
    CsvRecord record;
    // The preamble given, and the table's first record after it (the last
    // record, for a file that ends before); else the first 30 records
    // searched for a header below a bank's preamble: by the names sought,
    // else by names known; else the first record with the table's field
    // count, where the first record has fewer.
    const int given = options.csv.preamble;
    const bool search = given < 0 && options.csv.header != 0;
    const int looked = given >= 0 ? given + 1 : search ? 30 : 1;
    const bool byCount = given < 0;
    constexpr int counted = 200;
    std::vector<std::size_t> counts;
    int read = 0;
    for (; read < (byCount ? counted : looked) && records.next(record); ++read) {
        if (refusedAsTooLong(record)) return false;
        // A record whose quotes are broken is not a preamble's short line.
        counts.push_back(record.fault == CsvRecord::Fault::None ? record.fields.size() : SIZE_MAX);
        if (read >= looked) continue;
        if (given >= 0 || read == 0) {
            start = TableStart{record.line, record.fault, trimmedFields(record)};
            tableStart = read;
        }
        if (search && record.fault == CsvRecord::Fault::None) {
            std::vector<std::string> fields = trimmedFields(record);
            const bool named = options.csv.headerNames.empty() ? looksLikeHeader(fields) && namesDateAndAmount(fields)
                                                               : holdsSoughtNames(fields);
            if (named) {
                start = TableStart{record.line, record.fault, std::move(fields)};
                tableStart = read;
                return true;
            }
        }
    }
    if (read == 0) {
        fault(0, Reason::EmptyFile);
        return false;
    }
    if (!byCount) return true;
    // The table's field count: the largest two records have (a header and a
    // row, or two rows), as a preamble's lines are shorter than the table's.
    std::size_t common = 0;
    for (const std::size_t count : counts)
        if (count > common && count != SIZE_MAX && std::count(counts.begin(), counts.end(), count) >= 2) common = count;
    if (counts.front() >= common) return true;
    const auto first = std::find_if(counts.begin(), counts.end(), [&](std::size_t count) { return count >= common; });
    TableRecords again(text, statement.csv.delimiter);
    for (int skipped = 0; skipped <= first - counts.begin(); ++skipped) again.next(record);
    start = TableStart{record.line, record.fault, trimmedFields(record)};
    tableStart = static_cast<int>(first - counts.begin());
    return true;
}

bool BankCsvReader::holdsSoughtNames(const std::vector<std::string>& fields) const {
    return std::all_of(options.csv.headerNames.begin(), options.csv.headerNames.end(), [&](const std::string& sought) {
        return std::any_of(fields.begin(), fields.end(), [&](const std::string& field) {
            return equalsIgnoringCase(field, trimmed(sought, Blanks::withLineEnds));
        });
    });
}

TableRecords BankCsvReader::tableRows() const {
    TableRecords records(text, statement.csv.delimiter);
    CsvRecord skipped;
    int skippedCount = 0;
    while (skippedCount < tableStart + statement.csv.header && records.next(skipped)) ++skippedCount;
    return records;
}

bool BankCsvReader::settleLayout() {
    CsvLayout& layout = statement.csv;
    TableStart first;
    if (!findTableStart(first)) return false;
    layout.preamble = tableStart;
    statement.headerLine = first.line;
    const bool readable = first.fault == CsvRecord::Fault::None;
    if (layout.header < 0)
        layout.header = readable && looksLikeHeader(first.fields) ? 1 : 0;
    else
        layout.header = layout.header > 0 ? 1 : 0;

    if (layout.header == 1) {
        statement.columnNames = first.fields;
    } else {
        const std::size_t count = std::max(first.fields.size(), layout.columns.size());
        for (std::size_t column = 1; column <= count; ++column) statement.columnNames.push_back(std::to_string(column));
    }
    if (layout.columns.empty() && layout.header == 1) layout.columns = columnsOfHeader(statement.columnNames);
    if (layout.header == 1 && !readable) brokenHeaderLine = first.line;
    return true;
}

bool BankCsvReader::settleNumbersAndDates(const ColumnsOf& at) {
    const bool decimalToDetect = statement.csv.decimalComma < 0;
    statement.dateFormat = options.dateFormat;
    const bool datesToDetect = statement.dateFormat == StatementDateFormat::Detect;
    DecimalMarkTally marks;
    DateFormatTally dates;
    TableRecords rows = tableRows();
    CsvRecord record;
    while (rows.next(record)) {
        if (refusedAsTooLong(record)) return false;
        if (decimalToDetect)
            for (const int column : {at.amount, at.debit, at.credit})
                if (column >= 0) marks.add(fieldOf(record, column));
        if (record.fault != CsvRecord::Fault::None) continue;
        const std::string_view date = fieldOf(record, at.date);
        int year, month, day;
        if (datesToDetect ? dates.add(date, record.line)
                          : parseStatementDate(date, statement.dateFormat, year, month, day))
            ++datedRows;
    }
    if (decimalToDetect) statement.csv.decimalComma = marks.comma() ? 1 : 0;
    if (datesToDetect) {
        statement.dateFormat = dates.best();
        statement.dateDecidingLine = dates.decidedAt();
        // Read one way for the preview, but not imported until chosen.
        if (dates.ambiguous()) fault(0, Reason::AmbiguousDates, dates.first());
    }
    return true;
}

void BankCsvReader::readRow(const CsvRecord& record, const ColumnsOf& at) {
    const int line = record.line;
    if (record.fault != CsvRecord::Fault::None) return fault(line, Reason::BadQuoting);
    StatementRow row;
    row.line = line;

    const std::string_view date = trimmed(fieldOf(record, at.date), Blanks::spaceAndTab);
    if (!parseStatementDate(date, statement.dateFormat, row.year, row.month, row.day))
        return fault(line, Reason::BadDate, date);

    // An amount column, signed; or debit and credit columns, of which the one
    // written counts (or, both written, the one that isn't zero).
    ParsedAmount amount;
    const std::string_view signedAmount = trimmed(fieldOf(record, at.amount), Blanks::spaceAndTab);
    if (!signedAmount.empty()) {
        if (!amountOf(line, signedAmount, amount)) return;
        row.income = !amount.negative;
        if (at.direction >= 0) {
            const std::string_view direction = trimmed(fieldOf(record, at.direction), Blanks::spaceAndTab);
            if (!direction.empty()) {
                const std::optional<bool> income = parseDirection(direction);
                if (!income) return fault(line, Reason::BadDirection, direction);
                // The direction is that of the amount as written: income of -5 is 5 out.
                row.income = *income != amount.negative;
            }
        }
    } else {
        const std::string_view debit = trimmed(fieldOf(record, at.debit), Blanks::spaceAndTab);
        const std::string_view credit = trimmed(fieldOf(record, at.credit), Blanks::spaceAndTab);
        ParsedAmount debitAmount, creditAmount;
        if (!debit.empty() && !amountOf(line, debit, debitAmount)) return;
        if (!credit.empty() && !amountOf(line, credit, creditAmount)) return;
        // Zero as written, not as rounded: a debit of 0,30 beside a credit of 0,00 is a debit.
        const bool debitCounts = !debit.empty() && (credit.empty() || !creditAmount.written);
        const bool creditCounts = !credit.empty() && (debit.empty() || !debitAmount.written);
        if (debitCounts == creditCounts) {
            // Neither written, or both with an amount: which way it went is unknown.
            std::string both(debit);
            if (!debit.empty() && !credit.empty()) both += " / ";
            both += credit;
            return fault(line, Reason::BadAmount, both);
        }
        // The column says the direction; a sign some banks add to debits changes nothing.
        amount = debitCounts ? debitAmount : creditAmount;
        row.income = creditCounts;
    }
    row.amount = amount.magnitude;
    row.rounded = amount.rounded;

    for (const int column : at.comments) {
        const std::string_view part = trimmed(fieldOf(record, column), Blanks::spaceAndTab);
        if (part.empty()) continue;
        appendCommentPart(row.comment, part);
    }
    row.type = trimmed(fieldOf(record, at.type), Blanks::spaceAndTab);
    collector.row(std::move(row));
}

}  // namespace

Statement readBankCsv(std::string_view bytes, const StatementOptions& options) {
    Statement statement;
    statement.format = StatementFormat::Csv;
    BankCsvReader(options, statement).read(bytes);
    sortStatementFaults(statement);
    return statement;
}

}  // namespace PwText
