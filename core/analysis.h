#pragma once

#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "core/accountdb.h"
#include "core/selection.h"

// The arithmetic of the three analyses: grand total, percentage by type and
// budget. Plain functions over a database, so that the dialogs and a command
// line share one set of figures; the reports' wording lives with their
// callers. Every figure is 64-bit, so no sum over a large book can wrap.
// A type is always named by its id; an id the database doesn't hold is
// refused with "No transaction type" before anything is summed.

namespace KestLib {

// The balance of the transactions the selection takes: income adds,
// outgoing subtracts. With Income alone it is the income, with Outgoing
// alone minus the outgoing.
std::int64_t grandTotal(const AccountDB& db, const Selection& selection);

// One chosen type's part; outgoing is a positive figure. A direction the
// selector leaves out is 0.
struct TypeShare {
    int typeId = 0;
    std::int64_t income = 0;
    std::int64_t outgoing = 0;
    std::int64_t sum() const { return income + outgoing; }
};

// A figure as a part of the chosen types' and of every type's, in percent.
struct SharePercents {
    double ofSelected = 0;
    double ofTotal = 0;
};
// A type's income, outgoing and their sum each as such a part.
struct TypePercents {
    SharePercents income;
    SharePercents outgoing;
    SharePercents sum;
};

struct PercentageFigures {
    // Over every type of the database.
    std::int64_t totalIncome = 0;
    std::int64_t totalOutgoing = 0;
    // Over the chosen types.
    std::int64_t selectedIncome = 0;
    std::int64_t selectedOutgoing = 0;
    // One per chosen type, in the database's order.
    std::vector<TypeShare> shares;

    std::int64_t totalSum() const { return totalIncome + totalOutgoing; }
    std::int64_t selectedSum() const { return selectedIncome + selectedOutgoing; }
    // Income less outgoing of the chosen types: their grand total.
    std::int64_t selectedBalance() const { return selectedIncome - selectedOutgoing; }
    // The parts share has of these figures.
    TypePercents percentsOf(const TypeShare& share) const;
};

// Over the types the selection takes, in the database's order; the totals
// over every type in the selection's range and directions.
PercentageFigures percentageAnalysis(const AccountDB& db, const Selection& selection);

// The income and outgoing (a positive figure) of one calendar month.
struct MonthSums {
    int year = 0;
    int month = 0;  // 1 to 12
    std::int64_t income = 0;
    std::int64_t outgoing = 0;
};

// Every calendar month the selection's range touches, in order and with the
// empty ones too, each with its part of the transactions the selection
// takes: element k equals sumAmount over that month's days within the range
// (outgoing negated). A direction the selector leaves out is 0. An open
// bound (-1), or one whose digits name no month, starts or ends the months
// at the first or last month that has a counted transaction; a range that
// ends before it starts has no months. A transaction whose date names no
// calendar day (only a damaged file holds one) counts in no month. One pass
// over the transactions.
std::vector<MonthSums> monthlyInOut(const AccountDB& db, const Selection& selection);

// part × 100 ÷ whole in floating point; 0 when whole is 0.
double percentOf(std::int64_t part, std::int64_t whole);

// The budget period runs from `from` to `to`; `today` marks how far it has
// got. All three are packDate codes of real dates with from ≤ today ≤ to.
struct BudgetPeriod {
    std::int32_t from = 0;
    std::int32_t to = 0;
    std::int32_t today = 0;

    // The period of range up to today; an open first bound reaches back to
    // the first day of the calendar, an open last one leaves no period.
    static BudgetPeriod of(DateRange range, std::int32_t today);
    // The same with today taken into the period: a period that is over is
    // seen from its last day, one still to come from its first, as the
    // window's Today box keeps between From and To.
    static BudgetPeriod takingIn(DateRange range, std::int32_t today);
    // Real dates in the order from ≤ today ≤ to: a day is left to spread
    // the remainder over.
    bool isInOrder() const;
    // The days left to spend on, today and `to` both counted; 0 when the
    // period is not in order.
    std::int64_t daysLeft() const;
};

// A type's budget is its income and its spending its outgoing (positive),
// both from `from` through `today`; the remainder is spread over the days
// left, today and `to` both counted. Averages are truncated toward zero.
struct BudgetLine {
    int typeId = 0;
    std::int64_t budget = 0;
    std::int64_t outgoing = 0;
    std::int64_t remain = 0;
    std::int64_t averagePerDay = 0;
};

struct BudgetFigures {
    std::int64_t days = 1;
    // One per chosen type, in the database's order.
    std::vector<BudgetLine> lines;
    std::int64_t totalBudget = 0;
    std::int64_t totalOutgoing = 0;
    std::int64_t totalRemain = 0;
    std::int64_t totalAveragePerDay = 0;

    // A budget for the whole period in place of the income booked: the
    // total's remainder and its average follow, the types' lines stay.
    void setTotalBudget(std::int64_t budget);
};

// Over the types the selection takes, in the database's order; the period
// alone decides the dates, and both directions count. Refuses a period whose
// codes are not real dates in the order from ≤ today ≤ to, which would leave
// no day to spread the remainder over.
BudgetFigures budgetAnalysis(const AccountDB& db, const Selection& selection, BudgetPeriod period);

// The positions of the records with the earliest and the latest date among
// those accept(record) takes; none when it takes none. Date keys order as
// the dates do, so accept is asked only about a record that would move a
// bound, which few of a big book's are.
struct DateBounds {
    int first;
    int last;
};
template <typename Accept>
std::optional<DateBounds> dateBounds(const AccountDB& db, Accept accept) {
    std::uint32_t first = std::numeric_limits<std::uint32_t>::max();
    std::uint32_t last = 0;
    std::optional<DateBounds> bounds;
    for (int position = 0; position < db.transCount(); ++position) {
        const Transaction& record = db.transaction(position, false);
        const std::uint32_t key = dateKey(record.dateCode());
        if (key >= first && key <= last) continue;
        if (!accept(record)) continue;
        if (!bounds) bounds = DateBounds{position, position};
        if (key < first) first = key, bounds->first = position;
        if (key > last) last = key, bounds->last = position;
    }
    return bounds;
}
inline std::optional<DateBounds> dateBounds(const AccountDB& db) {
    return dateBounds(db, [](const Transaction&) { return true; });
}

}  // namespace KestLib
