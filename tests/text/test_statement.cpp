#include <gtest/gtest.h>

#include <QStringEncoder>
#include <QStringList>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "text/statement.h"
#include "text/statementcsvdetect.h"
#include "text/statementformats.h"
#include "text/statementmessages.h"
#include "text/statementreader.h"

using namespace PwText;
using Reason = StatementFault::Reason;
using DateFormat = StatementDateFormat;

namespace {

std::string big5Of(const char* utf8) {
    QStringEncoder encoder("Big5");
    const QByteArray bytes = encoder.encode(QString::fromUtf8(utf8));
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// A row or a fault as one line, so that a whole statement compares at once.
std::string rowLine(const StatementRow& r) {
    std::ostringstream out;
    out << r.line << '|' << r.year << '-' << r.month << '-' << r.day << '|' << (r.income ? "in" : "out") << '|'
        << r.amount << (r.rounded ? "~" : "") << '|' << r.comment << '|' << r.type;
    return out.str();
}

std::string faultLine(const StatementFault& f) {
    return std::to_string(f.line) + "|" + std::to_string(static_cast<int>(f.reason)) + "|" + f.text;
}

std::string fault(int line, Reason reason, const std::string& text = {}) { return faultLine({line, reason, text}); }

std::vector<std::string> rowLines(const Statement& s) {
    std::vector<std::string> lines;
    for (const StatementRow& r : s.rows) lines.push_back(rowLine(r));
    return lines;
}

std::vector<std::string> faultLines(const Statement& s) {
    std::vector<std::string> lines;
    for (const StatementFault& f : s.faults) lines.push_back(faultLine(f));
    return lines;
}

}  // namespace

TEST(StatementAmount, ReadsSignsSeparatorsAndRoundsByRule) {
    struct Case {
        const char* text;
        bool comma;
        AmountRule rule;
        bool ok;
        bool negative;
        std::int32_t magnitude;
        bool rounded;
        bool outOfRange;
    };
    const AmountRule R = AmountRule::Round, C = AmountRule::Cents;
    const Case cases[] = {
        {"12", false, R, true, false, 12, false, false},
        {"+12", false, R, true, false, 12, false, false},
        {"-35,50", true, R, true, true, 36, true, false},  // half away from zero
        {"-35,49", true, R, true, true, 35, true, false},
        {"-35,50", true, C, true, true, 3550, false, false},
        {"35.5", false, C, true, false, 3550, false, false},
        {"0.005", false, C, true, false, 1, true, false},
        {"0.0049", false, C, true, false, 0, true, false},
        {"1.234,50", true, C, true, false, 123450, false, false},
        {"1,234.50", false, C, true, false, 123450, false, false},
        {"1 234 567", false, R, true, false, 1234567, false, false},
        {"1\xC2\xA0"
         "234,00",
         true, R, true, false, 1234, false, false},
        {"1'234.00", false, R, true, false, 1234, false, false},
        {"(35.50)", false, C, true, true, 3550, false, false},
        {"35,50-", true, C, true, true, 3550, false, false},
        {"  -7  ", false, R, true, true, 7, false, false},
        {"-0.40", false, R, true, true, 0, true, false},  // a debit still, rounded to nothing
        {"-0.00", false, R, true, false, 0, false, false},
        {"$1,234.56", false, C, true, false, 123456, false, false},
        {"(\xC2\xA3"
         "8.99)",
         false, C, true, true, 899, false, false},                         // (£8.99)
        {"-12,50 \xE2\x82\xAC", true, C, true, true, 1250, false, false},  // -12,50 €
        {"-\xE2\x82\xAC"
         "5",
         false, R, true, true, 5, false, false},  // -€5
        {"EUR 3,00", true, R, true, false, 3, false, false},
        {"12 EUR", false, R, true, false, 12, false, false},
        {"EURO 3", false, R, false, false, 0, false, false},
        {"$ $3", false, R, false, false, 0, false, false},
        {".5", false, R, true, false, 1, true, false},
        {"12,50", false, R, false, false, 0, false, false},     // a comma decimal read with a point
        {"1,23,456", false, R, false, false, 0, false, false},  // groups of three only
        {"1234,567.00", false, R, false, false, 0, false, false},
        {"1.234,50", false, R, false, false, 0, false, false},
        {"", false, R, false, false, 0, false, false},
        {"-", false, R, false, false, 0, false, false},
        {"()", false, R, false, false, 0, false, false},
        {"--5", false, R, false, false, 0, false, false},
        {"2147483647", false, R, true, false, 2147483647, false, false},
        {"2147483647.50", false, R, false, false, 0, false, true},
        {"21474836.47", false, C, true, false, 2147483647, false, false},
        {"21474836.48", false, C, false, false, 0, false, true},
        {"99999999999999999999", false, R, false, false, 0, false, true},
    };
    for (const Case& c : cases) {
        ParsedAmount amount;
        amount.magnitude = -1;
        EXPECT_EQ(parseStatementAmount(c.text, c.comma, c.rule, amount), c.ok) << c.text;
        EXPECT_EQ(amount.outOfRange, c.outOfRange) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(amount.negative, c.negative) << c.text;
        EXPECT_EQ(amount.magnitude, c.magnitude) << c.text;
        EXPECT_EQ(amount.rounded, c.rounded) << c.text;
    }
}

TEST(StatementDate, ReadsEachFormatAndOnlyCalendarDays) {
    struct Case {
        const char* text;
        DateFormat format;
        bool ok;
        int year, month, day;
    };
    const Case cases[] = {
        {"2026-01-31", DateFormat::YearMonthDayDash, true, 2026, 1, 31},
        {"2026/1/5", DateFormat::YearMonthDaySlash, true, 2026, 1, 5},
        {"31.01.2026", DateFormat::DayMonthYearDot, true, 2026, 1, 31},
        {"31/01/2026", DateFormat::DayMonthYearSlash, true, 2026, 1, 31},
        {"01/31/2026", DateFormat::MonthDayYearSlash, true, 2026, 1, 31},
        {"115/01/31", DateFormat::Roc, true, 2026, 1, 31},
        {"99/12/31", DateFormat::Roc, true, 2010, 12, 31},
        {"001/01/01", DateFormat::Roc, true, 1912, 1, 1},  // the calendar's first year
        {"000/01/01", DateFormat::Roc, false, 0, 0, 0},
        {"00/06/30", DateFormat::Roc, false, 0, 0, 0},
        {" 2024-02-29 ", DateFormat::YearMonthDayDash, true, 2024, 2, 29},
        {"2025-02-29", DateFormat::YearMonthDayDash, false, 0, 0, 0},
        {"1900-02-29", DateFormat::YearMonthDayDash, false, 0, 0, 0},
        {"31.04.2026", DateFormat::DayMonthYearDot, false, 0, 0, 0},
        {"01/31/2026", DateFormat::DayMonthYearSlash, false, 0, 0, 0},
        {"2026/01/31", DateFormat::Roc, false, 0, 0, 0},
        {"115/01/31", DateFormat::YearMonthDaySlash, false, 0, 0, 0},
        {"31.01.26", DateFormat::DayMonthYearDot, false, 0, 0, 0},
        {"2026-01-31", DateFormat::YearMonthDaySlash, false, 0, 0, 0},
        {"2026-00-10", DateFormat::YearMonthDayDash, false, 0, 0, 0},
        {"2026-01-31x", DateFormat::YearMonthDayDash, false, 0, 0, 0},
        {"2026-01-31", DateFormat::Detect, false, 0, 0, 0},
        {"", DateFormat::DayMonthYearDot, false, 0, 0, 0},
        {"20160103", DateFormat::YearMonthDayDigits, true, 2016, 1, 3},
        {"2016013", DateFormat::YearMonthDayDigits, false, 0, 0, 0},
        {"31.01.26", DateFormat::DayMonthShortYearDot, true, 2026, 1, 31},
        {"31.01.2026", DateFormat::DayMonthShortYearDot, false, 0, 0, 0},
        {"31-01-2026", DateFormat::DayMonthYearDash, true, 2026, 1, 31},
        {"3/6/16", DateFormat::DayMonthShortYearSlash, true, 2016, 6, 3},
        {"3/6/16", DateFormat::MonthDayShortYearSlash, true, 2016, 3, 6},
        {"3/6/2016", DateFormat::MonthDayShortYearSlash, false, 0, 0, 0},
    };
    for (const Case& c : cases) {
        int year = 0, month = 0, day = 0;
        const bool ok = parseStatementDate(c.text, c.format, year, month, day);
        EXPECT_EQ(ok, c.ok) << c.text;
        if (ok && c.ok)
            EXPECT_EQ(std::vector<int>({year, month, day}), std::vector<int>({c.year, c.month, c.day})) << c.text;
    }
}

TEST(StatementEncoding, DecodesAndDetectsEachEncoding) {
    const std::string lunch = big5Of("午餐,早餐");
    struct Case {
        const char* name;
        std::string bytes;
        StatementEncoding detected;
        std::string utf8;  // in the detected encoding
    };
    const Case cases[] = {
        {"utf-8 with its mark",
         "\xEF\xBB\xBF"
         "B\xC3\xA4"
         "cker",
         StatementEncoding::Utf8,
         "B\xC3\xA4"
         "cker"},
        {"utf-8",
         "B\xC3\xA4"
         "cker",
         StatementEncoding::Utf8,
         "B\xC3\xA4"
         "cker"},
        {"ascii", "plain", StatementEncoding::Utf8, "plain"},
        {"big5", lunch, StatementEncoding::Big5, "午餐,早餐"},
        // Valid Big5 by chance, but plainly German.
        {"1252 \xE4 before a letter",
         "B\xE4"
         "cker",
         StatementEncoding::Windows1252,
         "B\xC3\xA4"
         "cker"},
        {"1252 two accents in a row",
         "Gr\xF6\xDF"
         "e",
         StatementEncoding::Windows1252,
         "Gr\xC3\xB6\xC3\x9F"
         "e"},
        {"1252 euro", "5 \x80", StatementEncoding::Windows1252, "5 \xE2\x82\xAC"},
        // Accents a letter apart, and one before a space: not Chinese.
        {"1252 French",
         "r\xE9"
         "f\xE9"
         "rence \xE9"
         "l\xE8"
         "ve \xE0 Paris",
         StatementEncoding::Windows1252,
         "r\xC3\xA9"
         "f\xC3\xA9"
         "rence \xC3\xA9"
         "l\xC3\xA8"
         "ve \xC3\xA0 Paris"},
    };
    for (const Case& c : cases) {
        const StatementEncoding detected = StatementCsv::detectEncoding(c.bytes);
        EXPECT_EQ(detected, c.detected) << c.name;
        std::string utf8;
        EXPECT_TRUE(decodeStatementText(c.bytes, detected, utf8)) << c.name;
        EXPECT_EQ(utf8, c.utf8) << c.name;
    }
    std::string out;
    EXPECT_FALSE(
        decodeStatementText("B\xE4"
                            "cker",
                            StatementEncoding::Utf8, out));
    EXPECT_FALSE(decodeStatementText("\xA4", StatementEncoding::Big5, out));
    ASSERT_TRUE(decodeStatementText("\xE4", StatementEncoding::Latin1, out));
    EXPECT_EQ(out, "\xC3\xA4");
}

TEST(StatementCsvLayout, DetectsDelimiterHeaderWordsAndDecimalMark) {
    struct DelimiterCase {
        const char* text;
        char expected;
    };
    for (const DelimiterCase& c : std::initializer_list<DelimiterCase>{
             {"Buchungstag;Verwendungszweck;Betrag\n31.01.2026;Miete, Januar;-35,50\n", ';'},
             {"date,amount\n2026-01-31,\"1,5\"\n", ','},
             {"a\tb\tc\n1\t2\t3\n", '\t'},
             {"a;b,c;d\n1;2,3;4\n", ';'},  // both even: the most fields
             {"one column\nx\n", ','},
         })
        EXPECT_EQ(StatementCsv::detectDelimiter(c.text), c.expected) << c.text;

    using F = StatementField;
    EXPECT_EQ(
        StatementCsv::columnsOfHeader({"Buchungstag", "Valuta", "Auftraggeber/Empfänger", "Verwendungszweck",
                                       "BETRAG (EUR)", "Soll/Haben", "Kategorie", "Saldo"}),
        (std::vector<F>{F::Date, F::Ignore, F::Comment, F::Comment, F::Amount, F::Direction, F::Type, F::Ignore}));
    EXPECT_EQ(StatementCsv::columnsOfHeader({"Date", "Description", "Withdrawal", "Deposit", "EMPFÄNGER", "memo"}),
              (std::vector<F>{F::Date, F::Comment, F::Debit, F::Credit, F::Comment, F::Comment}));
    // A bank's own type column is no book type unless mapped.
    EXPECT_EQ(StatementCsv::columnsOfHeader(
                  {"Transaction Date", "Type", "Transaction Description", "Paid out", "Paid in", "Balance"}),
              (std::vector<F>{F::Date, F::Ignore, F::Comment, F::Debit, F::Credit, F::Ignore}));
    EXPECT_EQ(StatementCsv::columnsOfHeader(
                  {"Datum", "Naam / Omschrijving", "Code", "Af Bij", "Bedrag (EUR)", "Mutatiesoort", "Mededelingen"}),
              (std::vector<F>{F::Date, F::Comment, F::Ignore, F::Direction, F::Amount, F::Ignore, F::Comment}));

    // The direction words banks write, case aside.
    for (const auto& [word, income] : std::initializer_list<std::pair<const char*, bool>>{{"D", false},
                                                                                          {"c", true},
                                                                                          {"DR", false},
                                                                                          {"Cr", true},
                                                                                          {"Af", false},
                                                                                          {"bij", true},
                                                                                          {"S", false},
                                                                                          {"Haben", true},
                                                                                          {"LASTSCHRIFT", false},
                                                                                          {"Gutschrift", true},
                                                                                          {"Debit", false}})
        EXPECT_EQ(StatementCsv::parseDirection(word), std::optional<bool>(income)) << word;
    EXPECT_EQ(StatementCsv::parseDirection("Bijschrijving"), std::nullopt);

    struct MarkCase {
        std::vector<std::string_view> amounts;
        bool comma;
    };
    for (const MarkCase& c : std::initializer_list<MarkCase>{
             {{"12", "-35,50", "1.234,5"}, true},
             {{"(35,50)", "7,1-"}, true},
             {{"1,234", "12"}, false},      // a group, not cents
             {{"-35,50", "12.00"}, false},  // a point seen: point
             {{"1.234", "3"}, false},
         })
        EXPECT_EQ(StatementCsv::detectDecimalComma(c.amounts), c.comma) << c.amounts.front();

    struct DateCase {
        std::vector<std::string_view> dates;
        DateFormat expected;
    };
    for (const DateCase& c : std::initializer_list<DateCase>{
             {{"01/02/2026", "13/02/2026"}, DateFormat::DayMonthYearSlash},
             {{"01/02/2026", "02/13/2026"}, DateFormat::MonthDayYearSlash},
             {{"115/01/31"}, DateFormat::Roc},
             {{"99/01/31"}, DateFormat::YearMonthDayDash},  // two-digit years are read as ROC only when chosen
             {{"31.01.2026", "nonsense", "01.02.2026"}, DateFormat::DayMonthYearDot},
             {{"20160103", "20160131"}, DateFormat::YearMonthDayDigits},
             {{"31.01.26", "01.02.26"}, DateFormat::DayMonthShortYearDot},
             {{"31-01-2016"}, DateFormat::DayMonthYearDash},
             {{"3/6/16", "3/13/16"}, DateFormat::MonthDayShortYearSlash},
         })
        EXPECT_EQ(StatementCsv::detectDateFormat(c.dates), c.expected) << c.dates.front();
}

TEST(StatementFormat, DetectedFromTheStart) {
    struct Case {
        const char* text;
        StatementFormat expected;
    };
    for (const Case& c : std::initializer_list<Case>{
             {"OFXHEADER:100\r\nDATA:OFXSGML\r\n", StatementFormat::Ofx},
             {"\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<?OFX OFXHEADER=\"200\"?>\n<OFX>", StatementFormat::Ofx},
             {"\n!Type:Bank\nD1/31'26\n", StatementFormat::Qif},
             {"!option:autoswitch\n", StatementFormat::Qif},
             {"date,comment\n2026-01-31,see <OFX> later\n", StatementFormat::Csv},
             {"date,comment\n!Type:Bank\n", StatementFormat::Csv},
             {"# exported by a bank\n; another comment\n!Type:Bank\nD1/31'26\n", StatementFormat::Qif},
         })
        EXPECT_EQ(detectStatementFormat(c.text), c.expected) << c.text;
}

namespace {

// What reading settled, in one line.
std::string settledLine(const Statement& s) {
    std::string line = "encoding " + std::to_string(static_cast<int>(s.encoding)) + ", dates " +
                       std::to_string(static_cast<int>(s.dateFormat)) + ", delimiter " +
                       (s.csv.delimiter == '\t' ? std::string("tab")
                        : s.csv.delimiter == 0  ? std::string("none")
                                                : std::string(1, s.csv.delimiter)) +
                       ", header " + std::to_string(s.csv.header) + ", comma " + std::to_string(s.csv.decimalComma) +
                       ", columns";
    for (const StatementField field : s.csv.columns) line += ' ' + std::to_string(static_cast<int>(field));
    return line;
}

struct CsvCase {
    const char* name;
    std::string bytes;
    StatementOptions options;
    std::string settled;
    std::vector<std::string> columnNames;
    std::vector<std::string> rows;
    std::vector<std::string> faults;
};

StatementOptions withColumns(std::vector<StatementField> columns, AmountRule rule = AmountRule::Round) {
    StatementOptions options;
    options.csv.columns = std::move(columns);
    options.amountRule = rule;
    return options;
}

StatementOptions inCents() {
    StatementOptions options;
    options.amountRule = AmountRule::Cents;
    return options;
}

StatementOptions inEncoding(StatementEncoding encoding) {
    StatementOptions options;
    options.encoding = encoding;
    return options;
}

using F = StatementField;

std::vector<CsvCase> csvCases() {
    return {
        {"German bank, Windows-1252",
         "Buchungstag;Valuta;Auftraggeber/Empf\xE4nger;Verwendungszweck;Betrag\r\n"
         "31.01.2026;31.01.2026;B\xE4"
         "ckerei;Br\xF6tchen;-35,50\r\n"
         "01.02.2026;02.02.2026;Arbeitgeber GmbH;Gehalt;\"2.500,00\"\r\n",
         {},
         "encoding 3, dates 3, delimiter ;, header 1, comma 1, columns 1 0 5 5 2",
         {"Buchungstag", "Valuta", "Auftraggeber/Empfänger", "Verwendungszweck", "Betrag"},
         {"2|2026-1-31|out|36~|Bäckerei Brötchen|", "3|2026-2-1|in|2500|Arbeitgeber GmbH Gehalt|"},
         {}},
        {"Taiwan bank, Big5 with ROC dates",
         big5Of("日期,摘要,支出,存入,備註\n115/01/31,午餐,120,,\n115/02/01,薪資,,\"45,000\",一月\n"),
         {},
         "encoding 2, dates 6, delimiter ,, header 1, comma 0, columns 1 5 3 4 5",
         {"日期", "摘要", "支出", "存入", "備註"},
         {"2|2026-1-31|out|120|午餐|", "3|2026-2-1|in|45000|薪資 一月|"},
         {}},
        {"Taiwan bank: the ROC calendar has no year 0",
         big5Of("日期,摘要,支出,存入\n000/01/01,午餐,120,\n115/01/31,午餐,120,\n"),
         {},
         "encoding 2, dates 6, delimiter ,, header 1, comma 0, columns 1 5 3 4",
         {"日期", "摘要", "支出", "存入"},
         {"3|2026-1-31|out|120|午餐|"},
         {fault(2, Reason::BadDate, "000/01/01")}},
        {"Taiwan bank, Big5 with bytes on one line that aren't: that line, not a header read as Windows-1252",
         big5Of("日期,摘要,支出,存入,備註\n115/01/31,午餐,120,,\n115/02/01,薪資,,45000,") + "\xA4\x40\xA4\x30\n",
         {},
         "encoding 2, dates 1, delimiter none, header -1, comma -1, columns",
         {},
         {},
         {fault(3, Reason::InvalidBytes, "Big5")}},
        {"debit and credit in cents, US dates",
         "Date,Description,Withdrawal,Deposit\n"
         "01/31/2026,Coffee,-3.50,\n"
         "02/13/2026,Refund,,0.99\n"
         "02/14/2026,Both,1.00,2.00\n"
         "02/15/2026,Other column zero,0.00,12.00\n"
         "02/16/2026,Neither,,\n",
         inCents(),
         "encoding 1, dates 5, delimiter ,, header 1, comma 0, columns 1 5 3 4",
         {"Date", "Description", "Withdrawal", "Deposit"},
         {"2|2026-1-31|out|350|Coffee|", "3|2026-2-13|in|99|Refund|", "5|2026-2-15|in|1200|Other column zero|"},
         {fault(4, Reason::BadAmount, "1.00 / 2.00"), fault(6, Reason::BadAmount)}},
        {"a bank's preamble above the header, quoted, with its own field counts",
         "\"Kontonummer:\";\"DE12 3456 7890\";\r\n"
         "\"Von:\";\"01.01.2026\";\r\n"
         "\"Kontostand vom 31.01.2026:\";\"1.234,56 EUR\";\r\n"
         "\r\n"
         "\"Buchungstag\";\"Wertstellung\";\"Buchungstext\";\"Auftraggeber / Beg\xC3\xBCnstigter\";\"Betrag "
         "(EUR)\";\r\n"
         "\"31.01.2026\";\"31.01.2026\";\"Lastschrift\";\"Stadtwerke\";\"-45,00\";\r\n",
         {},
         "encoding 1, dates 3, delimiter ;, header 1, comma 1, columns 1 0 5 5 2 0",
         {"Buchungstag", "Wertstellung", "Buchungstext", "Auftraggeber / Begünstigter", "Betrag (EUR)", ""},
         {"6|2026-1-31|out|45|Lastschrift Stadtwerke|"},
         {}},
        {"no header, columns given, tab",
         "2026-01-31\t-12.5\tBus\t\tTransport\n\n2026-02-01\t(3)\t\tTicket\t\n",
         withColumns({F::Date, F::Amount, F::Comment, F::Comment, F::Type}),
         "encoding 1, dates 1, delimiter tab, header 0, comma 0, columns 1 2 5 5 6",
         {"1", "2", "3", "4", "5"},
         {"1|2026-1-31|out|13~|Bus|Transport", "3|2026-2-1|out|3|Ticket|"},
         {}},
        {"a direction column of S and H",
         "Datum;Betrag;Soll/Haben;Text\n31.01.2026;35,50;S;Miete\n01.02.2026;-100;H;Storno\n"
         "02.02.2026;5,00;X;odd\n03.02.2026;5,00;;unsigned\n",
         inCents(),
         "encoding 1, dates 3, delimiter ;, header 1, comma 1, columns 1 2 7 5",
         {"Datum", "Betrag", "Soll/Haben", "Text"},
         {"2|2026-1-31|out|3550|Miete|", "3|2026-2-1|out|10000|Storno|", "5|2026-2-3|in|500|unsigned|"},
         {fault(4, Reason::BadDirection, "X")}},
        {"faults keep their lines, across a quoted line break",
         "date,amount,comment\n"
         "2026-01-31,12,ok\n"
         "2026-02-30,12,no such day\n"
         "\n"
         "2026-03-01,abc,not an amount\n"
         "2026-03-02,7,\"two\nlines\"\n"
         "2026-03-03,99999999999,too big\n"
         "2026-03-04,1,a\"b\n"
         "2026-03-05,2,last",
         {},
         "encoding 1, dates 1, delimiter ,, header 1, comma 0, columns 1 2 5",
         {"date", "amount", "comment"},
         {"2|2026-1-31|in|12|ok|", "6|2026-3-2|in|7|two\nlines|", "10|2026-3-5|in|2|last|"},
         {fault(3, Reason::BadDate, "2026-02-30"), fault(5, Reason::BadAmount, "abc"),
          fault(8, Reason::AmountOutOfRange, "99999999999"), fault(9, Reason::BadQuoting)}},
        {"rows of delimiters only are skipped; a header with broken quotes is a fault",
         "date;\"amount\"x;comment\n;;\n2026-01-31;5;a\n ; ; \n",
         [] {
             StatementOptions options;
             options.csv.header = 1;
             options.csv.columns = {F::Date, F::Amount, F::Comment};
             return options;
         }(),
         "encoding 1, dates 1, delimiter ;, header 1, comma 0, columns 1 2 5",
         {"date", "amount"},
         {"3|2026-1-31|in|5|a|"},
         {fault(1, Reason::BadQuoting)}},
        {"UTF-8 mark, header only",
         "\xEF\xBB\xBF"
         "Datum;Betrag\r\n",
         {},
         "encoding 1, dates 1, delimiter ;, header 1, comma 0, columns 1 2",
         {"Datum", "Betrag"},
         {},
         {}},
        {"no header and no columns",
         "2026-01-31,5\n",
         {},
         "encoding 1, dates 1, delimiter ,, header 0, comma -1, columns",
         {"1", "2"},
         {},
         {fault(0, Reason::NoDateColumn), fault(0, Reason::NoAmountColumn)}},
        {"no amount column",
         "Datum;Text\n31.01.2026;x\n",
         {},
         "encoding 1, dates 1, delimiter ;, header 1, comma -1, columns 1 5",
         {"Datum", "Text"},
         {},
         {fault(0, Reason::NoAmountColumn)}},
        {"decimal mark chosen",
         "Date;Amount\n2026-01-31;1.234\n2026-02-01;1,234\n",
         [] {
             StatementOptions options;
             options.csv.decimalComma = 1;
             options.amountRule = AmountRule::Cents;
             return options;
         }(),
         "encoding 1, dates 1, delimiter ;, header 1, comma 1, columns 1 2",
         {"Date", "Amount"},
         {"2|2026-1-31|in|123400||", "3|2026-2-1|in|123~||"},
         {}},
        {"marked as UTF-8 but not",
         "\xEF\xBB\xBF"
         "Datum;Betrag\n31.01.2026;5 \xE4\n",
         {},
         "encoding 1, dates 1, delimiter none, header -1, comma -1, columns",
         {},
         {},
         {fault(0, Reason::NotInEncoding)}},
        {"bytes not in the encoding chosen",
         "Datum;Betrag\n31.01.2026;5 \xE4\n",
         inEncoding(StatementEncoding::Utf8),
         "encoding 1, dates 1, delimiter none, header -1, comma -1, columns",
         {},
         {},
         {fault(0, Reason::NotInEncoding)}},
    };
}

}  // namespace

TEST(BankCsv, ReadsEachLayoutIntoRowsAndFaultsWithTheirLines) {
    for (const CsvCase& c : csvCases()) {
        StatementOptions options = c.options;
        options.format = StatementFormat::Csv;
        const Statement s = readStatement(c.bytes, options);
        EXPECT_EQ(s.format, StatementFormat::Csv) << c.name;
        EXPECT_EQ(settledLine(s), c.settled) << c.name;
        EXPECT_EQ(s.columnNames, c.columnNames) << c.name;
        EXPECT_EQ(rowLines(s), c.rows) << c.name;
        EXPECT_EQ(faultLines(s), c.faults) << c.name;
    }
}

namespace {

// Statements laid out as banks of several countries export them.
struct BankCase {
    const char* name;
    std::string bytes;
    StatementOptions options;
    int headerLine, decidingLine;
    std::vector<std::string> rows;
    std::vector<std::string> faults;
};

std::string preambleOf(int lines) {
    std::string preamble;
    for (int line = 1; line <= lines; ++line) preamble += "Zeile " + std::to_string(line) + ";Wert\n";
    return preamble;
}

StatementOptions withDates(DateFormat format) {
    StatementOptions options;
    options.dateFormat = format;
    return options;
}

std::vector<BankCase> bankCases() {
    const std::string usDates = "Date,Description,Amount\n3/6/2016,Coffee,-3.50\n3/5/2016,Grocer,-20.00\n";
    return {
        {"US dates that read both ways: not guessed",
         usDates,
         {},
         1,
         0,
         {"2|2016-6-3|out|4~|Coffee|", "3|2016-5-3|out|20|Grocer|"},
         {fault(0, Reason::AmbiguousDates, "3/6/2016")}},
        {"the same, the format chosen",
         usDates,
         withDates(DateFormat::MonthDayYearSlash),
         1,
         0,
         {"2|2016-3-6|out|4~|Coffee|", "3|2016-3-5|out|20|Grocer|"},
         {}},
        {"one date decides, and says where",
         usDates + "3/13/2016,Rent,-500\n",
         {},
         1,
         4,
         {"2|2016-3-6|out|4~|Coffee|", "3|2016-3-5|out|20|Grocer|", "4|2016-3-13|out|500|Rent|"},
         {}},
        {"British: paid out and paid in with pound signs, the bank's type column ignored",
         "Date,Transaction Type,Description,Paid out,Paid in,Balance\n"
         "01/02/2016,DEB,TESCO,\xC2\xA3"
         "8.99,,\xC2\xA3"
         "100.00\n"
         "13/02/2016,BGC,SALARY,,\"\xC2\xA3"
         "1,000.00\",\"\xC2\xA3"
         "1,091.01\"\n",
         {},
         1,
         3,
         {"2|2016-2-1|out|9~|TESCO|", "3|2016-2-13|in|1000|SALARY|"},
         {}},
        {"German savings bank: two-digit years, several comment columns",
         "\"Auftragskonto\";\"Buchungstag\";\"Valutadatum\";\"Buchungstext\";\"Verwendungszweck\";"
         "\"Beguenstigter/Zahlungspflichtiger\";\"Kontonummer\";\"Betrag\";\"Waehrung\";\"Info\"\n"
         "\"DE12\";\"30.12.16\";\"30.12.16\";\"KARTENZAHLUNG\";\"REWE SAGT DANKE\";\"REWE SAGT DANKE\";\"DE99\";"
         "\"-12,50\";\"EUR\";\"Umsatz gebucht\"\n",
         {},
         1,
         0,
         {"2|2016-12-30|out|13~|KARTENZAHLUNG REWE SAGT DANKE|"},
         {}},
        {"a preamble of 13 lines above a header of names not known, columns given by number",
         preambleOf(13) + "Gebucht;Wert;Text;Summe\n01.02.2016;01.02.2016;Miete;-500,00\n",
         withColumns({F::Date, F::Ignore, F::Comment, F::Amount}),
         14,
         0,
         {"15|2016-2-1|out|500|Miete|"},
         {}},
        {"the header holding the names sought",
         preambleOf(13) + "Gebucht;Wert;Text;Summe\n01.02.2016;01.02.2016;Miete;-500,00\n",
         [] {
             StatementOptions options;
             options.csv.headerNames = {"gebucht", "Summe"};
             return options;
         }(),
         14,
         0,
         {},
         {fault(0, Reason::NoDateColumn), fault(0, Reason::NoAmountColumn)}},
        {"Dutch: YYYYMMDD, Af and Bij beside unsigned amounts",
         "\"Datum\",\"Naam / Omschrijving\",\"Rekening\",\"Code\",\"Af Bij\",\"Bedrag (EUR)\",\"Mutatiesoort\","
         "\"Mededelingen\"\n"
         "\"20160103\",\"ALBERT HEIJN\",\"NL01\",\"BA\",\"Af\",\"12,34\",\"Betaalautomaat\",\"Pas 001\"\n"
         "\"20160104\",\"WERKGEVER\",\"NL01\",\"GT\",\"Bij\",\"1000,00\",\"Overschrijving\",\"Salaris\"\n",
         {},
         1,
         0,
         {"2|2016-1-3|out|12~|ALBERT HEIJN Pas 001|", "3|2016-1-4|in|1000|WERKGEVER Salaris|"},
         {}},
        {"Dutch: DD-MM-YYYY, D and C",
         "Datum;Omschrijving;Bedrag;Af/Bij\n03-01-2016;Jumbo;5,10;D\n13-01-2016;Loon;900,00;C\n",
         {},
         1,
         0,
         {"2|2016-1-3|out|5~|Jumbo|", "3|2016-1-13|in|900|Loon|"},
         {}},
        {"Taiwan: Big5, an account line above Chinese header words, ROC dates",
         big5Of("帳號：0123-456-789012\n交易日期,摘要,支出金額,存入金額,餘額,備註\n"
                "115/01/05,提款,\"1,000\",,\"9,000\",ATM\n115/01/06,薪資,,\"45,000\",\"54,000\",\n"),
         {},
         2,
         0,
         {"3|2026-1-5|out|1000|提款 ATM|", "4|2026-1-6|in|45000|薪資|"},
         {}},
        {"an amount in another currency",
         "Date,Description,Amount\n2016-01-02,a,$5.00\n2016-01-03,b,-\xC2\xA3"
         "3.00\n",
         {},
         1,
         0,
         {"2|2016-1-2|in|5|a|"},
         {fault(3, Reason::OtherCurrency,
                "-\xC2\xA3"
                "3.00")}},
        {"small debits rounded to 0 stay debits",
         "Datum;Text;Soll;Haben;Betrag\n31.01.2016;Gebuehr;0,30;0,00;\n31.01.2016;Zins;;;-0,15\n",
         withColumns({F::Date, F::Comment, F::Debit, F::Credit, F::Amount}),
         1,
         0,
         {"2|2016-1-31|out|0~|Gebuehr|", "3|2016-1-31|out|0~|Zins|"},
         {}},
    };
}

}  // namespace

TEST(BankCsv, ReadsBanksExportsAsTheyAreWritten) {
    for (const BankCase& c : bankCases()) {
        const Statement s = readStatement(c.bytes, c.options);
        EXPECT_EQ(s.headerLine, c.headerLine) << c.name;
        EXPECT_EQ(s.dateDecidingLine, c.decidingLine) << c.name;
        EXPECT_EQ(rowLines(s), c.rows) << c.name;
        EXPECT_EQ(faultLines(s), c.faults) << c.name;
    }
}

TEST(BankCsv, ReadsAutoDetectedCsvAndRefusesEmptyFiles) {
    const Statement csv = readStatement("Date,Amount\n2026-01-31,5\n", {});
    EXPECT_EQ(csv.format, StatementFormat::Csv);
    EXPECT_EQ(rowLines(csv), std::vector<std::string>{"2|2026-1-31|in|5||"});
    for (const char* empty : {"", "\r\n\n", "\xEF\xBB\xBF"})
        EXPECT_EQ(faultLines(readStatement(empty, {})), std::vector<std::string>{fault(0, Reason::EmptyFile)});
}

TEST(StatementMessages, NameTheLineAndTheTextAtFault) {
    struct Case {
        StatementFault fault;
        QString expected;
    };
    const Case cases[] = {
        {{12, Reason::BadDate, "31.02.2026"}, "Line 12: \"31.02.2026\" is not a date in the format chosen."},
        {{0, Reason::NoDateColumn, ""}, "No column is chosen for the date."},
        {{3, Reason::BadQuoting, ""}, "Line 3: The quotes of this row are broken."},
        {{0, Reason::AmbiguousDates, "3/6/2016"},
         "Every date reads with the day first and with the month first (\"3/6/2016\": 2016-06-03 / 2016-03-06). "
         "Choose the date format."},
    };
    for (const Case& c : cases) EXPECT_EQ(describeStatementFault(c.fault), c.expected);
    // Every reason has a sentence of its own.
    QStringList seen;
    for (int reason = 0; reason <= static_cast<int>(Reason::OtherCurrency); ++reason) {
        const QString text = describeStatementFault({0, static_cast<Reason>(reason), "x"});
        EXPECT_FALSE(text.isEmpty()) << reason;
        EXPECT_FALSE(seen.contains(text)) << reason;
        seen << text;
    }
}
