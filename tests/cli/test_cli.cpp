// Runs pennywell-cli as a script would, on a small book, and checks its exit
// codes, its output and the files it leaves.

#include "tests/cli/clitest.h"

using KestLib::AccountDB;

TEST_F(CliTest, AnalysesGiveTheWindowsFigures) {
    const Expected cases[] = {
        {{"total", book}, 0, "Income: 52150\n"},
        {{"total", book, "--outgoing"}, 0, "Outgoing: 2850\n"},
        {{"total", book, "--income", "--outgoing", "--type", "Rent"}, 0, "Outgoing: 1150\n"},
        {{"total", book, "--from", "2004-03-10", "--to", "2004-03-20", "--type", "Food"}, 0, "Outgoing: 700\n"},
        {{"total", book, "--income", "--type", "Rent"}, 0, "Income: 0\n"},
        {{"total", book, "--from", "2004-03-05", "--to", "2004-03-05", "--format", "csv"},
         0,
         "balance,direction,amount\r\n-1000,outgoing,1000\r\n"},
        {{"total", book, "--format", "json", "--to", "2004-03-14"},
         0,
         "{\n  \"from\": null,\n  \"to\": \"2004-03-14\",\n  \"in_out\": \"both\",\n  \"balance\": 1500,\n"
         "  \"direction\": \"income\",\n  \"amount\": 1500\n}\n"},
        // Budget 3000, spent 1500 up to today (the 200 after it is not
        // counted), 22 days left: 68 a day.
        {{"budget", book, "--from", "2004-03-01", "--to", "2004-03-31", "--today", "2004-03-10", "--type", "Food",
          "--format", "csv"},
         0,
         "kind,type,budget,outgoing,remain,per_day\r\ntype,Food,3000,1500,1500,68\r\ntotal,,3000,1500,1500,68\r\n"},
        {{"budget", book, "--from", "2004-03-01", "--to", "2004-03-31", "--today", "2004-03-10", "--type", "Food",
          "--budget", "2000", "--format", "csv"},
         0,
         "kind,type,budget,outgoing,remain,per_day\r\ntype,Food,3000,1500,1500,68\r\ntotal,,2000,1500,500,22\r\n"},
        // Without --today, today is taken into the period: this one is over,
        // so its last day, with every outgoing counted.
        {{"budget", book, "--from", "2004-03-01", "--to", "2004-03-31", "--type", "Food", "--format", "csv"},
         0,
         "kind,type,budget,outgoing,remain,per_day\r\ntype,Food,3000,1700,1300,1300\r\ntotal,,3000,1700,1300,1300\r\n"},
        {{"budget", book, "--to", "2004-03-31", "--today", "2004-03-10", "--type", "Food", "--type", "Rent"},
         0,
         "From:   the first transaction\nTo:     2004-03-31\nToday:  2004-03-10\n\n"
         "Type   Budget  Outgoing  Remain  Per day (22 days)\n"
         "Food     3000      1500    1500                 68\n"
         "Rent        0         0       0                  0\n"
         "--------------------------------------------------\n"
         "Total    3000      1500    1500                 68\n"},
        {{"percentage", book, "--type", "Food", "--format", "csv"},
         0,
         "kind,type,income,income_selected_percent,income_total_percent,outgoing,outgoing_selected_percent,"
         "outgoing_total_percent,sum,sum_selected_percent,sum_total_percent\r\n"
         "type,Food,3000,100,5.45455,1700,100,59.6491,4700,100,8.12446\r\n"
         "selected,,3000,,,1700,,,4700,,\r\n"
         "total,,55000,,,2850,,,57850,,\r\n"},
        {{"percentage", book, "--income", "--type", "Food", "--type", "Salary", "--format", "json"},
         0,
         R"({
  "from": null,
  "to": null,
  "in_out": "income",
  "total": {
    "income": 55000,
    "outgoing": 0,
    "sum": 55000
  },
  "selected": {
    "income": 55000,
    "outgoing": 0,
    "sum": 55000
  },
  "types": [
    {
      "type": "Food",
      "income": 3000,
      "income_selected_percent": 5.45455,
      "income_total_percent": 5.45455,
      "outgoing": 0,
      "outgoing_selected_percent": 0.0,
      "outgoing_total_percent": 0.0,
      "sum": 3000,
      "sum_selected_percent": 5.45455,
      "sum_total_percent": 5.45455
    },
    {
      "type": "Salary",
      "income": 52000,
      "income_selected_percent": 94.5455,
      "income_total_percent": 94.5455,
      "outgoing": 0,
      "outgoing_selected_percent": 0.0,
      "outgoing_total_percent": 0.0,
      "sum": 52000,
      "sum_selected_percent": 94.5455,
      "sum_total_percent": 94.5455
    }
  ]
}
)"},
    };
    for (const Expected& c : cases) {
        const Outcome result = run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args[0] << ' ' << result.err;
        EXPECT_EQ(result.out, c.out) << c.args[0];
    }
}

TEST_F(CliTest, InfoAndListShowTheBook) {
    Outcome result = run({"info", book});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "Name:          Home\nTransactions:  6\nTypes:         4\nDates:         2004-03-01 to 2004-03-31\n\n"
              "Type    Transactions\n"
              "                   0\n"
              "Food               4\n"
              "Salary             1\n"
              "Rent               1\n");

    result = run({"list", book, "--outgoing", "--from", "2004-03-10"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "Index  Date        In/Out    Amount  Type  Comment\n"
              "    3  2004-03-10  Outgoing     500  Food  market\n"
              "    4  2004-03-20  Outgoing     200  Food  late\n"
              "    6  2004-03-31  Outgoing    1150  Rent  rent, march\n");

    result = run({"list", book, "--type", "Rent", "--format", "csv"});
    EXPECT_EQ(result.out,
              "index,date,direction,amount,type,comment\r\n6,2004-03-31,outgoing,1150,Rent,\"rent, march\"\r\n");
    result = run({"list", book, "--type", "Salary", "--format", "json"});
    EXPECT_EQ(result.out,
              "[\n  {\n    \"index\": 5,\n    \"date\": \"2004-03-15\",\n    \"direction\": \"income\",\n"
              "    \"amount\": 52000,\n    \"type\": \"Salary\",\n    \"comment\": \"pay\"\n  }\n]\n");
}

TEST_F(CliTest, ExportThenImportIntoANewBookGivesTheSameList) {
    const std::string csv = folder.path("home.csv");
    const std::string copy = folder.path("copy.pwdb");
    for (const char* encoding : {"utf-8", "utf-8-bom", "big5"}) {
        ASSERT_EQ(run({"export", book, "-o", csv, "--encoding", encoding}).exitCode, 0);
        std::filesystem::remove(copy);
        const Outcome imported = run({"import", copy, csv, "--create"});
        ASSERT_EQ(imported.exitCode, 0) << imported.err;
        EXPECT_EQ(imported.out,
                  "Imported 6 transactions and 3 new types (\"Food\", \"Salary\", \"Rent\") into " + copy + ".\n");
        EXPECT_EQ(run({"list", copy, "--format", "csv"}).out, run({"list", book, "--format", "csv"}).out) << encoding;
    }
    // Standard output and standard input work as files.
    const Outcome exported = run({"export", book});
    writeFile(csv, exported.out);
    const Outcome again = run({"import", copy, "-", "--dry-run"}, csv);
    EXPECT_EQ(again.exitCode, 0);
    EXPECT_EQ(again.out, "Would import 6 transactions into " + copy + "; nothing was written.\n");
}

TEST_F(CliTest, ImportSavesWithABackupAndRefusesAllOrNothing) {
    const std::string before = readFile(book);
    const std::string csv = folder.path("more.csv");

    writeFile(csv, "date,amount,type\n2004-04-01,-10,Food\n2004-02-30,-10,Food\n2004-04-02,x,Food\n");
    Outcome result = run({"import", book, csv});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err,
              "pennywell-cli: The CSV file was not imported; the database is unchanged.\n"
              "Line 3: the date \"2004-02-30\" is not a calendar date written YYYY-MM-DD\n"
              "Line 4: the amount \"x\" is not a whole number\n");
    EXPECT_EQ(readFile(book), before);
    EXPECT_EQ(folder.entries(), (std::vector<std::string>{"home.pwdb", "more.csv", "stderr", "stdout"}));

    writeFile(csv, "date,amount,type\n2004-04-01,-10,Food\n2004-04-02,25,Gifts\n");
    result = run({"import", book, csv, "--dry-run"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out,
              "Would import 2 transactions and 1 new type (\"Gifts\") into " + book + "; nothing was written.\n");
    EXPECT_EQ(readFile(book), before);

    result = run({"import", book, csv});
    EXPECT_EQ(result.exitCode, 0) << result.err;
    EXPECT_EQ(result.out, "Imported 2 transactions and 1 new type (\"Gifts\") into " + book +
                              "; the previous file is kept as " + book + ".bak.pwdb.\n");
    EXPECT_EQ(readFile(book + ".bak.pwdb"), before);
    EXPECT_EQ(run({"total", book}).out, "Income: 52165\n");
}

// Dates from the year 8000 on, imported from the book's CSV and from a
// bank's statement, come after 7999 in every filter and in the date span.
TEST_F(CliTest, DatesFromTheYear8000OnComeAfter7999) {
    const std::string csv = folder.path("far.csv");
    writeFile(csv, "date,amount,type\n9000-01-01,7,Salary\n9999-12-31,11,Salary\n8000-01-01,-3,Food\n");
    ASSERT_EQ(run({"import", book, csv}).exitCode, 0);
    // "late" is a Food comment of the book, so its row is typed Food.
    const std::string statement = folder.path("far-bank.csv");
    writeFile(statement, "Buchungstag;Verwendungszweck;Betrag\n31.12.7999;late;-1,00\n01.01.8500;far;100,00\n");
    ASSERT_EQ(run({"import", book, statement}).exitCode, 0);

    const Expected cases[] = {
        {{"total", book, "--to", "2026-12-31"}, 0, "Income: 52150\n"},
        {{"total", book, "--to", "7999-12-31"}, 0, "Income: 52149\n"},
        {{"total", book, "--from", "2026-01-01", "--to", "9999-12-31"}, 0, "Income: 114\n"},
        {{"total", book, "--from", "8000-01-01"}, 0, "Income: 115\n"},
        {{"total", book, "--from", "9999-12-31", "--to", "9999-12-31", "--income"}, 0, "Income: 11\n"},
        {{"list", book, "--from", "8500-01-01", "--format", "csv"},
         0,
         "index,date,direction,amount,type,comment\r\n7,9000-01-01,income,7,Salary,\r\n"
         "8,9999-12-31,income,11,Salary,\r\n11,8500-01-01,income,100,,far\r\n"},
        {{"budget", book, "--from", "7999-12-01", "--to", "8000-01-31", "--today", "8000-01-10", "--type", "Food",
          "--format", "csv"},
         0,
         "kind,type,budget,outgoing,remain,per_day\r\ntype,Food,0,4,-4,0\r\ntotal,,0,4,-4,0\r\n"},
        {{"total", book, "--from", "9000-01-01", "--to", "2026-12-31"}, 2, ""},
        {{"budget", book, "--to", "8000-01-31", "--today", "9000-01-01"}, 2, ""},
    };
    for (const Expected& c : cases) {
        const Outcome result = run(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode) << c.args[2] << " " << result.err;
        EXPECT_EQ(result.out, c.out) << c.args[2];
    }
    const std::string info = run({"info", book}).out;
    EXPECT_NE(info.find("Dates:         2004-03-01 to 9999-12-31\n"), std::string::npos) << info;
}

TEST_F(CliTest, CheckTellsSoundFromDamaged) {
    Outcome result = run({"check", book});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, book + ": sound, 6 transactions, 4 types\n");

    const std::string damaged = folder.path("damaged.pwdb");
    writeFile(damaged, readFile(book).substr(0, 40));
    result = run({"check", damaged});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.out, damaged + ": damaged or unreadable: Damaged Pennywell database file\n");

    // Every command that reads a book refuses a damaged one the same way.
    for (const char* command : {"info", "list", "total", "percentage", "export"}) {
        result = run({command, damaged});
        EXPECT_EQ(result.exitCode, 1) << command;
        EXPECT_EQ(result.err, "pennywell-cli: " + damaged + ": Damaged Pennywell database file\n") << command;
    }
    EXPECT_EQ(run({"check", folder.path("missing.pwdb")}).exitCode, 1);
}

TEST_F(CliTest, UsageErrorsExitWithTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"bogus"},
        {"total"},
        {"total", book, "--no-such-option"},
        {"total", book, "--format", "xml"},
        {"total", book, "--from", "2004-3-1"},
        {"total", book, "--from", "2004-03-20", "--to", "2004-03-10"},
        {"total", book, "--type", "Nothing"},
        {"budget", book, "--today", "2004-03-10"},
        {"budget", book, "--from", "2004-03-01", "--to", "2004-03-31", "--today", "2004-04-01"},
        {"budget", book, "--to", "2004-03-31", "--income"},
        {"export", book, "--format", "json"},
        {"import", book},
    };
    for (const auto& args : cases) {
        const Outcome result = run(args);
        EXPECT_EQ(result.exitCode, 2) << (args.empty() ? "" : args[0]) << ' ' << result.err;
        EXPECT_FALSE(result.err.empty());
    }
}

TEST_F(CliTest, EverySubcommandHasHelp) {
    for (const char* command : {"info", "list", "total", "percentage", "budget", "export", "import", "check"}) {
        const Outcome result = run({command, "--help"});
        EXPECT_EQ(result.exitCode, 0) << command;
        EXPECT_NE(result.out.find(std::string("Usage: pennywell-cli ") + command), std::string::npos) << result.out;
    }
    EXPECT_EQ(run({"--help"}).exitCode, 0);
}

TEST_F(CliTest, ExportWritesALedgerJournal) {
    const Outcome result = run({"export", book, "--format", "ledger", "--type", "Rent"});
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("2004-03-31 (6) Rent\n    ; rent, march\n    Expenses:Rent"), std::string::npos)
        << result.out;
    EXPECT_EQ(result.out.find("Salary"), std::string::npos);
}
