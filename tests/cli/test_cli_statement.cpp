// import of bank statements from the command line: each format into the
// book with the right rows, nothing added the second time, dry runs and
// refusals that leave the book as it was.

#include <filesystem>

#include "tests/cli/clitest.h"
#include "tests/support/filebytes.h"

namespace {

// The rows a book gained, as export writes them, without their indexes.
std::vector<std::string> rowsAfter(const std::string& csv, std::size_t skipped) {
    std::vector<std::string> rows;
    std::size_t at = 0;
    for (std::size_t line = 0; (at = csv.find("\r\n", at)) != std::string::npos; ++line) {
        const std::size_t start = csv.rfind('\n', at - 1) == std::string::npos ? 0 : csv.rfind('\n', at - 1) + 1;
        if (line > skipped) rows.push_back(csv.substr(csv.find(',', start) + 1, at - csv.find(',', start) - 1));
        at += 2;
    }
    return rows;
}

const std::string ofxSgml =
    "OFXHEADER:100\r\nDATA:OFXSGML\r\nVERSION:102\r\nCHARSET:1252\r\n\r\n"
    "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST>\r\n"
    "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20260105<TRNAMT>-12.30<NAME>Bakery<MEMO>Bread\r\n</STMTTRN>\r\n"
    "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20260106120000<TRNAMT>100<NAME>pay\r\n</STMTTRN>\r\n"
    "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\r\n";

const std::string ofxXml =
    "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?OFX OFXHEADER=\"200\" VERSION=\"211\"?>\n"
    "<OFX><CREDITCARDMSGSRSV1><CCSTMTTRNRS><CCSTMTRS><BANKTRANLIST>\n"
    "<STMTTRN><TRNTYPE>DEBIT</TRNTYPE><DTPOSTED>20260210</DTPOSTED><TRNAMT>-45.00</TRNAMT>"
    "<NAME>market</NAME></STMTTRN>\n"
    "</BANKTRANLIST></CCSTMTRS></CCSTMTTRNRS></CREDITCARDMSGSRSV1></OFX>\n";

}  // namespace

TEST_F(CliTest, ImportsEachStatementFormatOnceOnly) {
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> options;
        std::string said;
        std::vector<std::string> rows;  // date,direction,amount,type,comment
    };
    const std::vector<Case> cases = {
        {"a German bank's CSV",
         "Buchungstag;Verwendungszweck;Betrag\n31.01.2026;Miete Januar;-1.850,00\n02.02.2026;Groceries;-3,49\n",
         {},
         "2 transactions (0 duplicates skipped, 1 amount rounded)",
         {"2026-01-31,outgoing,1850,,Miete Januar", "2026-02-02,outgoing,3,Food,Groceries"}},
        // 民國 115 is 2026; 早餐 (breakfast) and 薪資 (pay) in Big5, columns by number.
        {"a Taiwan bank's Big5 CSV",
         "\xA5\xE6\xA9\xF6\xA4\xE9\xB4\xC1,\xBA\x4B\xAD\x6E,\xA4\xE4\xA5\x58,\xA6\x73\xA4\x4A\n"
         "115/01/31,\xA6\xAD\xC0\x5C,85,\n115/02/01,\xC1\x7E\xB8\xEA,,42000\n",
         {"--map", "date=1,comment=2,debit=3,credit=4", "--date-format", "ROC", "--default-type", "Imported"},
         "2 transactions (0 duplicates skipped, 0 amounts rounded) and 1 new type (\"Imported\")",
         {"2026-01-31,outgoing,85,Imported,\xE6\x97\xA9\xE9\xA4\x90",
          "2026-02-01,income,42000,Imported,\xE8\x96\xAA\xE8\xB3\x87"}},
        {"columns mapped by name",
         "Posted,Payee,Memo,Value\n01/31/2026,ACME,January,\"1,200.50\"\n02/01/2026,late,,(20.00)\n",
         {"--map", "date=Posted,comment=payee", "--map", "comment=Memo,amount=Value", "--cents"},
         "2 transactions (0 duplicates skipped, 0 amounts rounded)",
         {"2026-01-31,income,120050,,ACME January", "2026-02-01,outgoing,2000,Food,late"}},
        {"OFX 1.x",
         ofxSgml,
         {},
         "2 transactions (0 duplicates skipped, 1 amount rounded)",
         {"2026-01-05,outgoing,12,,Bakery Bread", "2026-01-06,income,100,Salary,pay"}},
        {"OFX 2.x",
         ofxXml,
         {"--format", "ofx"},
         "1 transaction (0 duplicates skipped, 0 amounts rounded)",
         {"2026-02-10,outgoing,45,Food,market"}},
        {"QIF with a category as type",
         "!Type:Bank\nD01/31'26\nT-35.50\nPSupermarket\nLHousehold\n^\nD2/1/2026\nT1,200.00\nPEmployer\n^\n",
         {},
         "2 transactions (0 duplicates skipped, 1 amount rounded) and 1 new type (\"Household\")",
         {"2026-01-31,outgoing,36,Household,Supermarket", "2026-02-01,income,1200,,Employer"}},
    };
    for (const Case& c : cases) {
        SetUp();  // a fresh book for each file
        SCOPED_TRACE(c.name);
        const std::string statement = folder.path("statement");
        writeFile(statement, c.file);
        std::vector<std::string> args{"import", book, statement};
        args.insert(args.end(), c.options.begin(), c.options.end());

        const Outcome first = run(args);
        EXPECT_EQ(first.exitCode, 0) << first.err;
        EXPECT_EQ(first.out.substr(0, first.out.find(" into ")), "Imported " + c.said);
        EXPECT_EQ(rowsAfter(run({"export", book}).out, 6), c.rows);

        const std::string saved = readFile(book);
        const Outcome second = run(args);
        EXPECT_EQ(second.exitCode, 0) << second.err;
        EXPECT_EQ(second.out.substr(0, second.out.find(';')),
                  "Imported 0 transactions (" + std::to_string(c.rows.size()) + " duplicate" +
                      (c.rows.size() == 1 ? "" : "s") + " skipped, 0 amounts rounded)");
        EXPECT_EQ(readFile(book), saved);
    }
}

TEST_F(CliTest, AStatementDryRunShowsTheRowsAndWritesNothing) {
    const std::string statement = folder.path("statement.csv");
    writeFile(statement, "Buchungstag;Verwendungszweck;Betrag\n05.03.2004;groceries;-10,00\n01.04.2004;Zins;0,51\n");
    const std::string before = readFile(book);
    const Outcome dry = run({"import", book, statement, "--dry-run", "--keep-duplicates"});
    EXPECT_EQ(dry.exitCode, 0) << dry.err;
    EXPECT_EQ(dry.out, "Would import 2 transactions (0 duplicates kept, 1 amount rounded) into " + book +
                           "; nothing was written.\n"
                           "Date        In/Out    Amount  Type  Comment\n"
                           "2004-03-05  Outgoing      10  Food  groceries\n"
                           "2004-04-01  Income         1        Zins\n");
    EXPECT_EQ(readFile(book), before);
    for (const auto& entry : std::filesystem::directory_iterator(folder.path("")))
        EXPECT_EQ(entry.path().filename().string().find(".bak"), std::string::npos) << entry.path();
}

TEST_F(CliTest, AStatementAtFaultIsRefusedWithItsLines) {
    const std::string statement = folder.path("statement.csv");
    writeFile(statement,
              "Buchungstag;Verwendungszweck;Betrag\n05.03.2004;fine;-10,00\n"
              "36.03.2004;no such day;-1,00\n07.03.2004;fine;lots\n");
    const std::string before = readFile(book);
    const Outcome refused = run({"import", book, statement});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("not imported"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("\nLine 3: "), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("\nLine 4: "), std::string::npos) << refused.err;
    EXPECT_EQ(readFile(book), before);
}

TEST_F(CliTest, AStatementSaysHowItWasReadAndWhatWouldHelp) {
    std::string preamble;
    for (int line = 1; line <= 13; ++line) preamble += "\"Zeile " + std::to_string(line) + "\";\"x\";\n";
    const std::string germanDirect = preamble +
                                     "\"Buchung\";\"Valuta\";\"Text\";\"Summe\";\n"
                                     "\"01.02.2016\";\"01.02.2016\";\"Miete\";\"-500,00\";\n";
    const std::string investment =
        "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST><STMTTRN><DTPOSTED>20160101<TRNAMT>-5<NAME>fee"
        "</STMTTRN></BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1><INVSTMTMSGSRSV1><INVSTMTTRNRS><INVSTMTRS>"
        "<INVTRANLIST><INVBANKTRAN><STMTTRN><DTPOSTED>20160102<TRNAMT>7<NAME>dividend</STMTTRN></INVBANKTRAN>"
        "</INVTRANLIST></INVSTMTRS></INVSTMTTRNRS></INVSTMTMSGSRSV1></OFX>\n";
    const struct {
        const char* name;
        std::string file;
        std::vector<std::string> options;
        int exitCode;
        std::vector<std::string> said;  // each somewhere in what is written
    } cases[] = {
        {"dates that read both ways",
         "Date,Description,Amount\n3/6/2016,Coffee,-3.50\n3/5/2016,Grocer,-20\n",
         {},
         1,
         {"(\"3/6/2016\": 2016-06-03 / 2016-03-06)", "Line 1 was taken as the header.",
          "--date-format DD/MM/YYYY or --date-format MM/DD/YYYY"}},
        {"the same, chosen",
         "Date,Description,Amount\n3/6/2016,Coffee,-3.50\n3/5/2016,Grocer,-20\n",
         {"--date-format", "MM/DD/YYYY", "--dry-run"},
         0,
         {"2016-03-06  Outgoing"}},
        {"one date decides",
         "Date,Description,Amount\n3/6/2016,Coffee,-3.50\n3/13/2016,Grocer,-0.20\n",
         {"--dry-run"},
         0,
         {"Dates read as MM/DD/YYYY, as line 3's date shows.", "2 amounts rounded, 1 to 0"}},
        {"a preamble above a header mapped by name",
         germanDirect,
         {"--map", "date=Buchung,amount=summe,comment=Text"},
         0,
         {"Imported 1 transaction", "Line 14 was taken as the header; the lines above it were skipped."}},
        {"no amount column", germanDirect, {}, 1, {"Line 14 was taken as the header.", "--map date=1,amount=3"}},
        {"a QIF file with comments, splits and classes",
         "# exported\n!Type:Bank\nD1/13/2016\nT-10\nPShop\nL--Split--\nSFood/Family\n$-6\nSHome\n$-4\n^\n"
         "D1/14/2016\nT-3\nPBus\nLTravel:Bus/Work\n^\n",
         {"--dry-run"},
         0,
         {"2016-01-13  Outgoing      10  Food        Shop", "2016-01-14  Outgoing       3  Travel:Bus  Bus"}},
        {"an investment account beside a bank account",
         investment,
         {"--dry-run"},
         0,
         {"Would import 2 transactions", "2 accounts read into the one book."}},
    };
    for (const auto& c : cases) {
        SetUp();
        SCOPED_TRACE(c.name);
        const std::string statement = folder.path("statement");
        writeFile(statement, c.file);
        std::vector<std::string> args{"import", book, statement};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const Outcome outcome = run(args);
        EXPECT_EQ(outcome.exitCode, c.exitCode) << outcome.err;
        for (const std::string& said : c.said)
            EXPECT_NE((outcome.out + outcome.err).find(said), std::string::npos) << said << "\n"
                                                                                 << outcome.out << outcome.err;
    }
}

TEST_F(CliTest, TheBooksOwnCsvIsImportedAsBeforeUnlessAStatementOptionIsGiven) {
    const std::string csv = folder.path("own.csv");
    writeFile(csv, "date,amount,comment\n2004-03-05,-1000,groceries\n");
    // As before: no duplicate check, the nameless type.
    const Outcome own = run({"import", book, csv});
    EXPECT_EQ(own.out.substr(0, own.out.find(" into ")), "Imported 1 transaction");
    const Outcome asStatement = run({"import", book, csv, "--default-type", "Rent"});
    EXPECT_EQ(asStatement.out.substr(0, asStatement.out.find(';')),
              "Imported 0 transactions (1 duplicate skipped, 0 amounts rounded)");
    // A file of the book's own columns that adds nothing leaves the book,
    // and so its backup, as they were.
    const std::string headerOnly = folder.path("header.csv");
    writeFile(headerOnly, "date,amount\n");
    const std::string saved = readFile(book);
    const Outcome nothing = run({"import", book, headerOnly});
    EXPECT_EQ(nothing.exitCode, 0) << nothing.err;
    EXPECT_EQ(nothing.out, "Imported 0 transactions; nothing was new, so " + book + " was not written.\n");
    EXPECT_EQ(readFile(book), saved);
}
