// total, percentage and budget: the core's figures, the ones the window's
// reports give, printed as aligned text, CSV or JSON.

#include <QDate>
#include <QString>
#include <nlohmann/json.hpp>

#include "cli/clifailure.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "core/analysis.h"
#include "text/bookamount.h"
#include "text/csv.h"
#include "text/isodate.h"

using KestLib::AccountDB;
using KestLib::BudgetFigures;
using KestLib::BudgetLine;
using KestLib::InOutSelector;
using KestLib::PercentageFigures;
using KestLib::TypePercents;
using KestLib::TypeShare;
using nlohmann::ordered_json;

namespace {

std::string isoText(const std::optional<PwText::Date>& date) {
    return date ? PwText::isoDate(date->year, date->month, date->day) : std::string();
}

ordered_json jsonDate(const std::optional<PwText::Date>& date) {
    return date ? ordered_json(isoText(date)) : ordered_json();
}

const char* inOutName(InOutSelector inOut) {
    return inOut == InOutSelector::Both ? "both" : inOut == InOutSelector::Income ? "income" : "outgoing";
}

// Percentages as the window writes them: at most six significant digits.
std::string percentText(double percent) { return QString::number(percent, 'g', 6).toStdString(); }
double percentValue(double percent) { return QString::number(percent, 'g', 6).toDouble(); }

void writeJson(const ordered_json& value) { writeOut(value.dump(2) + "\n"); }

std::string csvOf(const std::vector<std::vector<std::string>>& rows) {
    std::string out;
    for (const auto& row : rows) {
        std::vector<std::string_view> fields(row.begin(), row.end());
        PwText::appendCsvRecord(out, fields);
    }
    return out;
}

std::string rangeText(const ResolvedSelection& selection) {
    const std::string from = selection.from ? isoText(selection.from) : "the first transaction";
    const std::string to = selection.to ? isoText(selection.to) : "the last transaction";
    return "From " + from + " to " + to + ", " +
           (selection.choice.inOut == InOutSelector::Both ? "income and outgoing" : inOutName(selection.choice.inOut)) +
           "\n";
}

}  // namespace

int runTotal(const ReadOptions& options) {
    const AccountDB db = loadBook(options.book);
    const ResolvedSelection selection = resolveSelection(db, options.selection);
    const std::int64_t balance = KestLib::grandTotal(db, selection.choice);
    // As the window says it: a negative balance is an outgoing one.
    const bool outgoing = balance < 0;
    const std::int64_t amount = outgoing ? -balance : balance;

    if (options.format == "json") {
        ordered_json out;
        out["from"] = jsonDate(selection.from);
        out["to"] = jsonDate(selection.to);
        out["in_out"] = inOutName(selection.choice.inOut);
        out["balance"] = balance;
        out["direction"] = outgoing ? "outgoing" : "income";
        out["amount"] = amount;
        writeJson(out);
    } else if (options.format == "csv") {
        writeOut(csvOf({{"balance", "direction", "amount"},
                        {amountText(db, balance), outgoing ? "outgoing" : "income", amountText(db, amount)}}));
    } else {
        writeOut(std::string(outgoing ? "Outgoing" : "Income") + ": " + amountText(db, amount) + "\n");
    }
    return 0;
}

int runPercentage(const ReadOptions& options) {
    const AccountDB db = loadBook(options.book);
    const ResolvedSelection selection = resolveSelection(db, options.selection);
    const PercentageFigures f = KestLib::percentageAnalysis(db, selection.choice);
    const std::int64_t totalSum = f.totalSum();
    const std::int64_t selectedSum = f.selectedSum();

    if (options.format == "json") {
        ordered_json out;
        out["from"] = jsonDate(selection.from);
        out["to"] = jsonDate(selection.to);
        out["in_out"] = inOutName(selection.choice.inOut);
        out["total"] = {{"income", f.totalIncome}, {"outgoing", f.totalOutgoing}, {"sum", totalSum}};
        out["selected"] = {{"income", f.selectedIncome}, {"outgoing", f.selectedOutgoing}, {"sum", selectedSum}};
        out["types"] = ordered_json::array();
        for (const TypeShare& line : f.shares) {
            const TypePercents s = f.percentsOf(line);
            out["types"].push_back({{"type", typeDisplayName(db, line.typeId)},
                                    {"income", line.income},
                                    {"income_selected_percent", percentValue(s.income.ofSelected)},
                                    {"income_total_percent", percentValue(s.income.ofTotal)},
                                    {"outgoing", line.outgoing},
                                    {"outgoing_selected_percent", percentValue(s.outgoing.ofSelected)},
                                    {"outgoing_total_percent", percentValue(s.outgoing.ofTotal)},
                                    {"sum", line.sum()},
                                    {"sum_selected_percent", percentValue(s.sum.ofSelected)},
                                    {"sum_total_percent", percentValue(s.sum.ofTotal)}});
        }
        writeJson(out);
        return 0;
    }
    if (options.format == "csv") {
        std::vector<std::vector<std::string>> rows = {{"kind", "type", "income", "income_selected_percent",
                                                       "income_total_percent", "outgoing", "outgoing_selected_percent",
                                                       "outgoing_total_percent", "sum", "sum_selected_percent",
                                                       "sum_total_percent"}};
        for (const TypeShare& line : f.shares) {
            const TypePercents s = f.percentsOf(line);
            rows.push_back({"type", typeDisplayName(db, line.typeId), amountText(db, line.income),
                            percentText(s.income.ofSelected), percentText(s.income.ofTotal),
                            amountText(db, line.outgoing), percentText(s.outgoing.ofSelected),
                            percentText(s.outgoing.ofTotal), amountText(db, line.sum()), percentText(s.sum.ofSelected),
                            percentText(s.sum.ofTotal)});
        }
        rows.push_back({"selected", "", amountText(db, f.selectedIncome), "", "", amountText(db, f.selectedOutgoing),
                        "", "", amountText(db, selectedSum), "", ""});
        rows.push_back({"total", "", amountText(db, f.totalIncome), "", "", amountText(db, f.totalOutgoing), "", "",
                        amountText(db, totalSum), "", ""});
        writeOut(csvOf(rows));
        return 0;
    }

    TextTable totals({{"", TextTable::Align::Left},
                      {"All types", TextTable::Align::Right},
                      {"Selected types", TextTable::Align::Right}});
    totals.addRow({"Income", amountText(db, f.totalIncome), amountText(db, f.selectedIncome)});
    totals.addRow({"Outgoing", amountText(db, f.totalOutgoing), amountText(db, f.selectedOutgoing)});
    totals.addRow({"In&Out", amountText(db, totalSum), amountText(db, selectedSum)});

    const auto right = TextTable::Align::Right;
    TextTable lines({{"Type", TextTable::Align::Left},
                     {"Income", right},
                     {"% selected", right},
                     {"% total", right},
                     {"Outgoing", right},
                     {"% selected", right},
                     {"% total", right},
                     {"Sum", right},
                     {"% selected", right},
                     {"% total", right}});
    for (const TypeShare& line : f.shares) {
        const TypePercents s = f.percentsOf(line);
        lines.addRow({typeDisplayName(db, line.typeId), amountText(db, line.income),
                      percentText(s.income.ofSelected) + "%", percentText(s.income.ofTotal) + "%",
                      amountText(db, line.outgoing), percentText(s.outgoing.ofSelected) + "%",
                      percentText(s.outgoing.ofTotal) + "%", amountText(db, line.sum()),
                      percentText(s.sum.ofSelected) + "%", percentText(s.sum.ofTotal) + "%"});
    }
    writeOut(rangeText(selection) + "\n" + totals.render() + "\n" + lines.render());
    return 0;
}

int runBudget(const BudgetOptions& options) {
    const AccountDB db = loadBook(options.read.book);
    const ResolvedSelection selection = resolveSelection(db, options.read.selection);
    if (!selection.to) throw CliFailure(CliFailure::Usage, "--to: the budget period needs its last day");
    PwText::Date today;
    KestLib::BudgetPeriod period;
    // Without --from the period reaches back to the first day of the calendar.
    if (options.today.empty()) {
        // As in the window: today, taken into the period.
        const QDate now = QDate::currentDate();
        period = KestLib::BudgetPeriod::takingIn(selection.choice.range,
                                                 KestLib::packDate(now.year(), now.month(), now.day()));
        const std::optional<KestLib::DateDigits> taken = KestLib::unpackDate(period.today);
        today = {taken->year, taken->month, taken->day};
    } else {
        today = parseDateOption("--today", options.today);
        period =
            KestLib::BudgetPeriod::of(selection.choice.range, KestLib::packDate(today.year, today.month, today.day));
    }
    if (!period.isInOrder())
        throw CliFailure(CliFailure::Usage, "--today " + PwText::isoDate(today.year, today.month, today.day) +
                                                " is outside the budget period");
    BudgetFigures f = KestLib::budgetAnalysis(db, selection.choice, period);
    if (options.budget) {
        const std::optional<std::int64_t> budget = PwText::parseAmount(*options.budget, db.decimals());
        if (!budget || *budget >= 1000000000000000000 || *budget <= -1000000000000000000)
            throw CliFailure(CliFailure::Usage, "--budget: \"" + *options.budget +
                                                    "\" is not an amount in the book's " +
                                                    std::to_string(db.decimals()) + " decimals");
        f.setTotalBudget(*budget);
    }
    const std::int64_t days = f.days;

    const std::string todayText = PwText::isoDate(today.year, today.month, today.day);
    if (options.read.format == "json") {
        ordered_json out;
        out["from"] = jsonDate(selection.from);
        out["to"] = jsonDate(selection.to);
        out["today"] = todayText;
        out["days"] = days;
        out["types"] = ordered_json::array();
        for (const BudgetLine& line : f.lines)
            out["types"].push_back({{"type", typeDisplayName(db, line.typeId)},
                                    {"budget", line.budget},
                                    {"outgoing", line.outgoing},
                                    {"remain", line.remain},
                                    {"per_day", line.averagePerDay}});
        out["total"] = {{"budget", f.totalBudget},
                        {"outgoing", f.totalOutgoing},
                        {"remain", f.totalRemain},
                        {"per_day", f.totalAveragePerDay}};
        writeJson(out);
        return 0;
    }
    std::vector<std::vector<std::string>> rows;
    for (const BudgetLine& line : f.lines)
        rows.push_back({typeDisplayName(db, line.typeId), amountText(db, line.budget), amountText(db, line.outgoing),
                        amountText(db, line.remain), amountText(db, line.averagePerDay)});
    const std::vector<std::string> totalRow = {amountText(db, f.totalBudget), amountText(db, f.totalOutgoing),
                                               amountText(db, f.totalRemain), amountText(db, f.totalAveragePerDay)};
    if (options.read.format == "csv") {
        std::vector<std::vector<std::string>> csv = {{"kind", "type", "budget", "outgoing", "remain", "per_day"}};
        for (auto& row : rows) {
            row.insert(row.begin(), "type");
            csv.push_back(row);
        }
        std::vector<std::string> total = {"total", ""};
        total.insert(total.end(), totalRow.begin(), totalRow.end());
        csv.push_back(total);
        writeOut(csvOf(csv));
        return 0;
    }
    const auto right = TextTable::Align::Right;
    TextTable table({{"Type", TextTable::Align::Left},
                     {"Budget", right},
                     {"Outgoing", right},
                     {"Remain", right},
                     {"Per day (" + std::to_string(days) + " day" + (days == 1 ? "" : "s") + ")", right}});
    for (auto& row : rows) table.addRow(row);
    table.addRule();
    std::vector<std::string> total = {"Total"};
    total.insert(total.end(), totalRow.begin(), totalRow.end());
    table.addRow(total);
    std::string head = "From:   " + (selection.from ? isoText(selection.from) : std::string("the first transaction")) +
                       "\nTo:     " + isoText(selection.to) + "\nToday:  " + todayText + "\n\n";
    writeOut(head + table.render());
    return 0;
}
