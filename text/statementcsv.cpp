// A bank's CSV read into statement rows: decoded, split by the delimiter
// detected or chosen, its columns mapped from the header or as given, and each
// record turned into a row or a fault with its line.

#include <algorithm>
#include <optional>

#include "asciitext.h"
#include "big5codec.h"
#include "csv.h"
#include "statementcsvdetect.h"
#include "statementformats.h"

namespace PwText {

namespace {

using Reason = StatementFault::Reason;
using namespace StatementCsv;

// Every record of a file, its fields' text in one buffer, so that 100,000
// rows are read with a handful of allocations rather than one per field.
// Empty lines are left out.
class RecordTable {
public:
    struct Record {
        int line;
        CsvRecord::Fault fault;
        std::size_t firstField;
        std::size_t fieldCount;
    };

    void read(std::string_view text, char delimiter) {
        // Room for the usual file up front, capped so that an odd first line
        // (thousands of fields, or a file of line breaks) can't ask for more
        // than a few times the text.
        const std::size_t lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
        recordList.reserve(std::min(lines, text.size() / 8 + 1));
        buffer.reserve(text.size());
        CsvReader reader(text, delimiter);
        CsvRecord record;
        while (reader.next(record)) {
            if (isEmpty(record)) continue;
            if (recordList.empty()) fieldEnds.reserve(std::min(lines * record.fields.size(), text.size() / 2 + 1));
            recordList.push_back({record.line, record.fault, fieldEnds.size(), record.fields.size()});
            for (const std::string& field : record.fields) {
                buffer.append(field);
                fieldEnds.push_back(buffer.size());
            }
        }
    }

    const std::vector<Record>& records() const { return recordList; }

    // Empty past the record's last field, as a short line of a bank's CSV means.
    std::string_view field(const Record& record, int column) const {
        if (column < 0 || static_cast<std::size_t>(column) >= record.fieldCount) return {};
        const std::size_t index = record.firstField + static_cast<std::size_t>(column);
        const std::size_t start = index == 0 ? 0 : fieldEnds[index - 1];
        return std::string_view(buffer).substr(start, fieldEnds[index] - start);
    }

private:
    // A blank line, or one of delimiters only (";;;;"), as some banks end their files.
    static bool isEmpty(const CsvRecord& record) {
        return record.fault == CsvRecord::Fault::None && !record.quotedEmpty &&
               std::all_of(record.fields.begin(), record.fields.end(),
                           [](const std::string& field) { return trimmed(field).empty(); });
    }

    std::string buffer;
    std::vector<std::size_t> fieldEnds;
    std::vector<Record> recordList;
};

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
        : options(options), statement(statement) {}

    void read(std::string_view bytes);

private:
    // The text as UTF-8, in decoded unless the bytes are UTF-8 already.
    bool decode(std::string_view bytes, std::string& decoded, std::string_view& text);
    void settleLayout();
    // How many records above the table are a bank's preamble.
    int settlePreamble() const;
    std::vector<std::string> fieldsOf(const RecordTable::Record& record) const;
    void readRow(const RecordTable::Record& record, const ColumnsOf& at);
    // The amount of one column; false with the fault added when it isn't one.
    bool amountOf(int line, std::string_view text, ParsedAmount& amount);
    void fault(int line, Reason reason, std::string_view text = {}) {
        statement.faults.push_back({line, reason, std::string(text)});
    }

    const StatementOptions& options;
    Statement& statement;
    RecordTable table;
    std::vector<RecordTable::Record>::const_iterator firstRow;  // past the header
};

bool BankCsvReader::decode(std::string_view bytes, std::string& decoded, std::string_view& text) {
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
        // Should the Windows-1252 decoder be missing or refuse a byte: ISO-8859-1 reads every byte.
        statement.encoding = StatementEncoding::Latin1;
        decodeStatementText(bytes, statement.encoding, decoded);
    }
    text = decoded;
    return true;
}

void BankCsvReader::read(std::string_view bytes) {
    std::string decoded;
    std::string_view text;
    if (!decode(bytes, decoded, text)) return;
    CsvLayout& layout = statement.csv;
    layout = options.csv;
    layout.decimalComma = std::clamp(layout.decimalComma, -1, 1);
    layout.delimiter = isUsableDelimiter(options.csv.delimiter) ? options.csv.delimiter : detectDelimiter(text);
    table.read(text, layout.delimiter);
    decoded = std::string();  // the table holds its own copy
    if (table.records().empty()) {
        fault(0, Reason::EmptyFile);
        return;
    }
    settleLayout();
    const ColumnsOf at(layout.columns);
    if (at.date < 0) fault(0, Reason::NoDateColumn);
    if (at.amount < 0 && at.debit < 0 && at.credit < 0) fault(0, Reason::NoAmountColumn);
    if (!statement.faults.empty()) return;
    const RecordTable::Record& headerRecord = table.records()[static_cast<std::size_t>(layout.preamble)];
    if (layout.header == 1 && headerRecord.fault != CsvRecord::Fault::None) fault(headerRecord.line, Reason::BadQuoting);

    const auto rows = table.records().end() - firstRow;
    std::vector<std::string_view> texts;
    texts.reserve(static_cast<std::size_t>(rows) * 2);
    if (layout.decimalComma < 0) {
        for (auto record = firstRow; record != table.records().end(); ++record)
            for (const int column : {at.amount, at.debit, at.credit})
                if (column >= 0) texts.push_back(table.field(*record, column));
        layout.decimalComma = detectDecimalComma(texts) ? 1 : 0;
    }
    statement.dateFormat = options.dateFormat;
    if (statement.dateFormat == StatementDateFormat::Detect) {
        texts.clear();
        for (auto record = firstRow; record != table.records().end(); ++record)
            if (record->fault == CsvRecord::Fault::None) texts.push_back(table.field(*record, at.date));
        statement.dateFormat = detectDateFormat(texts);
    }

    statement.rows.reserve(static_cast<std::size_t>(rows));
    for (auto record = firstRow; record != table.records().end(); ++record) readRow(*record, at);
}

std::vector<std::string> BankCsvReader::fieldsOf(const RecordTable::Record& record) const {
    std::vector<std::string> fields;
    for (std::size_t column = 0; column < record.fieldCount; ++column)
        fields.emplace_back(trimmed(table.field(record, static_cast<int>(column))));
    return fields;
}

int BankCsvReader::settlePreamble() const {
    const auto& records = table.records();
    if (options.csv.preamble >= 0) return std::min(options.csv.preamble, static_cast<int>(records.size()) - 1);
    if (options.csv.header == 0) return 0;
    constexpr int rowsSearched = 30;
    for (int row = 0; row < std::min(rowsSearched, static_cast<int>(records.size())); ++row) {
        const std::vector<std::string> fields = fieldsOf(records[static_cast<std::size_t>(row)]);
        if (records[static_cast<std::size_t>(row)].fault == CsvRecord::Fault::None && looksLikeHeader(fields) &&
            namesDateAndAmount(fields))
            return row;
    }
    return 0;
}

void BankCsvReader::settleLayout() {
    CsvLayout& layout = statement.csv;
    layout.preamble = settlePreamble();
    const RecordTable::Record& first = table.records()[static_cast<std::size_t>(layout.preamble)];
    const std::vector<std::string> firstFields = fieldsOf(first);
    if (layout.header < 0)
        layout.header = first.fault == CsvRecord::Fault::None && looksLikeHeader(firstFields) ? 1 : 0;
    else
        layout.header = layout.header > 0 ? 1 : 0;
    firstRow = table.records().begin() + layout.preamble + layout.header;

    if (layout.header == 1) {
        statement.columnNames = firstFields;
    } else {
        const std::size_t count = std::max(first.fieldCount, layout.columns.size());
        for (std::size_t column = 1; column <= count; ++column) statement.columnNames.push_back(std::to_string(column));
    }
    if (layout.columns.empty() && layout.header == 1) layout.columns = columnsOfHeader(statement.columnNames);
}

bool BankCsvReader::amountOf(int line, std::string_view text, ParsedAmount& amount) {
    if (parseStatementAmount(text, statement.csv.decimalComma == 1, options.amountRule, amount)) return true;
    fault(line, amount.outOfRange ? Reason::AmountOutOfRange : Reason::BadAmount, text);
    return false;
}

void BankCsvReader::readRow(const RecordTable::Record& record, const ColumnsOf& at) {
    const int line = record.line;
    if (record.fault != CsvRecord::Fault::None) return fault(line, Reason::BadQuoting);
    StatementRow row;
    row.line = line;

    const std::string_view date = trimmed(table.field(record, at.date));
    if (!parseStatementDate(date, statement.dateFormat, row.year, row.month, row.day))
        return fault(line, Reason::BadDate, date);

    // An amount column, signed; or debit and credit columns, of which the one
    // written counts (or, both written, the one that isn't zero).
    ParsedAmount amount;
    const std::string_view signedAmount = trimmed(table.field(record, at.amount));
    if (!signedAmount.empty()) {
        if (!amountOf(line, signedAmount, amount)) return;
        row.income = !amount.negative;
        if (at.direction >= 0) {
            const std::string_view direction = trimmed(table.field(record, at.direction));
            if (!direction.empty()) {
                const std::optional<bool> income = parseDirection(direction);
                if (!income) return fault(line, Reason::BadDirection, direction);
                // The direction is that of the amount as written: income of -5 is 5 out.
                row.income = *income != amount.negative;
            }
        }
    } else {
        const std::string_view debit = trimmed(table.field(record, at.debit));
        const std::string_view credit = trimmed(table.field(record, at.credit));
        ParsedAmount debitAmount, creditAmount;
        if (!debit.empty() && !amountOf(line, debit, debitAmount)) return;
        if (!credit.empty() && !amountOf(line, credit, creditAmount)) return;
        const bool debitCounts = !debit.empty() && (credit.empty() || creditAmount.magnitude == 0);
        const bool creditCounts = !credit.empty() && (debit.empty() || debitAmount.magnitude == 0);
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
        const std::string_view part = trimmed(table.field(record, column));
        if (part.empty()) continue;
        if (!row.comment.empty()) row.comment.push_back(' ');
        row.comment.append(part);
    }
    row.type = trimmed(table.field(record, at.type));
    statement.rows.push_back(std::move(row));
}

}  // namespace

Statement readBankCsv(std::string_view bytes, const StatementOptions& options) {
    Statement statement;
    statement.format = StatementFormat::Csv;
    BankCsvReader(options, statement).read(bytes);
    return statement;
}

}  // namespace PwText
