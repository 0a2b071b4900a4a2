#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QString>
#include <cstdint>
#include <vector>

#include "ui/statistics/chartdata.h"

// What one bar of the income and outgoing chart stands for: a month, a
// quarter, a year or a span of years, whichever is the finest whose bars
// stay a few pixels wide and whose labels fit under them whole.
class BarPeriods {
    Q_DECLARE_TR_FUNCTIONS(BarPeriods)

public:
    // Each bar set takes this part of its period's width, shared by the sets.
    static constexpr double barWidth = 0.8;
    // No bar is drawn thinner than this.
    static constexpr double minBarPixels = 4;
    // Room a label keeps free beside it, so the axis never shortens it.
    static constexpr double labelRoom = 4;

    struct Layout {
        int months = 1;  // the length of a period: 1, 3, 12, or years × 12
        bool uprightLabels = false;
        friend bool operator==(const Layout&, const Layout&) = default;
        // Needs less width per period: longer periods, or labels on end.
        bool coarserThan(const Layout& other) const {
            return months != other.months ? months > other.months : uprightLabels && !other.uprightLabels;
        }
    };
    struct Bar {
        QString label;
        std::int64_t income = 0;
        std::int64_t outgoing = 0;
    };

    // The layout for months (consecutive, as the charts' figures give them)
    // spread over plotWidth pixels, with setCount bars in each period.
    static Layout choose(const std::vector<ChartData::MonthBar>& months, double plotWidth, const QFont& labelFont,
                         int setCount);
    // The months' sums in periods of the given length; a period the months
    // only partly cover holds what they hold.
    static std::vector<Bar> group(const std::vector<ChartData::MonthBar>& months, int periodMonths);
    // Names the period under the axis: "Month", "Quarter", "Year", "5 years".
    static QString axisTitle(int periodMonths);

private:
    static int periodOf(const ChartData::MonthBar& month, int periodMonths);
};
