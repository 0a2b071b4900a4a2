// QIF statements: the bank, cash and card sections of a file, records of
// lines whose first letter says what the line holds, each ended by "^".
#include <algorithm>
#include <optional>
#include <vector>

#include "core/calendar.h"
#include "text/asciitext.h"
#include "text/statementformats.h"
#include "text/statementrows.h"

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
    bool apostrophe = false;  // M/D'YY: the month first, as the program that writes it does
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
// inside ("1/ 5' 6"). A two-digit year after a slash or a dot is the one
// nearest today.
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
    date.apostrophe = apostrophe;
    if (date.form == QifDate::Form::Dot ? secondMark != '.' : (secondMark != firstMark && !apostrophe)) return false;
    int year;
    if (!readNumber(text, k, 4, year, digits) || k != text.size()) return false;
    if (digits == 4)
        date.year = year;
    else if (apostrophe)
        date.year = 2000 + year;
    else if (digits == 2)
        date.year = nearestCenturyYear(year);
    else
        return false;
    return true;
}

struct Field {
    int line = 0;  // 0: not in the record
    std::string_view text;
};

struct Record {
    int line = 0;
    Field date;
    Field total;      // T
    Field unrounded;  // U, the same amount in newer files; T is read where both are
    Field payee;
    Field memo;
    Field category;
    Field firstSplit;  // the first split's category (S)
    // A letter a record holds once, written a second time: the "^" that
    // ends a record is missing, and which lines go with which transaction
    // can't be told. The record is refused at that line, and the lines after
    // it, up to the next "^", aren't read.
    int repeatLine = 0;
    char repeatLetter = 0;
};

enum class Section { None, Transactions, Other };

Section sectionOf(std::string_view header) {
    if (startsWithIgnoringCase(header, "!Type:")) {
        const std::string_view name = trimmed(header.substr(6), Blanks::withLineEnds);
        for (const char* read : {"Bank", "Cash", "CCard"})
            if (equalsIgnoringCase(name, read)) return Section::Transactions;
        return Section::Other;  // investments, categories, classes, memorized, other accounts
    }
    if (startsWithIgnoringCase(header, "!Account")) return Section::Other;
    return Section::None;  // !Option, !Clear: no change of section
}

// The fields a record holds once: the date, the amounts, the payee, the
// memo, the category, the check number and the cleared mark. Address lines
// (A) and the splits' S, E, $ and % lines come many to a record.
constexpr std::string_view heldOnce = "DTUPMLNC";

// How the lines of a file were read.
struct QifScan {
    bool sawHeader = false;
    int longLine = 0;  // a line over statementLineLimit, where reading stopped
};

// Calls visit(record) for every record of the transaction sections, in file
// order, until visit returns false. Nothing is kept between records, so a
// file of a million records costs no more than one.
template <typename Visit>
QifScan forEachRecord(std::string_view text, Visit visit) {
    QifScan scan;
    Section section = Section::None;
    Record record;
    unsigned seen = 0;  // the heldOnce letters of this record, a bit each
    auto endRecord = [&] {
        const bool go = record.line == 0 || visit(record);
        record = Record{};
        seen = 0;
        return go;
    };
    int line = 0;
    for (std::size_t start = 0; start < text.size();) {
        ++line;
        std::size_t end = start;
        while (end < text.size() && text[end] != '\n' && text[end] != '\r') ++end;
        if (end - start > statementLineLimit) {
            scan.longLine = line;
            return scan;
        }
        const std::string_view content = text.substr(start, end - start);
        start = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);

        const std::string_view lineText = trimmed(content, Blanks::withLineEnds);
        if (lineText.empty()) continue;
        if (lineText[0] == '!') {
            if (!endRecord()) return scan;
            scan.sawHeader = true;
            if (const Section next = sectionOf(lineText); next != Section::None) section = next;
            continue;
        }
        if (section != Section::Transactions) continue;
        if (lineText[0] == '^') {
            if (!endRecord()) return scan;
            continue;
        }
        if (record.repeatLine != 0) continue;
        if (record.line == 0) record.line = line;
        const char letter = asciiUpper(lineText[0]);
        if (const std::size_t once = heldOnce.find(letter); once != std::string_view::npos) {
            if (seen & (1u << once)) {
                record.repeatLine = line;
                record.repeatLetter = letter;
                continue;
            }
            seen |= 1u << once;
        }
        Field* field = nullptr;
        switch (letter) {
        case 'D': field = &record.date; break;
        case 'T': field = &record.total; break;
        case 'U': field = &record.unrounded; break;
        case 'P': field = &record.payee; break;
        case 'M': field = &record.memo; break;
        case 'L': field = &record.category; break;
        case 'S':
            if (record.firstSplit.line == 0) field = &record.firstSplit;
            break;
        default: break;  // N, C, A, the splits' E, $ and % lines: not kept
        }
        if (field != nullptr) *field = Field{line, lineText.substr(1)};
    }
    endRecord();
    return scan;
}

// What the whole file's records say about how they are written, told one
// record at a time: the decimal mark of the amounts, whether slash dates put
// the month first, the form of the first date.
class QifTallies {
public:
    void add(const Record& record) {
        const std::string_view amount =
            trimmed(record.total.line != 0 ? record.total.text : record.unrounded.text, Blanks::withLineEnds);
        const std::size_t mark = amount.find_last_of(",.");
        if (mark != std::string_view::npos) {
            std::size_t digits = 0;
            for (std::size_t k = mark + 1; k < amount.size() && isDigit(amount[k]); ++k) ++digits;
            if (digits != 3) ++(amount[mark] == ',' ? comma : point);
        }
        QifDate date;
        if (record.date.line == 0 || !splitQifDate(record.date.text, date)) return;
        if (!firstDate) firstDate = date;
        ++(date.form == QifDate::Form::Dot ? dotDates : otherDates);
        if (date.form == QifDate::Form::Slash) {
            if (firstSlashDate.empty()) firstSlashDate = trimmed(record.date.text, Blanks::withLineEnds);
            dayFirstOnly = dayFirstOnly || date.first > 12;
            monthFirstOnly = monthFirstOnly || date.second > 12 || date.apostrophe;
        }
    }

    // The one that ends more amounts with other than three digits after it
    // ("-35,50", "12.5"); a tie goes to the comma where the dates are
    // written with dots.
    bool amountsUseComma() const { return comma > point || (comma == point && dotDates > otherDates); }
    // As chosen, else unless some date reads only with the day first.
    bool slashesPutMonthFirst(StatementDateFormat chosen) const {
        if (const auto way = chosenWay(chosen)) return *way;
        return !dayFirstOnly || monthFirstOnly;
    }
    const std::optional<QifDate>& first() const { return firstDate; }
    // No slash date says whether the day or the month comes first: the
    // first such date, else empty.
    std::string_view undecidedDate(StatementDateFormat chosen) const {
        return chosenWay(chosen) || dayFirstOnly || monthFirstOnly ? std::string_view{} : firstSlashDate;
    }

private:
    // Whether a format chosen puts the month first in slash dates; nothing for Detect and others.
    static std::optional<bool> chosenWay(StatementDateFormat chosen) {
        switch (chosen) {
        case StatementDateFormat::DayMonthYearSlash:
        case StatementDateFormat::DayMonthShortYearSlash: return false;
        case StatementDateFormat::MonthDayYearSlash:
        case StatementDateFormat::MonthDayShortYearSlash: return true;
        default: return std::nullopt;
        }
    }

    int comma = 0, point = 0, dotDates = 0, otherDates = 0;
    bool dayFirstOnly = false, monthFirstOnly = false;
    std::optional<QifDate> firstDate;
    std::string_view firstSlashDate;
};

StatementDateFormat formatOf(const QifDate& date, bool monthFirst) {
    switch (date.form) {
    case QifDate::Form::Iso: return StatementDateFormat::YearMonthDayDash;
    case QifDate::Form::Dot: return StatementDateFormat::DayMonthYearDot;
    case QifDate::Form::Slash: break;
    }
    return monthFirst ? StatementDateFormat::MonthDayYearSlash : StatementDateFormat::DayMonthYearSlash;
}

// A category names the row's type as written ("Food:Groceries"), less the
// class after a slash ("Food:Groceries/Business"); a transfer names its
// account in brackets, and the account's name is the type. A split
// transaction is one transaction of its total, of its first split's type.
std::string typeOf(std::string_view category, std::string_view firstSplit) {
    category = trimmed(category, Blanks::withLineEnds);
    if (category.empty() || category == "--Split--") category = trimmed(firstSplit, Blanks::withLineEnds);
    category = trimmed(category.substr(0, category.find('/')), Blanks::withLineEnds);
    if (category.size() >= 2 && category.front() == '[' && category.back() == ']')
        category = trimmed(category.substr(1, category.size() - 2), Blanks::withLineEnds);
    return std::string(category);
}

void addRecord(StatementCollector& rows, const Record& record, bool monthFirst, bool comma, AmountRule rule) {
    if (record.repeatLine != 0)
        return rows.fault(record.repeatLine, Reason::QifRecordNotEnded, std::string_view(&record.repeatLetter, 1));
    int year = 0, month = 0, day = 0;
    bool good = true;
    QifDate date;
    if (record.date.line == 0) {
        rows.fault(record.line, Reason::BadDate);
        good = false;
    } else {
        const bool split = splitQifDate(record.date.text, date);
        year = date.year;
        const bool firstIsMonth = date.form == QifDate::Form::Iso || (date.form == QifDate::Form::Slash && monthFirst);
        month = firstIsMonth ? date.first : date.second;
        day = firstIsMonth ? date.second : date.first;
        if (!split || !KestLib::isCalendarDate(year, month, day)) {
            rows.fault(record.date.line, Reason::BadDate, trimmed(record.date.text, Blanks::withLineEnds));
            good = false;
        }
    }
    const Field& total = record.total.line != 0 ? record.total : record.unrounded;
    ParsedAmount amount;
    if (total.line == 0) {
        rows.fault(record.line, Reason::BadAmount);
        good = false;
    } else {
        good = rows.amount(total.line, trimmed(total.text, Blanks::withLineEnds), comma, rule, amount) && good;
    }
    if (good) {
        rows.row(record.line, year, month, day, amount, joinedComment(record.payee.text, record.memo.text),
                 typeOf(record.category.text, record.firstSplit.text));
    }
}

}  // namespace

Statement readQif(std::string_view bytes, const StatementOptions& options) {
    Statement statement;
    statement.format = StatementFormat::Qif;
    statement.dateFormat = StatementDateFormat::MonthDayYearSlash;
    StatementCollector rows(statement, options);
    if (trimmed(bytes, Blanks::withLineEnds).empty()) {
        rows.fault(0, Reason::EmptyFile);
        return statement;
    }
    std::string buffer;
    std::string_view text;
    if (!decodeStatementBytes(bytes, options.encoding, StatementEncoding::Detect, statement, buffer, text))
        return statement;
    // Two passes: how the whole file writes its amounts and dates, then its rows.
    QifTallies tallies;
    const QifScan scan = forEachRecord(text, [&](const Record& record) {
        if (record.repeatLine == 0) tallies.add(record);
        return true;
    });
    if (scan.longLine != 0) {
        rows.fault(scan.longLine, Reason::LineTooLong);
        return statement;
    }
    if (!scan.sawHeader) {
        rows.fault(0, Reason::UnknownFormat);
        return statement;
    }
    bool anyRecord = false;
    const bool monthFirst = tallies.slashesPutMonthFirst(options.dateFormat);
    const bool comma = options.csv.decimalComma >= 0 ? options.csv.decimalComma == 1 : tallies.amountsUseComma();
    if (tallies.first()) statement.dateFormat = formatOf(*tallies.first(), monthFirst);
    // Read one way for the preview, but not imported until chosen.
    if (const std::string_view undecided = tallies.undecidedDate(options.dateFormat); !undecided.empty())
        rows.fault(0, Reason::AmbiguousDates, undecided);
    forEachRecord(text, [&](const Record& record) {
        anyRecord = true;
        addRecord(rows, record, monthFirst, comma, options.amountRule);
        return !rows.full();
    });
    if (!anyRecord) rows.fault(0, Reason::NoTransactions);
    sortStatementFaults(statement);
    return statement;
}

}  // namespace PwText
