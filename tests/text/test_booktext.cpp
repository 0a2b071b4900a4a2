// A book's texts and amounts by its format: amounts with a point in the
// book's decimals, the conversion of the sample books, and the book's CSV,
// journal and statement import in a book of format 2.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/accountdb.h"
#include "core/databaseformat.h"
#include "tests/support/bookbuilder.h"
#include "text/big5codec.h"
#include "text/bookamount.h"
#include "text/bookcsv.h"
#include "text/booktext.h"
#include "text/ledgerjournal.h"
#include "text/statementimport.h"
#include "text/statementreader.h"
#include "text/textfolding.h"

using KestLib::AccountDB;

namespace {

// A new book of format 2 with decimals and the nameless type.
AccountDB format2Book(int decimals) {
    AccountDB db = BookBuilder("Home").build();
    PwText::convertToFormat2(db, decimals);
    return db;
}

std::string csvOf(const std::vector<std::string>& rows) {
    std::string out = "index,date,direction,amount,type,comment\r\n";
    for (const std::string& row : rows) out += row + "\r\n";
    return out;
}

}  // namespace

TEST(BookAmount, WritesAndReadsEveryDecimalExactly) {
    struct Case {
        std::int64_t units;
        int decimals;
        std::string text;
    };
    const Case cases[] = {
        {120891, 2, "1208.91"},
        {-15, 2, "-0.15"},
        {5, 3, "0.005"},
        {-1000, 3, "-1.000"},
        {12, 0, "12"},
        {0, 2, "0.00"},
        {INT64_MIN, 2, "-92233720368547758.08"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PwText::formatAmount(c.units, c.decimals), c.text);
        if (c.units != INT64_MIN) EXPECT_EQ(PwText::parseAmount(c.text, c.decimals), c.units) << c.text;
    }
    const std::pair<std::string_view, std::optional<std::int64_t>> read[] = {
        {"12.5", 1250},           {"+12", 1200},         {".5", 50},
        {"12.505", std::nullopt}, {"12.", std::nullopt}, {"1e3", std::nullopt},
        {"", std::nullopt},       {"-", std::nullopt},   {"99999999999999999999", std::nullopt},
    };
    for (const auto& [text, units] : read) EXPECT_EQ(PwText::parseAmount(text, 2), units) << text;
}

TEST(BookText, TheSampleBooksConvertExactlyAndBack) {
    for (const char* name : {"household.pwdb", "household-zh_TW.pwdb"}) {
        AccountDB original;
        original.loadFile(std::string(EXAMPLES_DIR "/") + name);
        AccountDB converted;
        converted.loadBytes(KestLib::encodeDatabase(original));
        PwText::convertToFormat2(converted, 2);
        AccountDB reread;
        reread.loadBytes(KestLib::encodeDatabase(converted));
        ASSERT_EQ(reread.transCount(), original.transCount()) << name;
        EXPECT_EQ(reread.format(), 2);
        // Back to Big5 and whole units, every field is the original's.
        PwText::Big5Codec codec;
        std::string big5;
        ASSERT_TRUE(codec.utf8ToBig5(reread.name(), big5));
        EXPECT_EQ(big5, original.name());
        for (int i = 0; i < original.typeCount(); ++i) {
            ASSERT_TRUE(codec.utf8ToBig5(reread.typeAt(i).name(), big5));
            EXPECT_EQ(big5, original.typeAt(i).name());
            EXPECT_EQ(reread.typeAt(i).count(), original.typeAt(i).count());
        }
        for (int i = 0; i < original.transCount(); ++i) {
            const KestLib::Transaction& a = original.transaction(i, false);
            const KestLib::Transaction& b = reread.transaction(i, false);
            ASSERT_TRUE(codec.utf8ToBig5(b.comment(), big5));
            EXPECT_EQ(big5, a.comment().view());
            EXPECT_EQ(b.amount(), a.amount() * 100);
            EXPECT_EQ(std::vector<int>({b.index(), b.dateCode(), b.isIncome(), b.type()}),
                      std::vector<int>({a.index(), a.dateCode(), a.isIncome(), a.type()}));
        }
    }
}

TEST(BookText, CsvOfAFormat2BookKeepsTextsAndDecimals) {
    struct Case {
        int decimals;
        std::string amount;
        std::int32_t stored;
        std::string exported;
    };
    const Case cases[] = {
        {2, "12.5", 1250, "12.50"},
        {2, "-0.15", -15, "-0.15"},
        {3, "0.001", 1, "0.001"},
        {0, "7", 7, "7"},
    };
    const std::string comment = "ラーメン 发票 лапша \xF0\x9F\x99\x82";
    for (const Case& c : cases) {
        AccountDB db = format2Book(c.decimals);
        const std::string in = csvOf({"1,2026-03-01,outgoing," + c.amount + ",Gebühr," + comment});
        const PwText::ImportReport report = PwText::importCsv(db, in, PwText::CsvEncoding::Utf8);
        ASSERT_TRUE(report.accepted) << c.amount;
        EXPECT_EQ(db.transaction(0, false).amount(), c.stored);
        EXPECT_EQ(db.transaction(0, false).comment(), comment);
        EXPECT_EQ(PwText::exportCsv(db, PwText::CsvEncoding::Utf8),
                  csvOf({"1,2026-03-01,outgoing," + c.exported + ",Gebühr," + comment}));
    }
    // A finer fraction than the book keeps is refused, not rounded.
    AccountDB db = format2Book(2);
    EXPECT_FALSE(PwText::importCsv(db, csvOf({"1,2026-03-01,income,0.125,,"}), PwText::CsvEncoding::Utf8).accepted);
    // A comment is counted in characters: 1000 of any script fit, 1001 don't.
    for (const auto& [characters, accepted] : {std::pair{1000, true}, std::pair{1001, false}}) {
        std::string longComment;
        for (int k = 0; k < characters; ++k) longComment += "语";
        AccountDB book = format2Book(0);
        const PwText::ImportReport report =
            PwText::importCsv(book, csvOf({"1,2026-03-01,income,1,," + longComment}), PwText::CsvEncoding::Utf8);
        EXPECT_EQ(report.accepted, accepted) << characters;
    }
}

TEST(BookText, TheJournalWritesTheBooksDecimals) {
    AccountDB db = format2Book(2);
    ASSERT_TRUE(
        PwText::importCsv(db, csvOf({"1,2026-03-01,outgoing,12.50,Café,Müller"}), PwText::CsvEncoding::Utf8).accepted);
    const std::string journal = PwText::exportLedger(db);
    EXPECT_NE(journal.find(" 12.50\n    Assets:Home "), std::string::npos) << journal;
    EXPECT_NE(journal.find(" -12.50\n"), std::string::npos) << journal;
    EXPECT_NE(journal.find("; Müller\n"), std::string::npos);
}

TEST(BookText, StatementsKeepTheirTextsAndCentsInAFormat2Book) {
    const std::string statement = "Date,Amount,Memo\n2026-03-02,-0.15,Überweisung Müller\n2026-03-03,12.50,Café\n";
    struct Case {
        int decimals;
        std::vector<std::int32_t> amounts;
        int rounded;
    };
    for (const Case& c : {Case{2, {15, 1250}, 0}, Case{3, {150, 12500}, 0}, Case{0, {0, 13}, 2}}) {
        AccountDB db = format2Book(c.decimals);
        PwText::StatementOptions reading;
        PwText::ImportChoices choices;
        PwText::fitAmountsToBook(db, reading, choices);
        const PwText::StatementImport plan =
            PwText::StatementImport::plan(db, PwText::readStatement(statement, reading), choices);
        ASSERT_TRUE(plan.canImport()) << c.decimals;
        EXPECT_EQ(plan.respeltCount(), 0);
        EXPECT_EQ(plan.roundedCount(), c.rounded);
        plan.apply(db);
        ASSERT_EQ(db.transCount(), 2);
        EXPECT_EQ(db.transaction(0, false).comment(), "Überweisung Müller");
        // Rounded to nothing, the fee has no direction left at 0 decimals.
        if (c.decimals > 0) EXPECT_FALSE(db.transaction(0, false).isIncome()) << c.decimals;
        EXPECT_EQ(std::vector<std::int32_t>({db.transaction(0, false).amount(), db.transaction(1, false).amount()}),
                  c.amounts);
    }
}

TEST(BookText, StoredUtf8ReadsAsTheDecoderReadsIt) {
    // Comments mix ASCII with longer characters as they come; a byte that
    // starts no character (never in a checked book) shows as U+FFFD.
    const auto asRead = [](std::string_view utf8) {
        std::u16string text;
        PwText::appendUtf16(utf8, text);
        return text;
    };
    const auto asFolded = [](std::string_view utf8) {
        std::u16string text;
        PwText::appendUtf16(utf8, text, [](char16_t unit) { return PwText::TextFolding::unit(unit); });
        return text;
    };
    const std::string wellFormed[] = {
        "",
        "rent",
        "Café Müller",
        "ラーメン 发票 лапша",
        "a中b文c",
        "Kaffee \xF0\x9F\x99\x82!",
        "\xF0\x9F\x99\x82",
        "\xC3\xA9",
        "\xE4\xB8\xAD",
        "\xEF\xBF\xBD\xC2\xA0\t",
    };
    for (const std::string& utf8 : wellFormed) {
        const QString decoded = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        EXPECT_EQ(asRead(utf8), decoded.toStdU16String()) << utf8;
        EXPECT_EQ(asFolded(utf8), PwText::TextFolding::text(decoded).toStdU16String()) << utf8;
    }
    const std::pair<std::string, std::u16string> malformed[] = {
        {"a\xE4\xB8", u"a\uFFFD\uFFFD"},
        {"\xB8z", u"\uFFFDz"},
        {"x\xC3", u"x\uFFFD"},
        {"\xF0\x9F\x99", u"\uFFFD\uFFFD\uFFFD"},
        {std::string("\xFF") + "a", u"\uFFFDa"},
    };
    for (const auto& [utf8, shown] : malformed) EXPECT_EQ(asRead(utf8), shown) << utf8;
}
