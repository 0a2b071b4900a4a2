#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/statementformats.h"
#include "text/statementreader.h"

using PwText::AmountRule;
using PwText::Statement;
using PwText::StatementDateFormat;
using PwText::StatementEncoding;
using PwText::StatementOptions;
using Reason = PwText::StatementFault::Reason;

namespace {

// A row as the test writes it: line, date, signed amount, rounded, comment, type.
struct Row {
    int line;
    int year, month, day;
    long long amount;  // negative: outgoing
    std::string comment;
    std::string type = {};
    bool rounded = false;

    bool operator==(const Row&) const = default;
};

struct Fault {
    int line;
    Reason reason;
    std::string text = {};

    bool operator==(const Fault&) const = default;
};

void PrintTo(const Row& r, std::ostream* out) {
    *out << "line " << r.line << ' ' << r.year << '-' << r.month << '-' << r.day << ' ' << r.amount
         << (r.rounded ? " rounded" : "") << " <" << r.comment << "> [" << r.type << ']';
}

void PrintTo(const Fault& f, std::ostream* out) {
    *out << "line " << f.line << " reason " << static_cast<int>(f.reason) << " <" << f.text << '>';
}

std::vector<Row> rowsOf(const Statement& statement) {
    std::vector<Row> rows;
    for (const auto& r : statement.rows)
        rows.push_back({r.line, r.year, r.month, r.day, r.income ? r.amount : -static_cast<long long>(r.amount),
                        r.comment, r.type, r.rounded});
    return rows;
}

std::vector<Fault> faultsOf(const Statement& statement) {
    std::vector<Fault> faults;
    for (const auto& f : statement.faults) faults.push_back({f.line, f.reason, f.text});
    return faults;
}

struct ReadCase {
    const char* name;
    std::string input;
    std::vector<Row> rows;
    std::vector<Fault> faults = {};
    AmountRule rule = AmountRule::Round;
};

void expectRead(Statement (*read)(std::string_view, const StatementOptions&), const ReadCase& c) {
    StatementOptions options;
    options.amountRule = c.rule;
    const Statement statement = read(c.input, options);
    EXPECT_EQ(rowsOf(statement), c.rows) << c.name;
    EXPECT_EQ(faultsOf(statement), c.faults) << c.name;
}

const std::string sgmlHeader =
    "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nSECURITY:NONE\r\nENCODING:USASCII\r\nCHARSET:1252\r\n"
    "COMPRESSION:NONE\r\nOLDFILEUID:NONE\r\nNEWFILEUID:NONE\r\n\r\n";  // lines 1-10

// An OFX 1.x bank statement around the given transactions, which start on line 17.
std::string sgmlBank(const std::string& transactions) {
    return sgmlHeader + "<OFX>\r\n<BANKMSGSRSV1>\r\n<STMTTRNRS>\r\n<STMTRS>\r\n<CURDEF>USD\r\n<BANKTRANLIST>\r\n" +
           transactions + "</BANKTRANLIST>\r\n</STMTRS>\r\n</STMTTRNRS>\r\n</BANKMSGSRSV1>\r\n</OFX>\r\n";
}

// An OFX 2.x card statement around the given transactions, which start on line 9.
std::string xmlCard(const std::string& transactions) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n"
           "<?OFX OFXHEADER=\"200\" VERSION=\"220\" SECURITY=\"NONE\" OLDFILEUID=\"NONE\" NEWFILEUID=\"NONE\"?>\n"
           "<OFX>\n<CREDITCARDMSGSRSV1>\n<CCSTMTTRNRS>\n<CCSTMTRS>\n<CURDEF>EUR</CURDEF>\n<BANKTRANLIST>\n" +
           transactions + "</BANKTRANLIST>\n</CCSTMTRS>\n</CCSTMTTRNRS>\n</CREDITCARDMSGSRSV1>\n</OFX>\n";
}

const ReadCase ofxCases[] = {
    {"1.x bank: leaf elements without closing tags",
     sgmlBank("<STMTTRN>\r\n<TRNTYPE>DEBIT\r\n<DTPOSTED>20260131\r\n<TRNAMT>-35.50\r\n<FITID>1\r\n"
              "<NAME>GROCER\r\n<MEMO>card 1234\r\n</STMTTRN>\r\n"
              "<STMTTRN>\r\n<TRNTYPE>CREDIT\r\n<DTPOSTED>20260201\r\n<TRNAMT>2500\r\n<NAME>SALARY\r\n</STMTTRN>\r\n"),
     {{17, 2026, 1, 31, -36, "GROCER card 1234", "", true}, {25, 2026, 2, 1, 2500, "SALARY"}}},
    {"1.x without closing STMTTRN tags: each ends at the next",
     sgmlBank("<STMTTRN><DTPOSTED>20260102<TRNAMT>-1<NAME>a\r\n<STMTTRN><DTPOSTED>20260103<TRNAMT>2<NAME>b\r\n"),
     {{17, 2026, 1, 2, -1, "a"}, {18, 2026, 1, 3, 2, "b"}}},
    {"2.x card with closing tags; memo equal to name left out",
     xmlCard("<STMTTRN>\n<TRNTYPE>DEBIT</TRNTYPE>\n<DTPOSTED>20260305</DTPOSTED>\n<TRNAMT>-12.00</TRNAMT>\n"
             "<NAME>Cafe</NAME>\n<MEMO>Cafe</MEMO>\n</STMTTRN>\n"
             "<STMTTRN><DTPOSTED>20260306</DTPOSTED><TRNAMT>4.49</TRNAMT><NAME/><MEMO>refund</MEMO></STMTTRN>\n"),
     {{9, 2026, 3, 5, -12, "Cafe"}, {16, 2026, 3, 6, 4, "refund", "", true}}},
    {"entities named and numeric; white space made one space",
     sgmlBank("<STMTTRN><DTPOSTED>20260110<TRNAMT>-5<NAME>Smith &amp; Sons &lt;UK&gt;\r\n"
              "<MEMO>&quot;tea&quot;  &apos;n&apos;\tcake &#233;&#x20AC; &bogus; &#xD800;</STMTTRN>\r\n"),
     {{17, 2026, 1, 10, -5, "Smith & Sons <UK> \"tea\" 'n' cake \xC3\xA9\xE2\x82\xAC &bogus; &#xD800;"}}},
    {"a line break or a tab written as a reference is a space too",
     sgmlBank("<STMTTRN><DTPOSTED>20260110<TRNAMT>-5<NAME>two&#10;lines&#x9;&#13;tab</STMTTRN>\r\n"),
     {{17, 2026, 1, 10, -5, "two lines tab"}}},
    {"dates with time, fraction and zone: the first eight digits",
     xmlCard("<STMTTRN><DTPOSTED>20260131235959.000[-5:EST]</DTPOSTED><TRNAMT>-1</TRNAMT></STMTTRN>\n"
             "<STMTTRN><DTPOSTED>202602011200</DTPOSTED><TRNAMT>-2</TRNAMT></STMTTRN>\n"
             "<STMTTRN><DTPOSTED>20260202120000[+8]</DTPOSTED><TRNAMT>-3</TRNAMT></STMTTRN>\n"),
     {{9, 2026, 1, 31, -1, ""}, {10, 2026, 2, 1, -2, ""}, {11, 2026, 2, 2, -3, ""}}},
    {"cents kept; a comma as the decimal mark",
     sgmlBank("<STMTTRN><DTPOSTED>20260110<TRNAMT>-35,50\r\n<STMTTRN><DTPOSTED>20260111<TRNAMT>+1234.5\r\n"),
     {{17, 2026, 1, 10, -3550, ""}, {18, 2026, 1, 11, 123450, ""}},
     {},
     AmountRule::Cents},
    {"an investment statement's bank lines are read, its other transactions not",
     "<OFX><INVSTMTMSGSRSV1><INVSTMTTRNRS><INVSTMTRS><INVTRANLIST><BUYSTOCK><INVBUY><TOTAL>-100</INVBUY></BUYSTOCK>"
     "<INVBANKTRAN><STMTTRN><DTPOSTED>20260101<TRNAMT>5<NAME>Dividend</STMTTRN></INVBANKTRAN></INVTRANLIST>"
     "</INVSTMTRS></INVSTMTTRNRS></INVSTMTMSGSRSV1></OFX>",
     {{1, 2026, 1, 1, 5, "Dividend"}}},
    {"a name in a CDATA section, its entities as written; a memo that repeats the name",
     xmlCard("<STMTTRN><DTPOSTED>20260305</DTPOSTED><TRNAMT>-7.00</TRNAMT>\n"
             "<NAME><![CDATA[EFTPOS WDL HANDYWAY ALDI STORE &amp; <co>]]></NAME>\n<MEMO>ALDI STORE</MEMO></STMTTRN>\n"),
     {{9, 2026, 3, 5, -7, "EFTPOS WDL HANDYWAY ALDI STORE &amp; <co>"}}},
    {"a small debit rounded to 0 is still a debit",
     sgmlBank("<STMTTRN><DTPOSTED>20260110<TRNAMT>-0.15\r\n"),
     {{17, 2026, 1, 10, 0, "", "", true}}},
    {"missing and bad fields: each at its line, the transaction's own where missing",
     sgmlBank("<STMTTRN>\r\n<DTPOSTED>20260131\r\n<NAME>no amount\r\n</STMTTRN>\r\n"
              "<STMTTRN>\r\n<TRNAMT>-1\r\n</STMTTRN>\r\n"
              "<STMTTRN>\r\n<DTPOSTED>20260230\r\n<TRNAMT>1.2.3\r\n</STMTTRN>\r\n"
              "<STMTTRN>\r\n<DTPOSTED>2026013\r\n<TRNAMT>99999999999\r\n</STMTTRN>\r\n"
              "<STMTTRN>\r\n<DTPOSTED>20260131x\r\n<TRNAMT>7\r\n</STMTTRN>\r\n"
              "<STMTTRN>\r\n<DTPOSTED>20260131\r\n<TRNAMT>7\r\n</STMTTRN>\r\n"),
     {{36, 2026, 1, 31, 7, ""}},
     {{17, Reason::BadAmount},
      {21, Reason::BadDate},
      {25, Reason::BadDate, "20260230"},
      {26, Reason::BadAmount, "1.2.3"},
      {29, Reason::BadDate, "2026013"},
      {30, Reason::AmountOutOfRange, "99999999999"},
      {33, Reason::BadDate, "20260131x"}}},
    {"a statement with no transaction", sgmlBank(""), {}, {{0, Reason::NoTransactions}}},
    {"neither header nor OFX element", "date,amount\n2026-01-01,5\n", {}, {{0, Reason::UnknownFormat}}},
    {"nothing but white space", " \r\n\t", {}, {{0, Reason::EmptyFile}}},
};

}  // namespace

TEST(OfxReader, ReadsTransactionsOfBankAndCardStatements) {
    for (const ReadCase& c : ofxCases) expectRead(PwText::readOfx, c);
}

namespace {

struct EncodingCase {
    const char* name;
    std::string input;
    StatementEncoding chosen;
    StatementEncoding settled;
    std::string comment;  // of the only row; empty: NotInEncoding expected
};

std::string sgmlWithCharset(const std::string& charset, const std::string& name) {
    return "OFXHEADER:100\nDATA:OFXSGML\nCHARSET:" + charset +
           "\n\n<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST><STMTTRN><DTPOSTED>20260101<TRNAMT>1<NAME>" + name +
           "</STMTTRN></BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>";
}

const EncodingCase ofxEncodingCases[] = {
    {"valid UTF-8 whatever the header says", sgmlWithCharset("1252", "caf\xC3\xA9"), StatementEncoding::Detect,
     StatementEncoding::Utf8, "caf\xC3\xA9"},
    {"CHARSET:1252", sgmlWithCharset("1252", "\x80 caf\xE9"), StatementEncoding::Detect, StatementEncoding::Windows1252,
     "\xE2\x82\xAC caf\xC3\xA9"},
    {"CHARSET:ISO-8859-1", sgmlWithCharset("ISO-8859-1", "\x80"), StatementEncoding::Detect, StatementEncoding::Latin1,
     "\xC2\x80"},
    {"undeclared: Windows-1252", sgmlWithCharset("NONE", "\x80"), StatementEncoding::Detect,
     StatementEncoding::Windows1252, "\xE2\x82\xAC"},
    {"the XML declaration's encoding",
     "<?xml version=\"1.0\" encoding='ISO-8859-1'?>\n<OFX><CREDITCARDMSGSRSV1><CCSTMTTRNRS><CCSTMTRS><BANKTRANLIST>"
     "<STMTTRN><DTPOSTED>20260101</DTPOSTED><TRNAMT>1</TRNAMT><NAME>\xE9\x80</NAME></STMTTRN></BANKTRANLIST>"
     "</CCSTMTRS></CCSTMTTRNRS></CREDITCARDMSGSRSV1></OFX>",
     StatementEncoding::Detect, StatementEncoding::Latin1, "\xC3\xA9\xC2\x80"},
    {"chosen, and the bytes aren't in it", sgmlWithCharset("1252", "caf\xE9"), StatementEncoding::Utf8,
     StatementEncoding::Utf8, ""},
};

}  // namespace

TEST(OfxReader, ReadsTheEncodingTheBytesOrTheHeaderSay) {
    for (const EncodingCase& c : ofxEncodingCases) {
        StatementOptions options;
        options.encoding = c.chosen;
        const Statement statement = PwText::readOfx(c.input, options);
        EXPECT_EQ(statement.encoding, c.settled) << c.name;
        if (c.comment.empty()) {
            EXPECT_EQ(faultsOf(statement), (std::vector<Fault>{{0, Reason::NotInEncoding}})) << c.name;
        } else {
            ASSERT_EQ(statement.rows.size(), 1u) << c.name;
            EXPECT_EQ(statement.rows[0].comment, c.comment) << c.name;
        }
    }
}

namespace {

struct QifDateCase {
    const char* written;
    int year, month, day;
    StatementDateFormat settled;
};

const QifDateCase qifDateCases[] = {
    {"1/31'26", 2026, 1, 31, StatementDateFormat::MonthDayYearSlash},
    {"1/ 5' 6", 2006, 1, 5, StatementDateFormat::MonthDayYearSlash},
    {"12/31'99", 2099, 12, 31, StatementDateFormat::MonthDayYearSlash},
    {"2/29'2024", 2024, 2, 29, StatementDateFormat::MonthDayYearSlash},
    {"01/31/26", 2026, 1, 31, StatementDateFormat::MonthDayYearSlash},
    {"1/31/85", 1985, 1, 31, StatementDateFormat::MonthDayYearSlash},
    {"1/31/2026", 2026, 1, 31, StatementDateFormat::MonthDayYearSlash},
    {"31/1/2026", 2026, 1, 31, StatementDateFormat::DayMonthYearSlash},  // the day can't be the month
    {"31.01.2026", 2026, 1, 31, StatementDateFormat::DayMonthYearDot},
    {"5.1.26", 2026, 1, 5, StatementDateFormat::DayMonthYearDot},
    {"2026-01-31", 2026, 1, 31, StatementDateFormat::YearMonthDayDash},
};

std::string qifBank(const std::string& records) { return "!Type:Bank\n" + records; }

}  // namespace

TEST(QifReader, ReadsEachDateForm) {
    for (const QifDateCase& c : qifDateCases) {
        const Statement statement = PwText::readQif(qifBank(std::string("D") + c.written + "\nT-1\n^\n"), {});
        EXPECT_EQ(rowsOf(statement), (std::vector<Row>{{2, c.year, c.month, c.day, -1, ""}})) << c.written;
        EXPECT_TRUE(statement.faults.empty()) << c.written;
        EXPECT_EQ(statement.dateFormat, c.settled) << c.written;
    }
}

TEST(QifReader, ReadsSlashDatesDayFirstWhenChosen) {
    StatementOptions options;
    options.dateFormat = StatementDateFormat::DayMonthYearSlash;
    const Statement statement = PwText::readQif(qifBank("D3/1/2026\nT1\n^\n"), options);
    EXPECT_EQ(rowsOf(statement), (std::vector<Row>{{2, 2026, 1, 3, 1, ""}}));
}

namespace {

const ReadCase qifCases[] = {
    {"bank: payee and memo, categories, transfers, splits and ignored lines",
     "!Type:Bank\r\n"
     "D1/31'26\r\nT-1,234.56\r\nN101\r\nCX\r\nPGrocer\r\nMweekly shop\r\nLFood:Groceries\r\n"
     "SFood\r\n$-1000.00\r\nEsplit memo\r\nSHome\r\n$-234.56\r\n^\r\n"
     "D2/1'26\r\nU2,500.00\r\nT2,500.00\r\nPSalary\r\nMSalary\r\nL[Savings]\r\n^\r\n"
     "D2/2'26\r\nT-3\r\nAStreet 1\r\nAOldtown\r\n^\r\n",
     {{2, 2026, 1, 31, -1235, "Grocer weekly shop", "Food:Groceries", true},
      {15, 2026, 2, 1, 2500, "Salary", "Savings"},
      {22, 2026, 2, 2, -3, ""}}},
    {"card and cash sections read, other sections and account blocks skipped",
     "!Option:AutoSwitch\n!Account\nNVisa\nTCCard\n^\n!Clear:AutoSwitch\n"
     "!Type:CCard\nD3/5'26\nT-12.50\nPCafe\n^\n"
     "!Type:Invst\nD3/6/2026\nNBuy\nT-100\n^\n"
     "!Type:Cat\nNFood\nE\n^\n"
     "!type:cash\nD3/7'26\nT-2\nMbus\n^\n",
     {{8, 2026, 3, 5, -13, "Cafe", "", true}, {22, 2026, 3, 7, -2, "bus"}}},
    {"amounts with a decimal comma beside dotted dates, read as cents; a last record without ^",
     "!Type:Bank\nD31.01.2026\nT-35,50\n^\nD01.02.2026\nT1.234,5\n^\nD02.02.2026\nT-7",
     {{2, 2026, 1, 31, -3550, ""}, {5, 2026, 2, 1, 123450, ""}, {8, 2026, 2, 2, -700, ""}},
     {},
     AmountRule::Cents},
    {"faults at the line of their field, or of their record where it has none",
     "!Type:Bank\n"
     "D13/13/2026\nT-1\n^\n"
     "PNo date\nT-1\n^\n"
     "D1/1'26\nPNo amount\n^\n"
     "D1/1'26\nTabc\n^\n"
     "T99999999999\nD2/30'26\n^\n"
     "D1/2'26\nT5\n^\n",
     {{17, 2026, 1, 2, 5, ""}},
     {{2, Reason::BadDate, "13/13/2026"},
      {5, Reason::BadDate},
      {8, Reason::BadAmount},
      {12, Reason::BadAmount, "abc"},
      {14, Reason::AmountOutOfRange, "99999999999"},
      {15, Reason::BadDate, "2/30'26"}}},
    {"only sections that aren't read", "!Type:Invst\nD1/1'26\nT5\n^\n", {}, {{0, Reason::NoTransactions}}},
    {"no section header", "D1/1'26\nT5\n^\n", {}, {{0, Reason::UnknownFormat}}},
    {"empty", "", {}, {{0, Reason::EmptyFile}}},
};

}  // namespace

TEST(QifReader, ReadsRecordsOfBankCashAndCardSections) {
    for (const ReadCase& c : qifCases) expectRead(PwText::readQif, c);
}

namespace {

// Transactions whose ends or starts are missing: each is refused at its
// line, never joined to another or dropped without a word.
const ReadCase unendedCases[] = {
    {"QIF: three records without ^ between them are refused at the second date",
     qifBank("D1/1'26\nT-1\nPA\nD1/2'26\nT-2\nPB\nD1/3'26\nT-3\nPC\n^\n"),
     {},
     {{5, Reason::QifRecordNotEnded, "D"}}},
    {"QIF: a second amount in a record",
     qifBank("D1/1'26\nT-1\nT-4\nPA\n^\nD1/2'26\nT-2\n^\n"),
     {{7, 2026, 1, 2, -2, ""}},
     {{4, Reason::QifRecordNotEnded, "T"}}},
    {"QIF: a payee after a whole record, then the next record's date",
     qifBank("D1/1'26\nT-1\nMmemo\nPB\nD1/2'26\nT-2\n^\n"),
     {},
     {{6, Reason::QifRecordNotEnded, "D"}}},
    {"QIF: letters written in either case are the same field",
     qifBank("D1/1'26\nT-1\nt-2\n^\n"),
     {},
     {{4, Reason::QifRecordNotEnded, "T"}}},
    {"QIF: address lines and splits come many to a record; a split is one transaction of its first split's type",
     qifBank("D1/1'26\nT-3\nAStreet 1\nAOldtown\nSFood\n$-1\nSHome\n$-2\nPShop\n^\n"),
     {{2, 2026, 1, 1, -3, "Shop", "Food"}}},
    {"OFX: a transaction's fields without its <STMTTRN>, then </STMTTRN>",
     sgmlBank("<STMTTRN><DTPOSTED>20260101<TRNAMT>-1<NAME>a</STMTTRN>\r\n"
              "<DTPOSTED>20260102<TRNAMT>-2<NAME>b</STMTTRN>\r\n"
              "<STMTTRN><DTPOSTED>20260103<TRNAMT>-3</STMTTRN>\r\n"),
     {{17, 2026, 1, 1, -1, "a"}, {19, 2026, 1, 3, -3, ""}},
     {{18, Reason::OfxFieldOutsideTransaction, "DTPOSTED"}}},
    {"OFX 1.x without closing tags: a second amount in one transaction",
     sgmlBank("<STMTTRN><DTPOSTED>20260101<TRNAMT>-1\r\n<TRNAMT>-2<NAME>b\r\n"),
     {{17, 2026, 1, 1, -1, "b"}},
     {{18, Reason::OfxFieldOutsideTransaction, "TRNAMT"}}},
    {"OFX: a transaction after its statement has closed",
     sgmlHeader + "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST>\r\n"
                  "<STMTTRN><DTPOSTED>20260101<TRNAMT>-1</STMTTRN>\r\n</BANKTRANLIST></STMTRS>\r\n"
                  "<STMTTRN><DTPOSTED>20260102<TRNAMT>-2</STMTTRN>\r\n</STMTTRNRS></BANKMSGSRSV1></OFX>\r\n",
     {{12, 2026, 1, 1, -1, ""}},
     {{14, Reason::OfxTransactionOutsideStatement}}},
    {"OFX: transactions with no statement around them",
     "<OFX><BANKMSGSRSV1><STMTTRNRS><BANKTRANLIST>\n<STMTTRN><DTPOSTED>20260101<TRNAMT>-1</STMTTRN>\n"
     "</BANKTRANLIST></STMTTRNRS></BANKMSGSRSV1></OFX>\n",
     {},
     {{2, Reason::OfxTransactionOutsideStatement}}},
};

}  // namespace

TEST(StatementReaders, RefuseTransactionsWithoutTheirEndOrStartAtTheirLine) {
    for (const ReadCase& c : unendedCases)
        expectRead(
            PwText::detectStatementFormat(c.input) == PwText::StatementFormat::Qif ? PwText::readQif : PwText::readOfx,
            c);
}
