#include "core/analysis.h"

#include <bitset>
#include <chrono>
#include <cstdint>
#include <deque>
#include <optional>

#include "core/calendar.h"
#include "core/errormsg.h"
#include "core/typeidtable.h"

namespace KestLib {

namespace {

// Checked before any sum: a chosen type may have left the database since it
// was chosen (deleted while a dialog listed it), and its figures would then
// be silently empty.
void requireStoredTypes(const AccountDB& db, const Selection& selection) {
    if (selection.allTypes) return;
    std::bitset<TypeIdTable::capacity> stored;
    for (int position = 0; position < db.typeCount(); ++position) stored.set(db.typeAt(position).id());
    if ((selection.types & ~stored).any()) throw ErrorMsg(ErrorCode::noType);
}

// The day number of a packDate code, for counting the days between two
// codes; none when the code names no calendar day.
std::optional<std::chrono::sys_days> dayOf(std::int32_t code) {
    const std::optional<DateDigits> digits = unpackDate(code);
    if (!digits || !isCalendarDate(digits->year, digits->month, digits->day)) return std::nullopt;
    return std::chrono::sys_days{std::chrono::year_month_day{std::chrono::year{digits->year},
                                                             std::chrono::month{static_cast<unsigned>(digits->month)},
                                                             std::chrono::day{static_cast<unsigned>(digits->day)}}};
}

// Months counted from the year 0: year × 12 + month − 1, or -1 when the
// code's digits name no calendar month (and, with needDay, no day 1 to 31).
int monthNumber(std::int32_t code, bool needDay) {
    const std::optional<DateDigits> digits = unpackDate(code);
    if (!digits || digits->month < 1 || digits->month > 12) return -1;
    if (needDay && (digits->day < 1 || digits->day > 31)) return -1;
    return digits->year * 12 + digits->month - 1;
}

// The months seen so far, from `first` on; they grow at either end, so a
// book in any order fills them in one pass.
class MonthSpan {
public:
    InOutSums& at(int number) {
        if (sums.empty()) {
            first = number;
            sums.resize(1);
        } else if (number < first) {
            sums.insert(sums.begin(), static_cast<std::size_t>(first - number), InOutSums{});
            first = number;
        } else if (number - first >= static_cast<int>(sums.size())) {
            sums.resize(static_cast<std::size_t>(number - first + 1));
        }
        return sums[static_cast<std::size_t>(number - first)];
    }

    std::vector<MonthSums> months() const {
        std::vector<MonthSums> result;
        result.reserve(sums.size());
        int number = first;
        for (const InOutSums& month : sums) {
            result.push_back({number / 12, number % 12 + 1, month.income, month.outgoing});
            ++number;
        }
        return result;
    }

private:
    int first = 0;
    std::deque<InOutSums> sums;
};

}  // namespace

std::int64_t grandTotal(const AccountDB& db, const Selection& selection) {
    requireStoredTypes(db, selection);
    return db.sum(selection);
}

TypePercents PercentageFigures::percentsOf(const TypeShare& share) const {
    return {{percentOf(share.income, selectedIncome), percentOf(share.income, totalIncome)},
            {percentOf(share.outgoing, selectedOutgoing), percentOf(share.outgoing, totalOutgoing)},
            {percentOf(share.sum(), selectedSum()), percentOf(share.sum(), totalSum())}};
}

PercentageFigures percentageAnalysis(const AccountDB& db, const Selection& selection) {
    requireStoredTypes(db, selection);
    const auto sums = db.sumByType(selection.range);
    const bool income = selection.takesIncome();
    const bool outgoing = selection.takesOutgoing();

    PercentageFigures figures;
    for (int position = 0; position < db.typeCount(); ++position) {
        const int id = db.typeAt(position).id();
        if (income) figures.totalIncome += sums[id].income;
        if (outgoing) figures.totalOutgoing -= sums[id].outgoing;
        if (!selection.takesType(id)) continue;
        TypeShare share;
        share.typeId = id;
        if (income) share.income = sums[id].income;
        if (outgoing) share.outgoing = -sums[id].outgoing;
        figures.selectedIncome += share.income;
        figures.selectedOutgoing += share.outgoing;
        figures.shares.push_back(share);
    }
    return figures;
}

std::vector<MonthSums> monthlyInOut(const AccountDB& db, const Selection& selection) {
    requireStoredTypes(db, selection);
    const DateRange range = selection.range;
    const int firstMonth = range.first == -1 ? -1 : monthNumber(range.first, false);
    const int lastMonth = range.last == -1 ? -1 : monthNumber(range.last, false);
    if (firstMonth >= 0 && lastMonth >= 0 && lastMonth < firstMonth) return {};

    MonthSpan span;
    // A closed bound shows its month even when nothing falls in it.
    if (firstMonth >= 0) span.at(firstMonth);
    if (lastMonth >= 0) span.at(lastMonth);
    for (int position = 0; position < db.transCount(); ++position) {
        const Transaction& record = db.transaction(position, false);
        if (!selection.takes(record)) continue;
        const int number = monthNumber(record.dateCode(), true);
        if (number < 0) continue;
        InOutSums& month = span.at(number);
        // Outgoing as a positive figure, as the other analyses give it.
        (record.isIncome() ? month.income : month.outgoing) += record.amount();
    }
    return span.months();
}

double percentOf(std::int64_t part, std::int64_t whole) {
    if (whole == 0) return 0.0;
    return static_cast<double>(part) * 100.0 / static_cast<double>(whole);
}

BudgetPeriod BudgetPeriod::of(DateRange range, std::int32_t today) {
    return {range.first == -1 ? packDate(1, 1, 1) : range.first, range.last, today};
}

BudgetPeriod BudgetPeriod::takingIn(DateRange range, std::int32_t today) {
    BudgetPeriod period = of(range, today);
    if (dateKey(today) < dateKey(period.from)) period.today = period.from;
    if (period.to != -1 && dateKey(period.to) < dateKey(period.today)) period.today = period.to;
    return period;
}

bool BudgetPeriod::isInOrder() const { return daysLeft() > 0; }

std::int64_t BudgetPeriod::daysLeft() const {
    const std::optional<std::chrono::sys_days> first = dayOf(from);
    const std::optional<std::chrono::sys_days> last = dayOf(to);
    const std::optional<std::chrono::sys_days> now = dayOf(today);
    if (!first || !last || !now || *now < *first || *last < *now) return 0;
    return (*last - *now).count() + 1;
}

void BudgetFigures::setTotalBudget(std::int64_t budget) {
    totalBudget = budget;
    totalRemain = totalBudget - totalOutgoing;
    totalAveragePerDay = totalRemain / days;
}

BudgetFigures budgetAnalysis(const AccountDB& db, const Selection& selection, BudgetPeriod period) {
    if (!period.isInOrder()) throw ErrorMsg(ErrorCode::badBudgetPeriod);
    requireStoredTypes(db, selection);

    BudgetFigures figures;
    // Today and the last day both still count as days to spend on.
    figures.days = period.daysLeft();
    const auto sums = db.sumByType(DateRange{period.from, period.today});
    for (int position = 0; position < db.typeCount(); ++position) {
        const int id = db.typeAt(position).id();
        if (!selection.takesType(id)) continue;
        BudgetLine line;
        line.typeId = id;
        line.budget = sums[id].income;
        line.outgoing = -sums[id].outgoing;
        line.remain = line.budget - line.outgoing;
        // Integer division truncates toward zero: an overspent -100 over 3
        // days is -33 a day, not -34.
        line.averagePerDay = line.remain / figures.days;
        figures.totalBudget += line.budget;
        figures.totalOutgoing += line.outgoing;
        figures.lines.push_back(line);
    }
    figures.setTotalBudget(figures.totalBudget);
    return figures;
}

}  // namespace KestLib
