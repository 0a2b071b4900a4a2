// Books of format 2 on the command line: a new book with decimals from a CSV
// and back exactly, the decimals in every command's output, convert, and
// books of format 1 left as they were.

#include <string>
#include <vector>

#include "tests/cli/clitest.h"
#include "text/bookcsv.h"

namespace {

std::string thousandCharacters() {
    std::string out;
    for (int k = 0; k < 1000; ++k) out += k % 2 == 0 ? "语" : "é";
    return out;
}

// The book's own CSV, amounts written as the book of 2 decimals writes them.
const std::string doneCsv =
    "index,date,direction,amount,type,comment\r\n"
    "1,2026-03-01,outgoing,12.50,Café,Café Müller\r\n"
    "2,2026-03-02,outgoing,0.15,Gebühr,Gebühr Überweisung\r\n"
    "3,2026-03-03,income,1234.56,ラーメン,ラーメン 发票 лапша\r\n"
    "4,2026-03-04,outgoing,0.00,Kaffee,Kaffee \xF0\x9F\x99\x82\r\n"
    "5,2026-03-05,income,0.00,," +
    thousandCharacters() + "\r\n";

class CliFormat2Test : public CliTest {
protected:
    std::string cents = folder.path("cents.pwdb");

    void SetUp() override {
        CliTest::SetUp();
        const std::string csv = folder.path("done.csv");
        writeFile(csv, doneCsv);
        ASSERT_EQ(run({"import", cents, csv, "--create", "--decimals", "2"}).exitCode, 0);
    }
};

}  // namespace

TEST_F(CliFormat2Test, ACsvOfAnyLanguageAndCentsComesBackAsWritten) {
    EXPECT_EQ(run({"export", cents}).out, doneCsv);
    EXPECT_EQ(run({"total", cents}).out, "Income: 1221.91\n");
    EXPECT_EQ(readFile(cents).substr(0, 5), std::string("PWDB\x02", 5));
    const std::string info = run({"info", cents, "--format", "json"}).out;
    EXPECT_NE(info.find("\"format\": 2,\n  \"decimals\": 2,"), std::string::npos) << info;
    EXPECT_NE(run({"info", cents}).out.find("Format:        2 (UTF-8 texts, 2 decimals)\n"), std::string::npos);
}

TEST_F(CliFormat2Test, EveryCommandWritesTheBooksDecimals) {
    const std::vector<std::string> range = {"--from", "2026-03-01", "--to", "2026-03-31"};
    auto with = [&](std::vector<std::string> args) {
        args.insert(args.end(), range.begin(), range.end());
        return args;
    };
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"list", cents}, "Outgoing     0.15  Gebühr"},
        {{"list", cents, "--format", "csv"}, ",outgoing,0.15,Gebühr,"},
        {{"list", cents, "--format", "json"}, "\"amount\": 15,"},
        {{"total", cents, "--format", "csv"}, "1221.91,income,1221.91"},
        {{"total", cents, "--format", "json"}, "\"balance\": 122191,"},
        {{"percentage", cents}, "Outgoing      12.65"},
        {{"percentage", cents, "--format", "csv"}, "type,Gebühr,0.00,0,0,0.15,1.18577,"},
        {{"percentage", cents, "--format", "json"}, "\"outgoing\": 1265,"},
        {with({"budget", cents, "--today", "2026-03-10"}), "Total     1234.56     12.65  1221.91              55.54\n"},
        {with({"budget", cents, "--today", "2026-03-10", "--budget", "100.5", "--format", "csv"}),
         "total,,100.50,12.65,87.85,3.99"},
        {with({"budget", cents, "--today", "2026-03-10", "--format", "json"}), "\"remain\": 122191,"},
        {{"export", cents, "--format", "ledger"}, "Expenses:Gebühr                                 0.15\n"},
    };
    for (const auto& [args, expected] : cases) {
        const Outcome result = run(args);
        EXPECT_EQ(result.exitCode, 0) << args[0] << " " << result.err;
        EXPECT_NE(result.out.find(expected), std::string::npos) << args[0] << "\n" << result.out;
    }
    const Outcome finer = run(with({"budget", cents, "--today", "2026-03-10", "--budget", "1.505"}));
    EXPECT_EQ(finer.exitCode, 2) << finer.err;
}

TEST_F(CliFormat2Test, ConvertKeepsEveryTransactionAndTheOldFileAsBackup) {
    const std::string original = readFile(book);
    const Outcome before = run({"list", book, "--format", "csv"});
    const Outcome converted = run({"convert", book, "--decimals", "2"});
    ASSERT_EQ(converted.exitCode, 0) << converted.err;
    EXPECT_EQ(readFile(folder.path("home.pwdb.bak.pwdb")), original);
    std::string expected = before.out;
    for (const char* amount : {",3000,", ",1000,", ",500,", ",200,", ",52000,", ",1150,"}) {
        const std::string whole(amount);
        expected.replace(expected.find(whole), whole.size(), whole.substr(0, whole.size() - 1) + ".00,");
    }
    EXPECT_EQ(run({"list", book, "--format", "csv"}).out, expected);
    EXPECT_EQ(run({"convert", book}).exitCode, 1);
    EXPECT_EQ(run({"import", book, folder.path("done.csv"), "--decimals", "2"}).exitCode, 2);
}

TEST_F(CliFormat2Test, ABookOfFormat1TakesWhatItHoldsAsBefore) {
    const std::string csv = folder.path("more.csv");
    const std::string rows = "date,direction,amount,type,comment\r\n2004-04-01,outgoing,70,Food,bread\r\n";
    writeFile(csv, rows);
    KestLib::AccountDB expected;
    expected.loadFile(book);
    ASSERT_TRUE(PwText::importCsv(expected, rows, PwText::CsvEncoding::Utf8).accepted);
    ASSERT_EQ(run({"import", book, csv}).exitCode, 0);
    EXPECT_EQ(readFile(book), KestLib::encodeDatabase(expected));

    // A statement's accents are spelt for Big5 in it, and a new book keeps them.
    const std::string statement = folder.path("statement.csv");
    writeFile(statement, "Date,Amount,Memo\n2026-03-02,-0.15,Überweisung Müller\n");
    const Outcome spelt = run({"import", book, statement});
    EXPECT_NE(spelt.out.find("pennywell-cli convert BOOK) the book keeps them exactly"), std::string::npos)
        << spelt.out;
    const std::string fresh = folder.path("fresh.pwdb");
    ASSERT_EQ(run({"import", fresh, statement, "--create"}).exitCode, 0);
    EXPECT_NE(run({"list", fresh}).out.find("Überweisung Müller"), std::string::npos);
    EXPECT_NE(run({"info", fresh, "--format", "json"}).out.find("\"format\": 2,\n  \"decimals\": 0,"),
              std::string::npos);
}
