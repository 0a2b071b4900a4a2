#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "core/analysis.h"

// What the charts show, worked out from the analyses' figures: a pie of the
// chosen types' income and one of their outgoing, never the two in one
// circle; the balance of the chosen transactions; and each month's income
// and outgoing. Kept apart from the drawing, so that the figures can be
// checked without pixels.
class ChartData {
    Q_DECLARE_TR_FUNCTIONS(ChartData)

public:
    // Past this many slices the smallest types share one slice, "Other", so
    // that every slice keeps a colour of its own however many types there are.
    static constexpr int maxSlices = 12;

    struct Slice {
        QString label;
        std::int64_t value = 0;
    };
    // Largest first, "Other" last. A type with nothing to show has no slice.
    struct Pie {
        std::vector<Slice> slices;
        std::int64_t total = 0;
    };
    struct MonthBar {
        int year = 0;
        int month = 0;  // 1 to 12
        QString label;  // "2004/03"
        std::int64_t income = 0;
        std::int64_t outgoing = 0;
    };

    ChartData() = default;
    // names holds the shown name of each share's type, in the shares' order.
    ChartData(const KestLib::PercentageFigures& figures, const QStringList& names,
              const std::vector<KestLib::MonthSums>& months, KestLib::InOutSelector inOut, int decimals = 0);

    const Pie& incomePie() const { return income; }
    const Pie& outgoingPie() const { return outgoing; }
    // Income less outgoing, as the grand total gives it for the same choices.
    std::int64_t balance() const { return balanceOfChoice; }
    const std::vector<MonthBar>& months() const { return monthBars; }
    // The directions the in/out choice counts; only those are drawn.
    bool showsIncome() const { return withIncome; }
    bool showsOutgoing() const { return withOutgoing; }
    // The book's decimals: every figure here is in its minor units.
    int decimals() const { return decimals_; }

private:
    Pie income;
    Pie outgoing;
    std::int64_t balanceOfChoice = 0;
    std::vector<MonthBar> monthBars;
    bool withIncome = true;
    bool withOutgoing = true;
    int decimals_ = 0;
};
