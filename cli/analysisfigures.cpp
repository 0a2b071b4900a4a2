#include "analysisfigures.h"

#include "accountdb.h"

using KestLib::AccountDB;

namespace {

// The ids an analysis reports on, in the book's type order.
std::vector<int> chosenTypes(const AccountDB& db, const AnalysisChoice& choice) {
    if (!choice.allTypes) return choice.typeIds;
    std::vector<int> ids;
    for (int position = 0; position < db.typeCount(); ++position) ids.push_back(db.typeAt(position).id());
    return ids;
}

}  // namespace

std::int64_t grandTotal(const AccountDB& db, const AnalysisChoice& choice) {
    if (choice.allTypes) return db.sumAmount(-1, choice.inOut, choice.firstDate, choice.lastDate);
    std::int64_t balance = 0;
    for (const int id : choice.typeIds) balance += db.sumAmount(id, choice.inOut, choice.firstDate, choice.lastDate);
    return balance;
}

PercentageFigures percentageFigures(const AccountDB& db, const AnalysisChoice& choice) {
    const auto sums = db.sumByType(choice.firstDate, choice.lastDate);
    const bool withIncome = choice.inOut == 0 || choice.inOut == -1;
    const bool withOutgoing = choice.inOut == 1 || choice.inOut == -1;
    auto incomeOf = [&](int id) { return withIncome ? sums[static_cast<std::size_t>(id)].income : 0; };
    auto outgoingOf = [&](int id) { return withOutgoing ? -sums[static_cast<std::size_t>(id)].outgoing : 0; };

    PercentageFigures figures;
    for (int position = 0; position < db.typeCount(); ++position) {
        const int id = db.typeAt(position).id();
        figures.totalIncome += incomeOf(id);
        figures.totalOutgoing += outgoingOf(id);
    }
    for (const int id : chosenTypes(db, choice)) {
        PercentageLine line{id, incomeOf(id), outgoingOf(id)};
        figures.selectedIncome += line.income;
        figures.selectedOutgoing += line.outgoing;
        figures.lines.push_back(line);
    }
    return figures;
}

double percentOf(std::int64_t value, std::int64_t whole) {
    if (whole == 0) return 0;
    return static_cast<double>(value) * 100.0 / static_cast<double>(whole);
}

BudgetFigures budgetFigures(const AccountDB& db, const AnalysisChoice& choice, std::int32_t today, int days) {
    const auto sums = db.sumByType(choice.firstDate, today);
    BudgetFigures figures;
    figures.days = days;
    for (const int id : chosenTypes(db, choice)) {
        BudgetLine line;
        line.typeId = id;
        line.budget = sums[static_cast<std::size_t>(id)].income;
        line.outgoing = -sums[static_cast<std::size_t>(id)].outgoing;
        line.remain = line.budget - line.outgoing;
        line.average = line.remain / days;
        figures.totalBudget += line.budget;
        figures.totalOutgoing += line.outgoing;
        figures.lines.push_back(line);
    }
    figures.totalRemain = figures.totalBudget - figures.totalOutgoing;
    figures.averageRemain = figures.totalRemain / days;
    return figures;
}
