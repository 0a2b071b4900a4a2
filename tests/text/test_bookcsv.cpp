#include <gtest/gtest.h>

#include <climits>

#include "tests/support/memoryceiling.h"
#include "tests/support/pwdbbuilder.h"
#include "tests/support/textbooks.h"
#include "text/bookcsv.h"

using KestLib::AccountDB;
using PwText::CsvEncoding;
using PwText::ImportFault;
using PwText::ImportReport;
using Reason = ImportFault::Reason;

namespace {

AccountDB newBook() {
    AccountDB db;
    db.reset();
    return db;
}

// A book whose types fill all but `free` of the 128 ids.
AccountDB bookWithFreeTypes(int free) {
    AccountDB db = newBook();
    while (db.typeCount() < KestLib::TypeIdTable::capacity - free) db.addType("t" + std::to_string(db.typeCount()));
    return db;
}

const std::string header = "index,date,direction,amount,type,comment\r\n";

}  // namespace

TEST(CsvExport, WritesTheHeaderAndOneQuotedRowPerTransaction) {
    const std::string csv = PwText::exportCsv(smallTextBook(), CsvEncoding::Utf8);
    EXPECT_EQ(csv, header +
                       "1,2024-01-25,income,52000,Salary,January\r\n"
                       "2,2024-02-29,outgoing,120,\xE9\xA3\x9F\xE7\x89\xA9,\"rice, \"\"jasmine\"\"\r\nand tea\"\r\n"
                       "3,1999-12-31,outgoing,-75,\xE9\xA3\x9F\xE7\x89\xA9,\r\n"
                       "4,2024-03-01,income,0,,\xE4\xB8\xAD\xE6\x96\x87 note\r\n"
                       "5,2024-03-02,outgoing,300,R&D: lab (2),kit\r\n");
    // Big5 keeps the stored bytes; the mark for spreadsheets leads the UTF-8.
    const std::string big5 = PwText::exportCsv(smallTextBook(), CsvEncoding::Big5);
    EXPECT_NE(big5.find("2,2024-02-29,outgoing,120," + big5Food + ","), std::string::npos);
    EXPECT_EQ(PwText::exportCsv(smallTextBook(), CsvEncoding::Utf8WithBom), "\xEF\xBB\xBF" + csv);
}

TEST(CsvExport, TakesOnlyWhatTheFilterTakes) {
    const AccountDB db = smallTextBook();
    KestLib::Selection filter;
    filter.range = {KestLib::packDate(2024, 2, 29), KestLib::packDate(2024, 3, 1)};
    filter.inOut = KestLib::InOutSelector::Outgoing;
    EXPECT_EQ(PwText::exportCsv(db, CsvEncoding::Utf8, filter),
              header + "2,2024-02-29,outgoing,120,\xE9\xA3\x9F\xE7\x89\xA9,\"rice, \"\"jasmine\"\"\r\nand tea\"\r\n");
}

TEST(CsvRoundTrip, ExportThenImportIntoANewBookGivesTheSameTransactions) {
    const AccountDB source = smallTextBook();
    for (const CsvEncoding encoding : {CsvEncoding::Utf8, CsvEncoding::Utf8WithBom, CsvEncoding::Big5}) {
        for (const CsvEncoding reading :
             {CsvEncoding::Detect, encoding == CsvEncoding::Big5 ? CsvEncoding::Big5 : CsvEncoding::Utf8}) {
            AccountDB copy = newBook();
            const ImportReport report = PwText::importCsv(copy, PwText::exportCsv(source, encoding), reading);
            ASSERT_TRUE(report.accepted) << PwText::describeRefusal(report).toStdString();
            EXPECT_EQ(report.encoding, encoding == CsvEncoding::Big5 ? CsvEncoding::Big5 : CsvEncoding::Utf8);
            EXPECT_EQ(report.transactions, source.transCount());
            EXPECT_EQ(report.newTypes, (std::vector<std::string>{"Salary", big5Food, "R&D: lab (2)"}));
            EXPECT_EQ(transactionLines(copy), transactionLines(source));
            EXPECT_TRUE(copy.isModified());
        }
    }
}

TEST(CsvImport, AddsToABookWithNewIndexesAndExistingTypes) {
    AccountDB db = smallTextBook();
    const ImportReport report = PwText::importCsv(
        db, "Comment,AMOUNT, date ,type,index\n\"a, b\",-40,2025-05-06,Salary,999\n", CsvEncoding::Detect);
    ASSERT_TRUE(report.accepted);
    EXPECT_TRUE(report.newTypes.empty());
    ASSERT_EQ(db.transCount(), 6);
    const KestLib::Transaction& added = db.transaction(5, false);
    // The index column is ignored; the book gives the next index.
    EXPECT_EQ(added.index(), 6);
    EXPECT_EQ(transactionLines(db).back(), "2025-05-06|out|40|Salary|a, b");
    EXPECT_EQ(db.findType("Salary").count(), 2);
}

TEST(CsvImport, WithoutADirectionColumnTheSignIsTheDirection) {
    AccountDB db = newBook();
    const ImportReport report = PwText::importCsv(
        db, "date,amount,type\n2024-01-01,-120,Food\n2024-01-02,+30,Food\n2024-01-03, 5 ,\n", CsvEncoding::Utf8);
    ASSERT_TRUE(report.accepted);
    EXPECT_EQ(transactionLines(db),
              (std::vector<std::string>{"2024-01-01|out|120|Food|", "2024-01-02|in|30|Food|", "2024-01-03|in|5||"}));
}

TEST(CsvImport, SkipsBlankLinesAndCountsLinesInsideQuotedFields) {
    AccountDB db = newBook();
    const AccountDB before = newBook();
    const ImportReport report = PwText::importCsv(
        db, "\n" + header + "\r\n1,2024-01-01,income,1,,\"two\r\nlines\"\r\n\r\n2,2024-01-02,sideways,1,,\r\n",
        CsvEncoding::Utf8);
    ASSERT_FALSE(report.accepted);
    ASSERT_EQ(report.faults.size(), 1u);
    EXPECT_EQ(report.faults[0].line, 7);
    EXPECT_EQ(PwText::describeFault(report.faults[0]).toStdString(),
              "Line 7: the direction \"sideways\" is neither \"income\" nor \"outgoing\"");
}

TEST(CsvImport, DetectsBig5WhenTheBytesAreNotUtf8) {
    AccountDB db = newBook();
    const ImportReport report = PwText::importCsv(
        db, "date,amount,type,comment\n2024-01-01,-1," + big5Food + "," + big5Chinese + "\n", CsvEncoding::Detect);
    ASSERT_TRUE(report.accepted);
    EXPECT_EQ(report.encoding, CsvEncoding::Big5);
    EXPECT_EQ(transactionLines(db), std::vector<std::string>{"2024-01-01|out|1|" + big5Food + "|" + big5Chinese});
}

TEST(CsvImport, DryRunReportsAndChangesNothing) {
    AccountDB db = smallTextBook();
    const std::string before = fingerprint(db);
    const ImportReport report =
        PwText::importCsv(db, "date,amount,type\n2024-01-01,-1,New\n2024-01-02,1,Salary\n", CsvEncoding::Detect, true);
    EXPECT_TRUE(report.accepted);
    EXPECT_EQ(report.transactions, 2);
    EXPECT_EQ(report.newTypes, std::vector<std::string>{"New"});
    EXPECT_EQ(fingerprint(db), before);
}

TEST(CsvImport, CreatesNewTypesUpToTheBooksLimit) {
    AccountDB db = bookWithFreeTypes(1);
    const std::string csv = "date,amount,type\n2024-01-01,1,First new\n2024-01-02,1,First new\n";
    ASSERT_TRUE(PwText::importCsv(db, csv, CsvEncoding::Utf8).accepted);
    EXPECT_EQ(db.typeCount(), KestLib::TypeIdTable::capacity);
    EXPECT_EQ(db.findType("First new").count(), 2);
}

namespace {

struct Refusal {
    const char* name;
    std::string csv;
    CsvEncoding encoding;
    int line;
    Reason reason;
    const char* message;  // the first fault in words
};

const std::string row = "1,2024-01-01,income,1,Salary,";

const Refusal refusals[] = {
    {"empty file", "\r\n\r\n", CsvEncoding::Detect, 1, Reason::EmptyFile, nullptr},
    {"unknown column", "date,amount,balance\n", CsvEncoding::Detect, 1, Reason::UnknownColumn,
     "Line 1: unknown column \"balance\"; the columns are index, date, direction, amount, type and comment"},
    {"column twice", "date,amount,Date\n", CsvEncoding::Detect, 1, Reason::DuplicateColumn, nullptr},
    {"no amount column", "date,type\n", CsvEncoding::Detect, 1, Reason::MissingColumn,
     "Line 1: the header has no \"amount\" column"},
    {"quote inside an unquoted field", header + row + "\n2,2024-01-01,income,1,Sal\"ary,\n", CsvEncoding::Detect, 3,
     Reason::QuoteInUnquotedField, nullptr},
    {"text after a closing quote", header + "1,2024-01-01,income,1,\"Salary\"x,\n", CsvEncoding::Detect, 2,
     Reason::TextAfterClosingQuote, nullptr},
    {"quote never closed", header + row + "\n" + row + "\"open\n", CsvEncoding::Detect, 3, Reason::UnclosedQuote,
     nullptr},
    {"too few fields", header + "1,2024-01-01,income,1,Salary\n", CsvEncoding::Detect, 2, Reason::FieldCount,
     "Line 2: 5 fields where the header has 6"},
    {"too many fields", header + row + ",extra\n", CsvEncoding::Detect, 2, Reason::FieldCount, nullptr},
    {"day the calendar lacks", header + "1,2023-02-29,income,1,Salary,\n", CsvEncoding::Detect, 2, Reason::BadDate,
     "Line 2: the date \"2023-02-29\" is not a calendar date written YYYY-MM-DD"},
    {"date in another format", header + "1,01/02/2024,income,1,Salary,\n", CsvEncoding::Detect, 2, Reason::BadDate,
     nullptr},
    {"unknown direction", header + "1,2024-01-01,in,1,Salary,\n", CsvEncoding::Detect, 2, Reason::BadDirection,
     nullptr},
    {"decimal amount", header + "1,2024-01-01,income,12.50,Salary,\n", CsvEncoding::Detect, 2, Reason::BadAmount,
     "Line 2: the amount \"12.50\" is not a whole number"},
    {"sign alone", header + "1,2024-01-01,income,-,Salary,\n", CsvEncoding::Detect, 2, Reason::BadAmount, nullptr},
    {"amount over 32 bits", header + "1,2024-01-01,income,2147483648,Salary,\n", CsvEncoding::Detect, 2,
     Reason::AmountOutOfRange, nullptr},
    {"huge amount", header + "1,2024-01-01,income,99999999999999999999999,Salary,\n", CsvEncoding::Detect, 2,
     Reason::AmountOutOfRange, nullptr},
    {"minus sign beyond 32 bits", "date,amount\n2024-01-01,-2147483648\n", CsvEncoding::Detect, 2,
     Reason::AmountOutOfRange, nullptr},
    {"not UTF-8 when UTF-8 was chosen", header + row + "\xA4\xA4\n", CsvEncoding::Utf8, 2, Reason::NotUtf8,
     "Line 2: the comment is not valid UTF-8 text"},
    {"not Big5 when Big5 was chosen", header + row + "\xA4\n", CsvEncoding::Big5, 2, Reason::NotBig5, nullptr},
    {"character Big5 lacks", header + row + "caf\xC3\xA9\n", CsvEncoding::Detect, 2, Reason::NotStorable,
     "Line 2: the comment \"caf\xC3\xA9\" holds a character that Big5 can't store"},
    {"emoji in a type", header + "1,2024-01-01,income,1,\xF0\x9F\x98\x80,\n", CsvEncoding::Detect, 2,
     Reason::NotStorable, nullptr},
    {"zero byte", header + row + std::string("a\0b", 3) + "\n", CsvEncoding::Detect, 2, Reason::NotStorable, nullptr},
    {"comment over 255 bytes", header + row + std::string(256, 'x') + "\n", CsvEncoding::Detect, 2, Reason::TooLong,
     "Line 2: the comment is 256 bytes long in Big5; at most 255 fit"},
    {"type over 255 bytes in Big5",
     header + "1,2024-01-01,income,1," +
         std::string(128 * 3, ' ')
             .replace(0, 384,
                      [] {
                          std::string s;
                          for (int i = 0; i < 128; ++i) s += "\xE4\xB8\xAD";
                          return s;
                      }()) +
         ",\n",
     CsvEncoding::Detect, 2, Reason::TooLong, nullptr},
};

}  // namespace

TEST(CsvImport, RefusesEachFaultWithItsLineAndLeavesTheBookAsItWas) {
    for (const Refusal& r : refusals) {
        AccountDB db = smallTextBook();
        const std::string before = fingerprint(db);
        const ImportReport report = PwText::importCsv(db, r.csv, r.encoding);
        EXPECT_FALSE(report.accepted) << r.name;
        ASSERT_FALSE(report.faults.empty()) << r.name;
        EXPECT_EQ(report.faults[0].line, r.line) << r.name;
        EXPECT_EQ(report.faults[0].reason, r.reason) << r.name;
        if (r.message) EXPECT_EQ(PwText::describeFault(report.faults[0]).toStdString(), r.message) << r.name;
        EXPECT_EQ(report.transactions, 0) << r.name;
        EXPECT_TRUE(report.newTypes.empty()) << r.name;
        EXPECT_EQ(fingerprint(db), before) << r.name;
    }
}

TEST(CsvImport, RefusesATypeBeyondTheLimitAndEveryRowThatUsesIt) {
    AccountDB db = bookWithFreeTypes(1);
    const std::string before = fingerprint(db);
    const ImportReport report = PwText::importCsv(
        db, "date,amount,type\n2024-01-01,1,Fits\n2024-01-02,1,Too many\n2024-01-03,1,Fits\n2024-01-04,1,Too many\n",
        CsvEncoding::Utf8);
    ASSERT_FALSE(report.accepted);
    ASSERT_EQ(report.faults.size(), 2u);
    EXPECT_EQ(report.faults[0].line, 3);
    EXPECT_EQ(report.faults[0].reason, Reason::TooManyTypes);
    EXPECT_EQ(report.faults[1].line, 5);
    EXPECT_EQ(fingerprint(db), before);
}

TEST(CsvImport, RefusesRowsBeyondTheLastTransactionIndex) {
    AccountDB db;
    db.loadBytes(PwdbBuilder().text("Full").byte(1).type(0, "").int32(INT_MAX - 1).int32(0).bytes());
    const std::string before = fingerprint(db);
    const ImportReport report = PwText::importCsv(db, "date,amount\n2024-01-01,1\n2024-01-02,1\n", CsvEncoding::Utf8);
    ASSERT_FALSE(report.accepted);
    ASSERT_EQ(report.faults.size(), 1u);
    EXPECT_EQ(report.faults[0].line, 3);
    EXPECT_EQ(report.faults[0].reason, Reason::NoIndexLeft);
    EXPECT_EQ(fingerprint(db), before);
}

TEST(CsvImport, ANegativeLastIndexLeavesIndexesForEveryRow) {
    for (const int lastIndex : {-1, INT_MIN}) {
        AccountDB db;
        db.loadBytes(PwdbBuilder().text("Low").byte(1).type(0, "").int32(lastIndex).int32(0).bytes());
        const ImportReport report =
            PwText::importCsv(db, "date,amount\n2024-01-01,1\n2024-01-02,1\n", CsvEncoding::Utf8);
        ASSERT_TRUE(report.accepted) << lastIndex;
        EXPECT_EQ(db.transaction(1, false).index(), lastIndex + 2) << lastIndex;
    }
}

TEST(CsvImport, TheTypeIsTrimmedLikeTheOtherFields) {
    AccountDB db = smallTextBook();
    const ImportReport report =
        PwText::importCsv(db, "date,amount,type\n2024-01-01,1, Salary\n2024-01-02,1,\tSalary \n", CsvEncoding::Utf8);
    ASSERT_TRUE(report.accepted);
    EXPECT_TRUE(report.newTypes.empty());
    EXPECT_EQ(db.findType("Salary").count(), 3);
}

// The rows' memory follows the rows read, not the line breaks a file holds.
TEST(CsvImport, BlankLinesCostNoMemoryOfTheirOwn) {
    const std::string csv = "date,amount\n" + std::string(std::size_t{6} << 20, '\n') + "2024-01-01,1\n";
    AccountDB db = newBook();
    const MemoryCeiling ceiling;
    const ImportReport report = PwText::importCsv(db, csv, CsvEncoding::Utf8);
    EXPECT_TRUE(report.accepted);
    EXPECT_EQ(db.transCount(), 1);
}

TEST(CsvImport, ListsTheFirstTenFaultsAndCountsTheRest) {
    std::string csv = header;
    for (int i = 0; i < 15; ++i) csv += "1,2024-01-01,income,x,Salary,\r\n";
    csv += row + "\r\n";
    AccountDB db = newBook();
    const ImportReport report = PwText::importCsv(db, csv, CsvEncoding::Utf8);
    ASSERT_FALSE(report.accepted);
    EXPECT_EQ(report.faultyRows, 15);
    ASSERT_EQ(report.faults.size(), 10u);
    EXPECT_EQ(report.faults.front().line, 2);
    EXPECT_EQ(report.faults.back().line, 11);
    const std::string text = PwText::describeRefusal(report).toStdString();
    EXPECT_EQ(text.substr(0, text.find('\n')), "The CSV file was not imported; the database is unchanged.");
    EXPECT_EQ(text.substr(text.rfind('\n') + 1), "5 more faulty row(s) not listed.");
}
