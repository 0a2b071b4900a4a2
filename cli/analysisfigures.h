#pragma once

// The three analyses in the command line's terms. The figures come from the
// core's analysis functions, so they are the ones the window's reports give.

#include <cstdint>
#include <vector>

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// What an analysis runs over: a date range (packDate codes, both inclusive,
// -1 for no bound), income and outgoing (-1 both, 0 income only, 1 outgoing
// only) and the chosen types ("ALL", or ids in the book's type order).
struct AnalysisChoice {
    std::int32_t firstDate = -1;
    std::int32_t lastDate = -1;
    int inOut = -1;
    bool allTypes = true;
    std::vector<int> typeIds;
};

// Income minus outgoing of the chosen transactions.
std::int64_t grandTotal(const KestLib::AccountDB& db, const AnalysisChoice& choice);

struct PercentageLine {
    int typeId = 0;
    std::int64_t income = 0;
    std::int64_t outgoing = 0;  // positive
};

struct PercentageFigures {
    std::int64_t totalIncome = 0;  // of every type
    std::int64_t selectedIncome = 0;
    std::int64_t totalOutgoing = 0;  // positive
    std::int64_t selectedOutgoing = 0;
    std::vector<PercentageLine> lines;  // one per chosen type
};

PercentageFigures percentageFigures(const KestLib::AccountDB& db, const AnalysisChoice& choice);
// value as a percentage of whole, 0 when whole is 0.
double percentOf(std::int64_t value, std::int64_t whole);

struct BudgetLine {
    int typeId = 0;
    std::int64_t budget = 0;    // income from the first day up to today
    std::int64_t outgoing = 0;  // outgoing over the same days, positive
    std::int64_t remain = 0;
    std::int64_t average = 0;  // remain per day left, truncated toward zero
};

struct BudgetFigures {
    int days = 1;  // today to the last day, both counted
    std::vector<BudgetLine> lines;
    std::int64_t totalBudget = 0;
    std::int64_t totalOutgoing = 0;
    std::int64_t totalRemain = 0;
    std::int64_t averageRemain = 0;
};

// The sums run from choice.firstDate (or the beginning, when it is open) to
// today; the remainder is spread over the days from today to choice.lastDate,
// both counted, which the caller passes as days.
BudgetFigures budgetFigures(const KestLib::AccountDB& db, const AnalysisChoice& choice, std::int32_t today, int days);
