// The figures of the three analyses: the balance, the shares by type and the
// budget's remainders, on the books their reports are checked against.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/analysis.h"
#include "tests/support/coretestsupport.h"

using namespace KestLib;

namespace {

const DateRange march{packDate(2004, 3, 1), packDate(2004, 3, 31)};

// Income 100 and outgoing 30 in March, with one of each on a day just
// outside the range on either side.
AccountDB incomeAndOutgoing(int income, int outgoing) {
    return BookBuilder()
        .income("Pay", income, 2004, 3, 1)
        .outgoing("Food", outgoing, 2004, 3, 31)
        .income("Pay", 1000, 2004, 2, 29)
        .outgoing("Food", 1000, 2004, 4, 1)
        .build();
}

}  // namespace

TEST(Selection, TakesByDateTypeAndDirection) {
    // An outgoing of type 5 on 31 March 2004.
    Transaction record;
    record.setDate(2004, 3, 31);
    record.setType(5);
    record.setIncome(false);
    auto ofTypes = [](std::initializer_list<int> ids, bool allTypes = false) {
        Selection selection;
        selection.allTypes = allTypes;
        for (int id : ids) selection.types.set(static_cast<std::size_t>(id));
        return selection;
    };
    struct Case {
        const char* name;
        Selection selection;
        bool takes;
    };
    const Case cases[] = {
        {"everything", Selection(), true},
        {"last day counted", Selection(march, InOutSelector::Both), true},
        {"first day counted", Selection({packDate(2004, 3, 31), packDate(2004, 4, 30)}, InOutSelector::Both), true},
        {"after the range", Selection({packDate(2004, 3, 1), packDate(2004, 3, 30)}, InOutSelector::Both), false},
        {"before the range", Selection({packDate(2004, 4, 1), packDate(2004, 4, 30)}, InOutSelector::Both), false},
        {"open start", Selection({-1, packDate(2004, 3, 31)}, InOutSelector::Both), true},
        {"open end", Selection({packDate(2004, 3, 31), -1}, InOutSelector::Both), true},
        {"open start, ends before", Selection({-1, packDate(2004, 3, 30)}, InOutSelector::Both), false},
        {"open end, starts after", Selection({packDate(2004, 4, 1), -1}, InOutSelector::Both), false},
        {"outgoing only", Selection({-1, -1}, InOutSelector::Outgoing), true},
        {"income only", Selection({-1, -1}, InOutSelector::Income), false},
        {"its type chosen", ofTypes({2, 5}), true},
        {"other types chosen", ofTypes({2, 6}), false},
        {"no type chosen", ofTypes({}), false},
        {"types ignored for all", ofTypes({2}, true), true},
    };
    for (const Case& c : cases) EXPECT_EQ(c.selection.takes(record), c.takes) << c.name;
}

// The sum has a loop of its own for every type, one type and a set of types:
// each must agree with the record-by-record rule, in every direction.
TEST(Selection, SumAgreesWithTheRecordRuleForEachKindOfTypeTest) {
    AccountDB db = BookBuilder()
                       .income("Pay", 700, 2004, 3, 1)
                       .outgoing("Food", 30, 2004, 3, 31)
                       .outgoing("Pay", 5, 2004, 3, 15)
                       .income("Gift", 2000000000, 2004, 3, 2)
                       .outgoing("Gift", 2000000000, 2004, 3, 3)
                       .outgoing("Gift", 2000000000, 2004, 3, 4)
                       .income("Food", 1000, 2004, 2, 29)
                       .build();
    const std::vector<std::vector<int>> typeSets = {
        {}, {db.findType("Pay").id()}, {db.findType("Pay").id(), db.findType("Gift").id()}};
    for (const DateRange range : {DateRange{-1, -1}, march}) {
        for (const InOutSelector inOut : {InOutSelector::Both, InOutSelector::Income, InOutSelector::Outgoing}) {
            std::vector<Selection> selections = {Selection(range, inOut)};
            for (const std::vector<int>& ids : typeSets) {
                Selection chosen(range, inOut);
                chosen.allTypes = false;
                for (int id : ids) chosen.types.set(static_cast<std::size_t>(id));
                selections.push_back(chosen);
            }
            for (const Selection& selection : selections) {
                std::int64_t expected = 0;
                for (int position = 0; position < db.transCount(); ++position) {
                    const Transaction& record = db.transaction(position, false);
                    if (selection.takes(record))
                        expected += record.isIncome() ? record.amount() : -std::int64_t{record.amount()};
                }
                EXPECT_EQ(db.sum(selection), expected)
                    << "types " << (selection.allTypes ? "all" : std::to_string(selection.types.count()))
                    << ", direction " << static_cast<int>(inOut) << ", range open " << range.isOpen();
            }
        }
    }
}

TEST(GrandTotal, BalanceByDirectionWithBothBoundsCounted) {
    struct Case {
        int income, outgoing;
        InOutSelector inOut;
        std::int64_t balance;
    };
    const Case cases[] = {
        {100, 30, InOutSelector::Both, 70},    {100, 30, InOutSelector::Outgoing, -30},
        {100, 30, InOutSelector::Income, 100}, {30, 100, InOutSelector::Both, -70},
        {50, 50, InOutSelector::Both, 0},      {100, 0, InOutSelector::Outgoing, 0},
    };
    for (const Case& c : cases) {
        const AccountDB db = incomeAndOutgoing(c.income, c.outgoing);
        const std::vector<int> both = {db.findType("Pay").id(), db.findType("Food").id()};
        EXPECT_EQ(grandTotal(db, Selection{march, c.inOut}), c.balance) << c.income << "/" << c.outgoing;
        EXPECT_EQ(grandTotal(db, selectionOf(both, march, c.inOut)), c.balance) << c.income << "/" << c.outgoing;
    }
}

TEST(PercentageAnalysis, WorkedExampleWithAThirdUnselectedType) {
    const AccountDB db = BookBuilder().income("A", 100).income("B", 200).income("C", 300).build();
    const int a = db.findType("A").id();
    const int b = db.findType("B").id();
    const PercentageFigures figures = percentageAnalysis(db, selectionOf({a, b}, march));

    EXPECT_EQ(figures.totalIncome, 600);
    EXPECT_EQ(figures.selectedIncome, 300);
    EXPECT_EQ(figures.totalOutgoing, 0);
    ASSERT_EQ(figures.shares.size(), 2u);
    EXPECT_EQ(figures.shares[0].typeId, a);
    EXPECT_EQ(figures.shares[0].income, 100);
    EXPECT_EQ(figures.shares[1].typeId, b);
    EXPECT_EQ(figures.shares[1].sum(), 200);
    EXPECT_DOUBLE_EQ(percentOf(figures.shares[0].income, figures.selectedIncome), 100.0 / 3.0);
    EXPECT_DOUBLE_EQ(percentOf(figures.shares[1].income, figures.totalIncome), 100.0 / 3.0);
    EXPECT_EQ(percentOf(figures.shares[0].outgoing, figures.selectedOutgoing), 0.0);  // of nothing
}

// Each share's parts of the chosen and of every type's figures, as both
// front ends print them; a part of nothing is 0.
TEST(PercentageAnalysis, SharesOfTheSelectedAndOfEveryType) {
    const AccountDB db = BookBuilder()
                             .income("A", 100, 2004, 3, 1)
                             .outgoing("A", 50, 2004, 3, 2)
                             .income("B", 300, 2004, 3, 3)
                             .outgoing("C", 150, 2004, 3, 4)
                             .build();
    Selection chosen{march, InOutSelector::Both};
    chosen.allTypes = false;
    chosen.types.set(static_cast<std::size_t>(db.findType("A").id()));
    chosen.types.set(static_cast<std::size_t>(db.findType("B").id()));
    const PercentageFigures figures = percentageAnalysis(db, chosen);
    ASSERT_EQ(figures.shares.size(), 2u);
    struct Case {
        std::size_t share;
        TypePercents expected;
    };
    const Case cases[] = {
        // A: 100 of 400 income, 50 of the 50 selected and 200 total outgoing, 150 of 450 and 600.
        {0, {{25.0, 25.0}, {100.0, 25.0}, {100.0 / 3.0, 25.0}}},
        // B: 300 of 400 income, no outgoing, 300 of 450 and 600.
        {1, {{75.0, 75.0}, {0.0, 0.0}, {200.0 / 3.0, 50.0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.share);
        const TypePercents got = figures.percentsOf(figures.shares[c.share]);
        for (const auto& [part, expected] :
             {std::pair{got.income, c.expected.income}, std::pair{got.outgoing, c.expected.outgoing},
              std::pair{got.sum, c.expected.sum}}) {
            EXPECT_DOUBLE_EQ(part.ofSelected, expected.ofSelected);
            EXPECT_DOUBLE_EQ(part.ofTotal, expected.ofTotal);
        }
    }
}

// Every analysis gives the types the selection takes in the database's
// order, whichever order they were chosen in.
TEST(Analyses, ASelectionGivesItsTypesInTheDatabasesOrder) {
    const AccountDB db = BookBuilder()
                             .income("A", 100, 2004, 3, 1)
                             .outgoing("B", 40, 2004, 3, 2)
                             .outgoing("C", 70, 2004, 3, 9)
                             .income("A", 5, 2004, 4, 2)
                             .build();
    const int a = db.findType("A").id();
    const int c = db.findType("C").id();
    const Selection chosen = selectionOf({c, a}, march);

    const PercentageFigures figures = percentageAnalysis(db, chosen);
    EXPECT_EQ(figures.selectedSum(), 170);
    EXPECT_EQ(figures.totalSum(), 210);
    ASSERT_EQ(figures.shares.size(), 2u);
    EXPECT_EQ(figures.shares[0].typeId, a);
    EXPECT_EQ(figures.shares[1].typeId, c);
    EXPECT_EQ(grandTotal(db, chosen), 30);

    const std::vector<MonthSums> months = monthlyInOut(db, chosen);
    ASSERT_EQ(months.size(), 1u);
    EXPECT_EQ(months.at(0).income, 100);
    EXPECT_EQ(months.at(0).outgoing, 70);

    const BudgetFigures budget = budgetAnalysis(db, chosen, {march.first, march.last, packDate(2004, 3, 9)});
    ASSERT_EQ(budget.lines.size(), 2u);
    EXPECT_EQ(budget.lines[0].typeId, a);
    EXPECT_EQ(budget.lines[1].typeId, c);
    EXPECT_EQ(budget.totalBudget, 100);
    EXPECT_EQ(budget.totalOutgoing, 70);
}

// The period a front end builds from its dates, and the days it leaves.
TEST(BudgetPeriod, BuiltFromARangeAndCheckedInOrder) {
    const std::int32_t first = packDate(2004, 3, 1);
    const std::int32_t last = packDate(2004, 3, 31);
    struct Case {
        const char* name;
        DateRange range;
        std::int32_t today;
        std::int32_t from;
        std::int64_t days;  // 0: not in order
    };
    const Case cases[] = {
        {"closed", {first, last}, packDate(2004, 3, 10), first, 22},
        {"today on the last day", {first, last}, last, first, 1},
        {"today on the first day", {first, last}, first, first, 31},
        {"open first bound: the calendar's first day", {-1, last}, packDate(2004, 3, 10), packDate(1, 1, 1), 22},
        {"open last bound", {first, -1}, packDate(2004, 3, 10), first, 0},
        {"today after the last day", {first, last}, packDate(2004, 4, 1), first, 0},
        {"today before the first day", {first, last}, packDate(2004, 2, 29), first, 0},
        {"today no calendar day", {first, last}, packDate(2004, 3, 32), first, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BudgetPeriod period = BudgetPeriod::of(c.range, c.today);
        EXPECT_EQ(period.from, c.from);
        EXPECT_EQ(period.to, c.range.last);
        EXPECT_EQ(period.today, c.today);
        EXPECT_EQ(period.daysLeft(), c.days);
        EXPECT_EQ(period.isInOrder(), c.days > 0);
    }
}

// A budget given for the whole period replaces the income booked in the
// total only: its remainder and average follow, the lines stay.
TEST(BudgetAnalysis, AGivenBudgetReplacesTheTotalsIncome) {
    const AccountDB db = BookBuilder().income("Food", 300, 2004, 3, 1).outgoing("Food", 100, 2004, 3, 2).build();
    const BudgetPeriod period{packDate(2004, 3, 1), packDate(2004, 3, 31), packDate(2004, 3, 29)};
    for (const std::int64_t budget : {std::int64_t{1000}, std::int64_t{0}, std::int64_t{-5}}) {
        SCOPED_TRACE(budget);
        BudgetFigures figures = budgetAnalysis(db, selectionOf({db.findType("Food").id()}), period);
        figures.setTotalBudget(budget);
        EXPECT_EQ(figures.totalBudget, budget);
        EXPECT_EQ(figures.totalRemain, budget - 100);
        EXPECT_EQ(figures.totalAveragePerDay, (budget - 100) / 3);
        EXPECT_EQ(figures.lines.at(0).budget, 300);
        EXPECT_EQ(figures.lines.at(0).averagePerDay, 66);
    }
}

TEST(BudgetAnalysis, WorkedExampleOfMarch2004) {
    const AccountDB db = BookBuilder()
                             .income("Food", 3000, 2004, 3, 1)
                             .outgoing("Food", 1000, 2004, 3, 5)
                             .outgoing("Food", 500, 2004, 3, 10)
                             .outgoing("Food", 200, 2004, 3, 20)  // after Today
                             .income("Food", 9999, 2004, 2, 29)   // before From
                             .build();
    const BudgetPeriod period{packDate(2004, 3, 1), packDate(2004, 3, 31), packDate(2004, 3, 10)};
    const BudgetFigures figures = budgetAnalysis(db, selectionOf({db.findType("Food").id()}), period);

    EXPECT_EQ(figures.days, 22);
    ASSERT_EQ(figures.lines.size(), 1u);
    EXPECT_EQ(figures.lines[0].budget, 3000);
    EXPECT_EQ(figures.lines[0].outgoing, 1500);
    EXPECT_EQ(figures.lines[0].remain, 1500);
    EXPECT_EQ(figures.lines[0].averagePerDay, 68);
    EXPECT_EQ(figures.totalRemain, 1500);
    EXPECT_EQ(figures.totalAveragePerDay, 68);
}

TEST(BudgetAnalysis, AveragesTruncateTowardZero) {
    const AccountDB db = BookBuilder()
                             .income("Over", 100, 2004, 3, 1)
                             .outgoing("Over", 200, 2004, 3, 2)
                             .income("Under", 200, 2004, 3, 1)
                             .outgoing("Under", 100, 2004, 3, 2)
                             .build();
    const Selection chosen = selectionOf({db.findType("Over").id(), db.findType("Under").id()});
    struct Case {
        int todayDay, toDay;
        std::int64_t days, overAverage, underAverage;
    };
    const Case cases[] = {
        {29, 31, 3, -33, 33},    // -100 / 3 is -33, not -34
        {31, 31, 1, -100, 100},  // Today on To: the average is the remainder
    };
    for (const Case& c : cases) {
        const BudgetPeriod period{packDate(2004, 3, 1), packDate(2004, 3, c.toDay), packDate(2004, 3, c.todayDay)};
        const BudgetFigures figures = budgetAnalysis(db, chosen, period);
        EXPECT_EQ(figures.days, c.days);
        EXPECT_EQ(figures.lines.at(0).remain, -100);
        EXPECT_EQ(figures.lines.at(0).averagePerDay, c.overAverage);
        EXPECT_EQ(figures.lines.at(1).averagePerDay, c.underAverage);
        EXPECT_EQ(figures.totalRemain, 0);
    }
}

TEST(BudgetAnalysis, DayCountCrossesMonthsAndLeapDays) {
    const AccountDB db = BookBuilder().build();
    const Selection none = selectionOf({});
    EXPECT_EQ(budgetAnalysis(db, none, {packDate(2004, 2, 1), packDate(2004, 3, 1), packDate(2004, 2, 28)}).days, 3);
    EXPECT_EQ(budgetAnalysis(db, none, {packDate(2003, 2, 1), packDate(2003, 3, 1), packDate(2003, 2, 28)}).days, 2);
    EXPECT_EQ(budgetAnalysis(db, none, {packDate(2003, 1, 1), packDate(2004, 1, 1), packDate(2003, 1, 1)}).days, 366);
}

TEST(BudgetAnalysis, RefusesAPeriodOutOfOrderOrNotADate) {
    const AccountDB db = BookBuilder().build();
    const std::int32_t first = packDate(2004, 3, 1);
    const std::int32_t last = packDate(2004, 3, 31);
    const BudgetPeriod periods[] = {
        {first, last, packDate(2004, 4, 1)},   // Today after To: no day left to divide by
        {first, last, packDate(2004, 2, 29)},  // Today before From
        {first, last, packDate(2003, 2, 29)},  // no such day
        {first, last, packDate(2004, 13, 1)},  // no such month
        {first, last, -1},                     // not a date code at all
    };
    for (const BudgetPeriod& period : periods)
        EXPECT_EQ(messageOf([&] { budgetAnalysis(db, selectionOf({}), period); }),
                  errorText(ErrorCode::badBudgetPeriod))
            << period.today;
}

TEST(Analyses, ASelectionOfATypeTheDatabaseNoLongerHoldsIsRefused) {
    AccountDB db = BookBuilder().type("Gone").income("Kept", 5, 2004, 3, 1).build();
    const int gone = db.findType("Gone").id();
    const int kept = db.findType("Kept").id();
    db.deleteType(db.findType("Gone"));
    const std::string refused(errorText(ErrorCode::noType));
    const std::string taken = messageOf([] {});
    struct Case {
        const char* name;
        std::vector<int> ids;  // empty: every type
        std::string message;
    };
    const Case cases[] = {
        {"the deleted type", {gone}, refused},
        {"the deleted type beside a kept one", {kept, gone}, refused},
        {"an id no type ever had", {TypeIdTable::capacity - 1}, refused},
        {"the kept type", {kept}, taken},
        {"every type", {}, taken},
    };
    const BudgetPeriod period{march.first, march.last, march.last};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Selection chosen{march, InOutSelector::Both};
        for (int id : c.ids) chosen.chooseType(id);
        EXPECT_EQ(messageOf([&] { grandTotal(db, chosen); }), c.message);
        EXPECT_EQ(messageOf([&] { percentageAnalysis(db, chosen); }), c.message);
        EXPECT_EQ(messageOf([&] { budgetAnalysis(db, chosen, period); }), c.message);
        EXPECT_EQ(messageOf([&] { monthlyInOut(db, chosen); }), c.message);
    }
    // The period is checked first, as the figures would have no day to go by.
    Selection deleted{march, InOutSelector::Both};
    deleted.chooseType(gone);
    const BudgetPeriod noToday{march.first, march.last, -1};
    EXPECT_EQ(messageOf([&] { budgetAnalysis(db, deleted, noToday); }), errorText(ErrorCode::badBudgetPeriod));
}

TEST(MonthlyInOut, EachMonthEqualsSumAmountOverItsDays) {
    // A shuffled book over three years, so the months fill in any order.
    BookBuilder builder;
    std::mt19937 random(1204);
    const std::string names[] = {"Pay", "Food", "Rent", "Gift"};
    for (int k = 0; k < 600; ++k) {
        const std::string& name = names[random() % 4];
        const int amount = 1 + static_cast<int>(random() % 5000);
        const int year = 2003 + static_cast<int>(random() % 3);
        const int month = 1 + static_cast<int>(random() % 12);
        const int day = 1 + static_cast<int>(random() % 31);
        if (random() % 3 == 0)
            builder.income(name, amount, year, month, day);
        else
            builder.outgoing(name, amount, year, month, day);
    }
    const AccountDB db = builder.build();
    const std::vector<int> all;  // empty: no type filter
    const std::vector<int> two = {db.findType("Food").id(), db.findType("Gift").id()};
    struct Case {
        const std::vector<int>* ids;
        InOutSelector inOut;
        DateRange range;
        int months;
    };
    const Case cases[] = {
        {&all, InOutSelector::Both, {packDate(2003, 1, 1), packDate(2005, 12, 31)}, 36},
        {&all, InOutSelector::Income, {packDate(2003, 11, 17), packDate(2004, 2, 3)}, 4},  // part months
        {&two, InOutSelector::Outgoing, {packDate(2002, 12, 1), packDate(2004, 6, 15)}, 19},
        {&two, InOutSelector::Both, {packDate(2004, 2, 29), packDate(2004, 2, 29)}, 1},
    };
    for (const Case& c : cases) {
        const std::vector<MonthSums> months =
            monthlyInOut(db, c.ids->empty() ? Selection{c.range, c.inOut} : selectionOf(*c.ids, c.range, c.inOut));
        ASSERT_EQ(months.size(), static_cast<std::size_t>(c.months)) << c.range.first;
        std::int64_t income = 0, outgoing = 0;
        for (const MonthSums& month : months) {
            const DateRange days{std::max(c.range.first, packDate(month.year, month.month, 1)),
                                 std::min(c.range.last, packDate(month.year, month.month, 31))};
            std::int64_t expectedIncome = 0, expectedOutgoing = 0;
            const std::vector<int> ids = c.ids->empty() ? std::vector<int>{-1} : *c.ids;
            for (int id : ids) {
                if (c.inOut != InOutSelector::Outgoing) expectedIncome += db.sumAmount(id, 0, days.first, days.last);
                if (c.inOut != InOutSelector::Income) expectedOutgoing -= db.sumAmount(id, 1, days.first, days.last);
            }
            EXPECT_EQ(month.income, expectedIncome) << month.year << "/" << month.month;
            EXPECT_EQ(month.outgoing, expectedOutgoing) << month.year << "/" << month.month;
            income += month.income;
            outgoing += month.outgoing;
        }
        // Nothing in the range is left out of the months, nor counted twice.
        const std::vector<int> ids = c.ids->empty() ? std::vector<int>{-1} : *c.ids;
        std::int64_t balance = 0;
        for (int id : ids) balance += db.sumAmount(id, static_cast<int>(c.inOut), c.range.first, c.range.last);
        EXPECT_EQ(income - outgoing, balance);
    }
}

TEST(MonthlyInOut, MonthsRunOverTheRangeOrOverTheBookWhereItIsOpen) {
    // Outgoing 2004/02 and 2004/05 (none in between); an income of 2003/12,
    // which the selector leaves out, so it can't open the months early; and
    // a month 13 only a damaged file could hold.
    const AccountDB db = BookBuilder()
                             .outgoing("Food", 20, 2004, 5, 31)
                             .income("Pay", 50, 2003, 12, 1)
                             .outgoing("Food", 10, 2004, 2, 29)
                             .outgoing("Food", 99, 2004, 13, 1)
                             .build();
    struct Case {
        DateRange range;
        int firstYear, firstMonth;
        std::vector<std::int64_t> outgoing;
    };
    const Case cases[] = {
        {{packDate(2004, 1, 1), packDate(2004, 6, 30)}, 2004, 1, {0, 10, 0, 0, 20, 0}},
        {{-1, -1}, 2004, 2, {10, 0, 0, 20}},
        {{-1, packDate(2004, 3, 1)}, 2004, 2, {10, 0}},
        {{packDate(2004, 4, 1), -1}, 2004, 4, {0, 20}},
        {{packDate(2004, 6, 1), packDate(2004, 1, 1)}, 0, 0, {}},  // ends before it starts
    };
    for (const Case& c : cases) {
        const std::vector<MonthSums> months = monthlyInOut(db, Selection{c.range, InOutSelector::Outgoing});
        std::vector<std::int64_t> outgoing;
        for (const MonthSums& month : months) {
            outgoing.push_back(month.outgoing);
            EXPECT_EQ(month.income, 0);  // left out by the selector
        }
        EXPECT_EQ(outgoing, c.outgoing) << c.range.first << ".." << c.range.last;
        if (!months.empty()) {
            EXPECT_EQ(months.front().year, c.firstYear);
            EXPECT_EQ(months.front().month, c.firstMonth);
            EXPECT_EQ(months.back().year * 12 + months.back().month - months.front().year * 12 - months.front().month,
                      static_cast<int>(months.size()) - 1);
        }
    }
}

TEST(MonthlyInOut, SumsPast32Bits) {
    const AccountDB db = BookBuilder().income("Pay", 2'000'000'000).income("Pay", 2'000'000'000).build();
    const std::vector<MonthSums> months = monthlyInOut(db, selectionOf({db.findType("Pay").id()}, march));
    ASSERT_EQ(months.size(), 1u);
    EXPECT_EQ(months[0].income, 4'000'000'000);
}
