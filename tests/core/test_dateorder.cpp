// Dates order as they are written over every four-digit year: the years 8000
// to 9999, whose date codes have the sign bit set, come after 7999 in every
// range, sum, analysis and bound, in a book built in memory and in one read
// from its file.

#include <gtest/gtest.h>

#include <optional>
#include <tuple>
#include <vector>

#include "core/analysis.h"
#include "tests/support/coretestsupport.h"
#include "tests/support/tempdir.h"

using namespace KestLib;

namespace {

struct Day {
    int year, month, day;
    std::int32_t code() const { return packDate(year, month, day); }
    friend auto operator<=>(const Day&, const Day&) = default;
};

// Either side of the turn of the sign bit, and the last day a book writes;
// kept out of order, so that a bound's position is not its place in the list.
const Day days[] = {{8000, 1, 1}, {2026, 6, 1}, {9999, 12, 31}, {1, 1, 1}, {9000, 1, 1}, {7999, 12, 31}};

// An income of 2^k on days[k], so that each sum tells which days it took.
int amountOn(std::size_t k) { return 1 << k; }

AccountDB bookOfDays() {
    BookBuilder builder;
    for (std::size_t k = 0; k < std::size(days); ++k)
        builder.income(k % 2 == 0 ? "Pay" : "Gift", amountOn(k), days[k].year, days[k].month, days[k].day);
    return builder.build();
}

struct Bounds {
    const char* name;
    std::optional<Day> from;
    std::optional<Day> to;

    DateRange range() const { return {from ? from->code() : -1, to ? to->code() : -1}; }
    // The rule, written with the days' own numbers rather than their codes.
    bool takes(const Day& day) const { return (!from || *from <= day) && (!to || day <= *to); }
};

const Bounds boundsCases[] = {
    {"to the end of 2026", std::nullopt, Day{2026, 12, 31}},
    {"from 2026 to the last day", Day{2026, 1, 1}, Day{9999, 12, 31}},
    {"from 8000 on", Day{8000, 1, 1}, std::nullopt},
    {"up to 7999", std::nullopt, Day{7999, 12, 31}},
    {"across the turn", Day{7999, 12, 31}, Day{8000, 1, 1}},
    {"the last day only", Day{9999, 12, 31}, Day{9999, 12, 31}},
    {"every four-digit year", Day{1, 1, 1}, Day{9999, 12, 31}},
    {"between two of them", Day{8000, 1, 2}, Day{8999, 12, 31}},
    {"open", std::nullopt, std::nullopt},
};

std::int64_t expectedIncome(const Bounds& bounds) {
    std::int64_t sum = 0;
    for (std::size_t k = 0; k < std::size(days); ++k)
        if (bounds.takes(days[k])) sum += amountOn(k);
    return sum;
}

}  // namespace

TEST(DateOrder, RangesSumsAndAnalysesCountTheDaysBetweenTheirBounds) {
    TempDir folder;
    std::string path = folder.path("dates.pwdb");
    AccountDB built = bookOfDays();
    built.saveFile(path);
    AccountDB read;
    read.loadFile(path);

    for (const AccountDB* db : {&built, &read}) {
        const char* which = db == &built ? "built" : "read from its file";
        const int pay = db->findType("Pay").id();
        const int gift = db->findType("Gift").id();
        for (const Bounds& bounds : boundsCases) {
            SCOPED_TRACE(std::string(which) + ", " + bounds.name);
            const DateRange range = bounds.range();
            const std::int64_t expected = expectedIncome(bounds);
            for (int position = 0; position < db->transCount(); ++position) {
                const Transaction& record = db->transaction(position, false);
                EXPECT_EQ(range.takes(record.dateCode()), bounds.takes({record.year(), record.month(), record.day()}))
                    << record.year();
            }
            EXPECT_EQ(db->sum(Selection(range, InOutSelector::Both)), expected);
            EXPECT_EQ(db->sumAmount(-1, 0, range.first, range.last), expected);
            EXPECT_EQ(db->sumAmount(pay, 0, range.first, range.last) + db->sumAmount(gift, 0, range.first, range.last),
                      expected);
            const auto byType = db->sumByType(range);
            EXPECT_EQ(byType[pay].income + byType[gift].income, expected);
            EXPECT_EQ(grandTotal(*db, selectionOf({pay, gift}, range, InOutSelector::Income)), expected);
            EXPECT_EQ(percentageAnalysis(*db, selectionOf({pay}, range, InOutSelector::Income)).totalIncome, expected);
            std::int64_t monthly = 0;
            for (const MonthSums& month : monthlyInOut(*db, Selection{range, InOutSelector::Income}))
                monthly += month.income;
            EXPECT_EQ(monthly, expected);
        }

        // The budget's days from 7999-12-01 to today, 8000-01-10: the last
        // day of 7999 and the first of 8000.
        const BudgetFigures budget = budgetAnalysis(
            *db, selectionOf({pay, gift}), {packDate(7999, 12, 1), packDate(8000, 1, 31), packDate(8000, 1, 10)});
        EXPECT_EQ(budget.totalBudget, amountOn(0) + amountOn(5)) << which;
        EXPECT_EQ(budget.days, 22) << which;
    }
}

TEST(DateOrder, BoundsOfTheBookAreItsEarliestAndLatestDays) {
    const AccountDB db = bookOfDays();
    const auto dayAt = [&db](int position) {
        const Transaction& record = db.transaction(position, false);
        return Day{record.year(), record.month(), record.day()};
    };
    const struct {
        const char* name;
        Day skipped;  // never accepted
        Day first;
        Day last;
    } cases[] = {
        {"every day", {0, 0, 0}, {1, 1, 1}, {9999, 12, 31}},
        {"without the last day", {9999, 12, 31}, {1, 1, 1}, {9000, 1, 1}},
        {"without the first day", {1, 1, 1}, {2026, 6, 1}, {9999, 12, 31}},
    };
    for (const auto& c : cases) {
        const auto bounds = dateBounds(db, [&](const Transaction& record) {
            return Day{record.year(), record.month(), record.day()} != c.skipped;
        });
        ASSERT_TRUE(bounds) << c.name;
        EXPECT_EQ(dayAt(bounds->first), c.first) << c.name;
        EXPECT_EQ(dayAt(bounds->last), c.last) << c.name;
    }
}
