#include "ui/charts/barperiods.h"

#include <QFontMetricsF>
#include <algorithm>
#include <array>

namespace {

// Months, quarters, years, then spans of years, each a round number of the last.
constexpr std::array<int, 15> periodLengths = {1,    3,    12,   24,    60,    120,   240,   600,
                                               1200, 2400, 6000, 12000, 24000, 60000, 120000};

int monthNumber(const ChartData::MonthBar& month) { return month.year * 12 + month.month - 1; }

}  // namespace

int BarPeriods::periodOf(const ChartData::MonthBar& month, int periodMonths) {
    // Years count from 0, so quarters start in January and spans of ten
    // years at 2000, 2010 and so on.
    return monthNumber(month) / periodMonths;
}

BarPeriods::Layout BarPeriods::choose(const std::vector<ChartData::MonthBar>& months, double plotWidth,
                                      const QFont& labelFont, int setCount) {
    if (months.empty() || plotWidth <= 0) return {};
    const QFontMetricsF metrics(labelFont);
    const int sets = std::max(1, setCount);
    for (int length : periodLengths) {
        const int count = periodOf(months.back(), length) - periodOf(months.front(), length) + 1;
        const double periodWidth = plotWidth / count;
        if (periodWidth * barWidth / sets < minBarPixels) continue;
        double widest = 0;
        for (const Bar& bar : group(months, length)) widest = std::max(widest, metrics.horizontalAdvance(bar.label));
        if (widest + labelRoom <= periodWidth) return {length, false};
        // On end, a label takes only the height of a line across.
        if (metrics.height() + labelRoom <= periodWidth) return {length, true};
    }
    return {periodLengths.back(), true};
}

std::vector<BarPeriods::Bar> BarPeriods::group(const std::vector<ChartData::MonthBar>& months, int periodMonths) {
    std::vector<Bar> bars;
    if (months.empty()) return bars;
    const int firstYear = months.front().year;
    const int lastYear = months.back().year;
    int current = -1;
    for (const ChartData::MonthBar& month : months) {
        const int period = periodOf(month, periodMonths);
        if (bars.empty() || period != current) {
            current = period;
            QString label;
            if (periodMonths == 1) {
                label = month.label;
            } else if (periodMonths == 3) {
                label = tr("%1 Q%2").arg(month.year).arg((month.month - 1) / 3 + 1);
            } else {
                // A span is named by the years of it the months reach.
                const int years = periodMonths / 12;
                const int first = std::max(firstYear, period * years);
                const int last = std::min(lastYear, period * years + years - 1);
                label = first == last ? QString::number(first) : QStringLiteral("%1\u2013%2").arg(first).arg(last);
            }
            bars.push_back({label, 0, 0});
        }
        bars.back().income += month.income;
        bars.back().outgoing += month.outgoing;
    }
    return bars;
}

QString BarPeriods::axisTitle(int periodMonths) {
    switch (periodMonths) {
    case 1: return tr("Month");
    case 3: return tr("Quarter");
    case 12: return tr("Year");
    default: return tr("%1 years").arg(periodMonths / 12);
    }
}
