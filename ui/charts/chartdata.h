#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "analysis.h"

// What the charts show, worked out from the analyses' figures: the pie's
// slices (each chosen type's income and outgoing together, as the
// percentage analysis sums them) and the bars of each month. Kept apart from
// the drawing, so that the figures can be checked without pixels.
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
    struct MonthBar {
        QString label;  // "2004/03"
        std::int64_t income = 0;
        std::int64_t outgoing = 0;
    };

    ChartData() = default;
    // names holds the shown name of each share's type, in the shares' order.
    ChartData(const KestLib::PercentageFigures& figures, const QStringList& names,
              const std::vector<KestLib::MonthSums>& months, KestLib::InOutSelector inOut);

    // Largest first, "Other" last. A type with nothing to show (or less,
    // which a pie can't draw) has no slice.
    const std::vector<Slice>& slices() const { return pieSlices; }
    std::int64_t sliceTotal() const { return total; }
    const std::vector<MonthBar>& months() const { return monthBars; }
    // The directions the in/out choice counts; the bars show only those.
    bool showsIncome() const { return income; }
    bool showsOutgoing() const { return outgoing; }

private:
    std::vector<Slice> pieSlices;
    std::int64_t total = 0;
    std::vector<MonthBar> monthBars;
    bool income = true;
    bool outgoing = true;
};
