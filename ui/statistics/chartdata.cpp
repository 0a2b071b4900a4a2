#include "ui/statistics/chartdata.h"

#include <algorithm>
#include <functional>

namespace {

ChartData::Pie pieOf(const KestLib::PercentageFigures& figures, const QStringList& names,
                     const std::function<std::int64_t(const KestLib::TypeShare&)>& part) {
    std::vector<ChartData::Slice> all;
    for (std::size_t k = 0; k < figures.shares.size(); ++k) {
        const std::int64_t value = part(figures.shares[k]);
        if (value > 0) all.push_back({names.value(static_cast<qsizetype>(k)), value});
    }
    // Equal shares keep the list's order.
    std::stable_sort(all.begin(), all.end(),
                     [](const ChartData::Slice& a, const ChartData::Slice& b) { return a.value > b.value; });
    if (all.size() > static_cast<std::size_t>(ChartData::maxSlices)) {
        ChartData::Slice other{ChartData::tr("Other"), 0};
        for (auto it = all.begin() + (ChartData::maxSlices - 1); it != all.end(); ++it) other.value += it->value;
        all.resize(ChartData::maxSlices - 1);
        all.push_back(other);
    }
    ChartData::Pie pie;
    for (const ChartData::Slice& slice : all) pie.total += slice.value;
    pie.slices = std::move(all);
    return pie;
}

}  // namespace

ChartData::ChartData(const KestLib::PercentageFigures& figures, const QStringList& names,
                     const std::vector<KestLib::MonthSums>& months, KestLib::InOutSelector inOut, int decimals)
    : balanceOfChoice(figures.selectedBalance()),
      withIncome(inOut != KestLib::InOutSelector::Outgoing),
      withOutgoing(inOut != KestLib::InOutSelector::Income),
      decimals_(decimals) {
    // A direction left out is 0 in every share, so its pie stays empty.
    income = pieOf(figures, names, [](const KestLib::TypeShare& share) { return share.income; });
    outgoing = pieOf(figures, names, [](const KestLib::TypeShare& share) { return share.outgoing; });

    monthBars.reserve(months.size());
    for (const KestLib::MonthSums& month : months) {
        const QString label =
            QStringLiteral("%1/%2").arg(month.year, 4, 10, QLatin1Char('0')).arg(month.month, 2, 10, QLatin1Char('0'));
        monthBars.push_back({month.year, month.month, label, month.income, month.outgoing});
    }
}
