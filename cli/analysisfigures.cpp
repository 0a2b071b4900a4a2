#include "analysisfigures.h"

#include "accountdb.h"
#include "analysis.h"
#include "transaction.h"

using KestLib::AccountDB;

// The figures are the core's, the same the window's reports show; this file
// only turns the command line's choice into the core's terms.
namespace {

// The ids an analysis reports on, in the book's type order.
std::vector<int> chosenTypes(const AccountDB& db, const AnalysisChoice& choice) {
    if (!choice.allTypes) return choice.typeIds;
    std::vector<int> ids;
    for (int position = 0; position < db.typeCount(); ++position) ids.push_back(db.typeAt(position).id());
    return ids;
}

KestLib::InOutSelector selectorOf(const AnalysisChoice& choice) {
    return static_cast<KestLib::InOutSelector>(choice.inOut);
}

KestLib::DateRange rangeOf(const AnalysisChoice& choice) { return {choice.firstDate, choice.lastDate}; }

}  // namespace

std::int64_t grandTotal(const AccountDB& db, const AnalysisChoice& choice) {
    if (choice.allTypes) return KestLib::grandTotal(db, selectorOf(choice), rangeOf(choice));
    return KestLib::grandTotal(db, choice.typeIds, selectorOf(choice), rangeOf(choice));
}

PercentageFigures percentageFigures(const AccountDB& db, const AnalysisChoice& choice) {
    const KestLib::PercentageFigures core =
        KestLib::percentageAnalysis(db, chosenTypes(db, choice), selectorOf(choice), rangeOf(choice));
    PercentageFigures figures{core.totalIncome, core.selectedIncome, core.totalOutgoing, core.selectedOutgoing, {}};
    for (const KestLib::TypeShare& share : core.shares)
        figures.lines.push_back({share.typeId, share.income, share.outgoing});
    return figures;
}

double percentOf(std::int64_t value, std::int64_t whole) { return KestLib::percentOf(value, whole); }

BudgetFigures budgetFigures(const AccountDB& db, const AnalysisChoice& choice, std::int32_t today, int days) {
    // Without --from the period reaches back to the first day of the calendar.
    const std::int32_t from = choice.firstDate == -1 ? KestLib::packDate(1, 1, 1) : choice.firstDate;
    const KestLib::BudgetFigures core = KestLib::budgetAnalysis(db, chosenTypes(db, choice), {from, choice.lastDate, today});
    BudgetFigures figures;
    figures.days = days;
    for (const KestLib::BudgetLine& line : core.lines)
        figures.lines.push_back({line.typeId, line.budget, line.outgoing, line.remain, line.averagePerDay});
    figures.totalBudget = core.totalBudget;
    figures.totalOutgoing = core.totalOutgoing;
    figures.totalRemain = core.totalRemain;
    figures.averageRemain = core.totalAveragePerDay;
    return figures;
}
