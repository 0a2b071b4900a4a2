// QIF statements: the bank, cash and card sections of a file, records of
// lines whose first letter says what the line holds, each ended by "^".
#include <algorithm>
#include <cstdio>
#include <vector>

#include "asciitext.h"
#include "statementformats.h"
#include "statementrows.h"

namespace PwText {

namespace {

using Reason = StatementFault::Reason;



bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A date split into its numbers. Whether slashes put the month or the day
// first is settled for the whole file, once every date has been seen.
struct QifDate {
    enum class Form { Slash, Dot, Iso };
    Form form = Form::Slash;
    int first = 0;
    int second = 0;
    int year = 0;
};

// Reads a run of 1 to maxDigits digits at text[k].
bool readNumber(std::string_view text, std::size_t& k, std::size_t maxDigits, int& value, std::size_t& digits) {
    value = 0;
    digits = 0;
    for (; k < text.size() && isDigit(text[k]); ++k) {
        if (++digits > maxDigits) return false;
        value = value * 10 + (text[k] - '0');
    }
    return digits > 0;
}

// M/D'YY (2000 + YY: the apostrophe is how the 21st century is written),
// M/D/YY, M/D/YYYY, D.M.YY, D.M.YYYY and YYYY-MM-DD, with any spaces
// inside ("1/ 5' 6"). A two-digit year after a slash or a dot is 2000 + YY
// below 70, else 1900 + YY.
bool splitQifDate(std::string_view raw, QifDate& date) {
    std::string text;
    for (const char c : raw)
        if (c != ' ' && c != '\t') text += c;
    std::size_t k = 0;
    int first;
    std::size_t digits;
    if (!readNumber(text, k, 4, first, digits)) return false;
    if (digits == 4) {
        date.form = QifDate::Form::Iso;
        date.year = first;
        std::size_t monthDigits, dayDigits;
        if (k >= text.size() || text[k++] != '-' || !readNumber(text, k, 2, date.first, monthDigits) ||
            k >= text.size() || text[k++] != '-' || !readNumber(text, k, 2, date.second, dayDigits))
            return false;
        return k == text.size();
    }
    if (digits > 2 || k >= text.size()) return false;
    const char firstMark = text[k++];
    if (firstMark != '/' && firstMark != '.' && firstMark != '-') return false;
    date.form = firstMark == '.' ? QifDate::Form::Dot : QifDate::Form::Slash;
    date.first = first;
    if (!readNumber(text, k, 2, date.second, digits) || k >= text.size()) return false;
    const char secondMark = text[k++];
    const bool apostrophe = secondMark == '\'';
    if (date.form == QifDate::Form::Dot ? secondMark != '.' : (secondMark != firstMark && !apostrophe)) return false;
    int year;
    if (!readNumber(text, k, 4, year, digits) || k != text.size()) return false;
    if (digits == 4) date.year = year;
    else if (apostrophe) date.year = 2000 + year;
    else if (digits == 2) date.year = year < 70 ? 2000 + year : 1900 + year;
    else return false;
    return true;
}

bool validDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return false;
    char iso[11];
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02d", year, month, day);
    int y, m, d;
    return parseStatementDate(iso, StatementDateFormat::YearMonthDayDash, y, m, d);
}

struct Field {
    int line = 0;  // 0: not in the record
    std::string_view text;
};

struct Record {
    int line = 0;
    Field date;
    Field total;     // T
    Field unrounded; // U, the same amount in newer files; T is read where both are
    Field payee;
    Field memo;
    Field category;
    QifDate splitDate;
    bool dateSplit = false;
};

enum class Section { None, Transactions, Other };

struct QifFile {
    bool sawHeader = false;
    std::vector<Record> records;
};

Section sectionOf(std::string_view header) {
    if (startsWithIgnoringCase(header, "!Type:")) {
        const std::string_view name = trimmedStatementText(header.substr(6));
        for (const char* read : {"Bank", "Cash", "CCard"})
            if (equalsIgnoringCase(name, read)) return Section::Transactions;
        return Section::Other;  // investments, categories, classes, memorized, other accounts
    }
    if (startsWithIgnoringCase(header, "!Account")) return Section::Other;
    return Section::None;  // !Option, !Clear: no change of section
}

QifFile readRecords(std::string_view text) {
    QifFile file;
    file.records.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '^')));
    Section section = Section::None;
    Record record;
    auto endRecord = [&] {
        if (record.line != 0) file.records.push_back(record);
        record = Record{};
    };
    int line = 0;
    for (std::size_t start = 0; start < text.size();) {
        ++line;
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view content = text.substr(start, end - start);
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);

        const std::string_view trimmed = trimmedStatementText(content);
        if (trimmed.empty()) continue;
        if (trimmed[0] == '!') {
            endRecord();
            file.sawHeader = true;
            if (const Section next = sectionOf(trimmed); next != Section::None) section = next;
            continue;
        }
        if (section != Section::Transactions) continue;
        if (trimmed[0] == '^') {
            endRecord();
            continue;
        }
        if (record.line == 0) record.line = line;
        Field* field = nullptr;
        switch (asciiUpper(trimmed[0])) {
        case 'D': field = &record.date; break;
        case 'T': field = &record.total; break;
        case 'U': field = &record.unrounded; break;
        case 'P': field = &record.payee; break;
        case 'M': field = &record.memo; break;
        case 'L': field = &record.category; break;
        default: break;  // N, C, A, the splits' S, E, $ and % lines: not kept
        }
        if (field != nullptr && field->line == 0) *field = Field{line, trimmed.substr(1)};
    }
    endRecord();
    return file;
}

// The decimal mark the amounts are written with: the one that ends more of
// them with other than three digits after it ("-35,50", "12.5"); a tie goes
// to the comma where the dates are written with dots.
bool amountsUseComma(const std::vector<Record>& records) {
    int comma = 0, point = 0, dotDates = 0, otherDates = 0;
    for (const Record& record : records) {
        const std::string_view amount =
            trimmedStatementText(record.total.line != 0 ? record.total.text : record.unrounded.text);
        const std::size_t mark = amount.find_last_of(",.");
        if (mark != std::string_view::npos) {
            std::size_t digits = 0;
            for (std::size_t k = mark + 1; k < amount.size() && isDigit(amount[k]); ++k) ++digits;
            if (digits != 3) ++(amount[mark] == ',' ? comma : point);
        }
        if (record.dateSplit) ++(record.splitDate.form == QifDate::Form::Dot ? dotDates : otherDates);
    }
    return comma > point || (comma == point && dotDates > otherDates);
}

// Whether slash dates put the month first: as chosen, else unless some date
// reads only with the day first.
bool slashesPutMonthFirst(const std::vector<Record>& records, StatementDateFormat chosen) {
    if (chosen == StatementDateFormat::DayMonthYearSlash) return false;
    if (chosen == StatementDateFormat::MonthDayYearSlash) return true;
    bool dayFirstOnly = false, monthFirstOnly = false;
    for (const Record& record : records) {
        if (!record.dateSplit || record.splitDate.form != QifDate::Form::Slash) continue;
        dayFirstOnly = dayFirstOnly || record.splitDate.first > 12;
        monthFirstOnly = monthFirstOnly || record.splitDate.second > 12;
    }
    return !dayFirstOnly || monthFirstOnly;
}

StatementDateFormat formatOf(const QifDate& date, bool monthFirst) {
    switch (date.form) {
    case QifDate::Form::Iso: return StatementDateFormat::YearMonthDayDash;
    case QifDate::Form::Dot: return StatementDateFormat::DayMonthYearDot;
    case QifDate::Form::Slash: break;
    }
    return monthFirst ? StatementDateFormat::MonthDayYearSlash : StatementDateFormat::DayMonthYearSlash;
}

// A category names the row's type as written ("Food:Groceries"); a transfer
// names its account in brackets, and the account's name is the type.
std::string typeOf(std::string_view category) {
    category = trimmedStatementText(category);
    if (category.size() >= 2 && category.front() == '[' && category.back() == ']')
        category = trimmedStatementText(category.substr(1, category.size() - 2));
    return std::string(category);
}

void addRecord(Statement& statement, const Record& record, bool monthFirst, bool comma, AmountRule rule) {
    int year = 0, month = 0, day = 0;
    bool good = true;
    if (record.date.line == 0) {
        addStatementFault(statement, record.line, Reason::BadDate, {});
        good = false;
    } else {
        const QifDate& date = record.splitDate;
        year = date.year;
        const bool firstIsMonth =
            date.form == QifDate::Form::Iso || (date.form == QifDate::Form::Slash && monthFirst);
        month = firstIsMonth ? date.first : date.second;
        day = firstIsMonth ? date.second : date.first;
        if (!record.dateSplit || !validDate(year, month, day)) {
            addStatementFault(statement, record.date.line, Reason::BadDate, trimmedStatementText(record.date.text));
            good = false;
        }
    }
    const Field& total = record.total.line != 0 ? record.total : record.unrounded;
    ParsedAmount amount;
    if (total.line == 0) {
        addStatementFault(statement, record.line, Reason::BadAmount, {});
        good = false;
    } else {
        good = readStatementAmount(statement, total.line, total.text, comma, rule, amount) && good;
    }
    if (good) {
        addStatementRow(statement, record.line, year, month, day, amount,
                        joinedComment(record.payee.text, record.memo.text), typeOf(record.category.text));
    }
}

}  // namespace

Statement readQif(std::string_view bytes, const StatementOptions& options) {
    Statement statement;
    statement.format = StatementFormat::Qif;
    statement.dateFormat = StatementDateFormat::MonthDayYearSlash;
    if (trimmedStatementText(bytes).empty()) {
        addStatementFault(statement, 0, Reason::EmptyFile, {});
        return statement;
    }
    std::string buffer;
    std::string_view text;
    if (!decodeStatementBytes(bytes, options.encoding, StatementEncoding::Detect, statement, buffer, text))
        return statement;
    QifFile file = readRecords(text);
    if (!file.sawHeader) {
        addStatementFault(statement, 0, Reason::UnknownFormat, {});
        return statement;
    }
    if (file.records.empty()) {
        addStatementFault(statement, 0, Reason::NoTransactions, {});
        return statement;
    }
    for (Record& record : file.records)
        record.dateSplit = record.date.line != 0 && splitQifDate(record.date.text, record.splitDate);

    const bool monthFirst = slashesPutMonthFirst(file.records, options.dateFormat);
    const bool comma = options.csv.decimalComma >= 0 ? options.csv.decimalComma == 1 : amountsUseComma(file.records);
    statement.rows.reserve(file.records.size());
    bool formatSettled = false;
    for (const Record& record : file.records) {
        if (!formatSettled && record.dateSplit) {
            statement.dateFormat = formatOf(record.splitDate, monthFirst);
            formatSettled = true;
        }
        addRecord(statement, record, monthFirst, comma, options.amountRule);
    }
    sortStatementFaults(statement);
    return statement;
}

}  // namespace PwText
