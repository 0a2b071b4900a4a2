#include <gtest/gtest.h>

#include <chrono>
#include <climits>

#include "core/errormsg.h"
#include "tests/support/bookbuilder.h"
#include "tests/support/textbooks.h"
#include "text/big5spelling.h"
#include "text/bookadditions.h"
#include "text/booktext.h"
#include "text/statementimport.h"

using KestLib::AccountDB;
using PwText::ImportChoices;
using PwText::Statement;
using PwText::StatementFault;
using PwText::StatementImport;
using PwText::StatementRow;
using Reason = StatementFault::Reason;

namespace {

// A statement row in a table: the date in March 2026, UTF-8 texts.
struct In {
    int day;
    bool income;
    int amount;
    std::string comment;
    std::string type = {};
    bool rounded = false;
};

Statement statementOf(const std::vector<In>& rows) {
    Statement statement;
    int line = 2;
    for (const In& in : rows)
        statement.rows.push_back(
            StatementRow{line++, 2026, 3, in.day, in.income, in.amount, in.rounded, in.comment, in.type});
    return statement;
}

std::vector<bool> duplicateMarks(const StatementImport& plan) {
    std::vector<bool> marks;
    for (const auto& row : plan.rows()) marks.push_back(row.duplicate);
    return marks;
}

// In Big5 and UTF-8: 早餐 (breakfast).
const std::string breakfastBig5 = "\xA6\xAD\xC0\x5C";
const std::string breakfastUtf8 = "\xE6\x97\xA9\xE9\xA4\x90";

}  // namespace

TEST(StatementDuplicates, MatchTheBookAsAMultiset) {
    struct Case {
        const char* name;
        std::vector<Row> book;
        std::vector<In> statement;
        bool keep;
        std::vector<bool> duplicates;
        int added;
    };
    const Row coffee{2026, 3, 2, false, 4, "Food", "Coffee"};
    const Row salary{2026, 3, 1, true, 3000, "Salary", "ACME"};
    const Row breakfast{2026, 3, 3, false, 9, "Food", breakfastBig5};
    const std::vector<Case> cases = {
        {"equal rows are skipped",
         {coffee, salary},
         {{2, false, 4, "Coffee"}, {1, true, 3000, "ACME"}},
         false,
         {true, true},
         0},
        {"another date, direction, amount or comment is new",
         {coffee},
         {{3, false, 4, "Coffee"}, {2, true, 4, "Coffee"}, {2, false, 5, "Coffee"}, {2, false, 4, "Tea"}},
         false,
         {false, false, false, false},
         4},
        {"the comment's case counts", {coffee}, {{2, false, 4, "coffee"}}, false, {false}, 1},
        {"two equal rows against one in the book add one",
         {coffee},
         {{2, false, 4, "Coffee"}, {2, false, 4, "Coffee"}},
         false,
         {true, false},
         1},
        {"two in the book take two rows, not a third",
         {coffee, coffee},
         {{2, false, 4, "Coffee"}, {2, false, 4, "Coffee"}, {2, false, 4, "Coffee"}},
         false,
         {true, true, false},
         1},
        {"a new row of the file matches no later one",
         {},
         {{2, false, 4, "Coffee"}, {2, false, 4, "Coffee"}},
         false,
         {false, false},
         2},
        {"the comment is compared as the book stores it",
         {breakfast},
         {{3, false, 9, breakfastUtf8}},
         false,
         {true},
         0},
        {"kept duplicates are counted and added",
         {coffee},
         {{2, false, 4, "Coffee"}, {2, false, 4, "Coffee"}},
         true,
         {true, false},
         2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const AccountDB db = BookBuilder().rows(c.book).build();
        ImportChoices choices;
        choices.keepDuplicates = c.keep;
        const StatementImport plan = StatementImport::plan(db, statementOf(c.statement), choices);
        EXPECT_EQ(duplicateMarks(plan), c.duplicates);
        EXPECT_EQ(plan.duplicateCount(), static_cast<int>(std::count(c.duplicates.begin(), c.duplicates.end(), true)));
        EXPECT_EQ(plan.newCount(), c.added);
        AccountDB changed = BookBuilder().rows(c.book).build();
        plan.apply(changed);
        EXPECT_EQ(changed.transCount(), db.transCount() + c.added);
    }
}

// A book of many equal transactions (a fee a script books each day, say)
// against a statement of as many equal rows: each row still takes one
// transaction, and the rows are counted off, not walked past, so the plan
// takes a moment where it took minutes.
TEST(StatementDuplicates, ManyEqualRowsAreCountedOffNotWalkedPast) {
    struct Case {
        const char* name;
        int bookFees;       // equal transactions in the book
        int bookOthers;     // and others, each of its own
        int statementFees;  // equal rows in the statement
        int duplicates;
    };
    const Case cases[] = {
        {"as many rows as transactions", 100'000, 0, 100'000, 100'000},
        {"more rows than transactions", 60'000, 0, 100'000, 60'000},
        {"fewer rows, among other transactions", 100'000, 50'000, 40'000, 40'000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BookBuilder book;
        for (int k = 0; k < c.bookFees; ++k) book.outgoing("Fees", 5, 2026, 3, 1, "Account fee");
        for (int k = 0; k < c.bookOthers; ++k) book.outgoing("Fees", 6 + k, 2026, 3, 1, "Account fee");
        const AccountDB db = book.build();
        const Statement statement =
            statementOf(std::vector<In>(static_cast<std::size_t>(c.statementFees), In{1, false, 5, "Account fee"}));
        const auto start = std::chrono::steady_clock::now();
        const StatementImport plan = StatementImport::plan(db, statement, {});
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(plan.duplicateCount(), c.duplicates);
        EXPECT_EQ(plan.newCount(), c.statementFees - c.duplicates);
        const std::vector<bool> marks = duplicateMarks(plan);
        // The first rows take the book's transactions; the rest are new.
        EXPECT_EQ(std::count(marks.begin(), marks.begin() + c.duplicates, true), c.duplicates);
        // Walking past matched rows took over ten seconds for the first case.
        EXPECT_LT(took.count(), 3.0);
    }
}

TEST(StatementDuplicates, AStatementImportedTwiceAddsNothingTheSecondTime) {
    AccountDB db = BookBuilder().outgoing("Food", 4, 2026, 3, 2, "Coffee").build();
    const Statement statement = statementOf({{2, false, 4, "Coffee"},
                                             {2, false, 4, "Coffee"},
                                             {5, true, 10, "Refund", "", true},
                                             {6, false, 9, breakfastUtf8, "Meals"}});
    const StatementImport first = StatementImport::plan(db, statement, {});
    EXPECT_EQ(first.newCount(), 3);
    EXPECT_EQ(first.roundedCount(), 1);
    first.apply(db);
    const std::vector<std::string> once = transactionLines(db);
    ASSERT_EQ(once.size(), 4u);

    const StatementImport second = StatementImport::plan(db, statement, {});
    EXPECT_EQ(second.newCount(), 0);
    EXPECT_EQ(second.duplicateCount(), 4);
    EXPECT_EQ(second.roundedCount(), 0);
    EXPECT_TRUE(second.newTypes().empty());
    second.apply(db);
    EXPECT_EQ(transactionLines(db), once);
}

TEST(StatementSpelling, LettersBig5LacksAreSpeltWithoutThem) {
    const struct {
        std::string written;
        std::string stored;
    } cases[] = {
        {"\xC3\x9C"
         "berweisung M\xC3\xBCller Stra\xC3\x9F"
         "e",
         "Ueberweisung Mueller Strasse"},  // Ü ü ß
        {"Caf\xC3\xA9 cr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
         "e",
         "Cafe creme brulee"},  // é è û
        {"\xC5\x81\xC3\xB3"
         "d\xC5\xBA, \xC3\x98resund",
         "Lodz, Oresund"},                                                         // Ł ó ź Ø
        {"Miete\xC2\xA0M\xC3\xA4rz", "Miete Maerz"},                               // no-break space
        {breakfastUtf8 + " 10 \xE2\x82\xAC", breakfastUtf8 + " 10 \xE2\x82\xAC"},  // Big5 has € and 早餐
        {"cake \xF0\x9F\x98\x80", "cake \xF0\x9F\x98\x80"},                        // nothing to spell it with
    };
    for (const auto& c : cases) {
        std::string text = c.written;
        EXPECT_EQ(PwText::respellForBig5(text), c.stored != c.written) << c.written;
        EXPECT_EQ(text, c.stored);
    }

    // A German statement is stored respelt, shown so, and found again the next time.
    AccountDB db = BookBuilder().outgoing("Food", 4, 2026, 3, 2, "Coffee").build();
    const Statement statement =
        statementOf({{3, false, 700, "Miete M\xC3\xA4rz", "Geb\xC3\xBChren"}, {4, false, 5, "Coffee"}});
    const StatementImport first = StatementImport::plan(db, statement, {});
    ASSERT_TRUE(first.canImport());
    EXPECT_EQ(first.respeltCount(), 1);
    EXPECT_EQ(first.rows()[0].row.comment, "Miete Maerz");
    EXPECT_EQ(first.rows()[0].row.type, "Gebuehren");
    EXPECT_TRUE(first.rows()[0].respelt);
    EXPECT_FALSE(first.rows()[1].respelt);
    EXPECT_EQ(first.newTypes(), std::vector<std::string>{"Gebuehren"});
    first.apply(db);
    const StatementImport second = StatementImport::plan(db, statement, {});
    EXPECT_EQ(second.duplicateCount(), 2);
    EXPECT_EQ(second.newCount(), 0);
}

TEST(StatementTypeGuess, TakesTheBooksMostUsedTypeForTheComment) {
    struct Case {
        const char* name;
        std::vector<Row> book;
        In row;
        std::string defaultType;
        std::string type;  // as planned, UTF-8
        bool newType;
    };
    const Row coffeeFood{2025, 1, 1, false, 4, "Food", "Coffee"};
    const Row coffeeFun{2025, 1, 2, false, 4, "Fun", "Coffee"};
    const Row greek{2025, 1, 3, false, 4, "Travel", "\xA3\x5C\xA3\x5D"};  // Big5 for αβ
    const std::vector<Case> cases = {
        {"most used wins", {coffeeFun, coffeeFood, coffeeFood}, {1, false, 3, "Coffee"}, "", "Food", false},
        {"a tie goes to the earliest", {coffeeFun, coffeeFood}, {1, false, 3, "Coffee"}, "", "Fun", false},
        {"ASCII case is folded", {coffeeFood}, {1, false, 3, "cOFFEE"}, "", "Food", false},
        {"other letters are folded too", {greek}, {1, false, 3, "\xCE\x91\xCE\x92"}, "", "Travel", false},  // ΑΒ
        {"a type the row names comes first", {coffeeFood}, {1, false, 3, "Coffee", "Fun"}, "", "Fun", false},
        {"a category the book lacks is created",
         {coffeeFood},
         {1, false, 3, "Coffee", "Groceries"},
         "",
         "Groceries",
         true},
        {"an unknown comment takes the default type", {coffeeFood}, {1, false, 3, "Tea"}, "Food", "Food", false},
        {"a default type the book lacks is created", {coffeeFood}, {1, false, 3, "Tea"}, "Imported", "Imported", true},
        {"without a default, the nameless type", {coffeeFood}, {1, false, 3, "Tea"}, "", "", false},
        {"an empty comment teaches nothing",
         {{2025, 1, 1, false, 4, "Food", ""}},
         {1, false, 3, ""},
         "Imported",
         "Imported",
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AccountDB db = BookBuilder().type("Fun").rows(c.book).build();
        ImportChoices choices;
        choices.defaultType = c.defaultType;
        const StatementImport plan = StatementImport::plan(db, statementOf({c.row}), choices);
        ASSERT_TRUE(plan.canImport());
        ASSERT_EQ(plan.rows().size(), 1u);
        EXPECT_EQ(plan.rows()[0].row.type, c.type);
        EXPECT_EQ(plan.rows()[0].newType, c.newType);
        EXPECT_EQ(plan.newTypes(), c.newType ? std::vector<std::string>{c.type} : std::vector<std::string>{});
        plan.apply(db);
        // The type names of the table are ASCII, the same in Big5.
        const KestLib::Transaction& added = db.transaction(db.transCount() - 1, false);
        EXPECT_EQ(db.typeById(added.type()).name(), c.type);
    }
}

TEST(StatementTypeGuess, NewTypesStopAtTheBooksLimit) {
    // The nameless type and 126 more: room for one new type.
    BookBuilder builder;
    for (int k = 1; k < KestLib::TypeIdTable::capacity - 1; ++k) builder.type("t" + std::to_string(k));
    const AccountDB db = builder.build();
    const StatementImport plan = StatementImport::plan(
        db, statementOf({{1, false, 1, "a", "New 1"}, {2, false, 1, "b", "New 2"}, {3, false, 1, "c", "New 1"}}), {});
    EXPECT_EQ(plan.newTypes(), std::vector<std::string>{"New 1"});
    ASSERT_EQ(plan.faults().size(), 1u);
    EXPECT_EQ(plan.faults()[0].line, 3);
    EXPECT_EQ(plan.faults()[0].reason, Reason::TooManyTypes);
    EXPECT_EQ(plan.faults()[0].text, "New 2");
}

TEST(StatementImportFaults, NameTheLineOfWhatTheBookCantStore) {
    struct Case {
        const char* name;
        In row;
        std::string defaultType;
        int line;
        Reason reason;
    };
    const std::string emoji = "\xF0\x9F\x98\x80";
    const std::vector<Case> cases = {
        {"a type outside Big5", {1, false, 1, "cake", emoji}, "", 2, Reason::NotStorable},
        {"a default type outside Big5 is the whole file's fault", {1, false, 1, "cake"}, emoji, 0, Reason::NotStorable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AccountDB db = BookBuilder().outgoing("Food", 4, 2026, 3, 2, "Coffee").build();
        ImportChoices choices;
        choices.defaultType = c.defaultType;
        const StatementImport plan =
            StatementImport::plan(db, statementOf({{1, false, 5, "fine"}, c.row, c.row}), choices);
        EXPECT_FALSE(plan.canImport());
        ASSERT_FALSE(plan.faults().empty());
        EXPECT_EQ(plan.faults()[0].line, c.line == 0 ? 0 : 3);
        EXPECT_EQ(plan.faults()[0].reason, c.reason);
        // Each faulty row counts, a fault of the whole file once.
        EXPECT_EQ(plan.faultyCount(), c.line == 0 ? 1 : 2);
        const std::vector<std::string> before = transactionLines(db);
        plan.apply(db);
        EXPECT_EQ(transactionLines(db), before);
    }
}

static std::string repeated(const std::string& text, int times) {
    std::string out;
    for (int k = 0; k < times; ++k) out += text;
    return out;
}

TEST(StatementImportComments, WhatTheBookCantHoldIsReplacedOrCutAndMarked) {
    const std::string emoji = "\xF0\x9F\x98\x80";
    const std::string x254 = std::string(254, 'x');
    const struct {
        const char* name;
        std::string comment;
        std::string stored;  // UTF-8
        bool respelt, cut;
        bool format2 = false;
    } cases[] = {
        {"a character outside Big5", "cake " + emoji + " \xC2\xA6", "cake ? ?", true, false},
        {"a zero byte", std::string("a\0b", 3), "a?b", true, false},
        {"over the book's bytes: cut on a character's boundary", x254 + breakfastUtf8, x254, false, true},
        {"just within", std::string(251, 'x') + breakfastUtf8, std::string(251, 'x') + breakfastUtf8, false, false},
        {"a book of UTF-8 keeps any character", "cake " + emoji, "cake " + emoji, false, false, true},
        {"a book of UTF-8 cuts at its characters", repeated("\xC3\xA4", 1200), repeated("\xC3\xA4", 1000), false, true,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AccountDB db = BookBuilder().outgoing("Food", 4, 2026, 3, 2, "Coffee").build();
        if (c.format2) PwText::convertToFormat2(db, 0);
        const StatementImport plan = StatementImport::plan(db, statementOf({{1, false, 1, c.comment}}), {});
        ASSERT_TRUE(plan.canImport());
        EXPECT_EQ(plan.rows()[0].row.comment, c.stored);
        EXPECT_EQ(plan.rows()[0].respelt, c.respelt);
        EXPECT_EQ(plan.rows()[0].cut, c.cut);
        EXPECT_EQ(plan.cutCount(), c.cut ? 1 : 0);
        plan.apply(db);
        EXPECT_EQ(db.transCount(), 2);
    }
}

TEST(StatementImportFaults, ComeInLineOrderWithTheStatementsOwn) {
    Statement statement =
        statementOf({{1, false, 1, "ok"}, {2, false, 1, "ok", "\xF0\x9F\x98\x80"}, {3, false, 1, "ok"}});
    statement.faults = {{1, Reason::BadDate, "2026-13-01"}, {5, Reason::BadAmount, "x"}};
    const StatementImport plan = StatementImport::plan(BookBuilder().build(), statement, {});
    std::vector<std::pair<int, Reason>> seen;
    for (const StatementFault& fault : plan.faults()) seen.emplace_back(fault.line, fault.reason);
    EXPECT_EQ(seen, (std::vector<std::pair<int, Reason>>{
                        {1, Reason::BadDate}, {3, Reason::NotStorable}, {5, Reason::BadAmount}}));
    EXPECT_EQ(plan.faultyCount(), 3);
}

TEST(StatementImportApply, AddsAllOrNothing) {
    AccountDB db = BookBuilder().outgoing("Food", 4, 2026, 3, 2, "Coffee").build();
    PwText::BookAdditions additions(db);
    const int newType = *additions.typeSlot("New");
    const int food = *additions.typeSlot("Food");
    additions.addTransaction(2026, 3, 5, 7, false, newType, "first");
    additions.addTransaction(2026, 3, 6, 8, false, food, "second");
    // The book changes under the additions: one index is left, so the
    // adding fails half way.
    KestLib::Transaction last = makeTransaction(food, 1, false, 2026, 3, 1, "late");
    last.setIndex(INT_MAX - 1);
    db.restoreTransaction(last, db.transCount());
    db.setModified(false);
    const std::vector<std::string> before = transactionLines(db);
    const int typesBefore = db.typeCount();
    EXPECT_THROW(additions.applyTo(db), KestLib::ErrorMsg);
    EXPECT_EQ(transactionLines(db), before);
    EXPECT_EQ(db.typeCount(), typesBefore);
    EXPECT_EQ(db.lastIndex(), INT_MAX - 1);
    EXPECT_FALSE(db.isModified());

    // Planned against that book, the second row is refused before anything changes.
    const StatementImport plan =
        StatementImport::plan(db, statementOf({{5, false, 7, "first", "New"}, {6, false, 8, "second"}}), {});
    ASSERT_EQ(plan.faults().size(), 1u);
    EXPECT_EQ(plan.faults()[0].line, 3);
    EXPECT_EQ(plan.faults()[0].reason, Reason::NoIndexLeft);
    plan.apply(db);
    EXPECT_EQ(transactionLines(db), before);
}
