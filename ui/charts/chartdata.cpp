#include "charts/chartdata.h"

#include <algorithm>

ChartData::ChartData(const KestLib::PercentageFigures& figures, const QStringList& names,
                     const std::vector<KestLib::MonthSums>& months, KestLib::InOutSelector inOut)
    : income(inOut != KestLib::InOutSelector::Outgoing), outgoing(inOut != KestLib::InOutSelector::Income) {
    std::vector<Slice> all;
    for (std::size_t k = 0; k < figures.shares.size(); ++k) {
        const std::int64_t value = figures.shares[k].sum();
        if (value > 0) all.push_back({names.value(static_cast<qsizetype>(k)), value});
    }
    // Equal shares keep the list's order.
    std::stable_sort(all.begin(), all.end(), [](const Slice& a, const Slice& b) { return a.value > b.value; });
    if (all.size() > static_cast<std::size_t>(maxSlices)) {
        Slice other{tr("Other"), 0};
        for (auto it = all.begin() + (maxSlices - 1); it != all.end(); ++it) other.value += it->value;
        all.resize(maxSlices - 1);
        all.push_back(other);
    }
    for (const Slice& slice : all) total += slice.value;
    pieSlices = std::move(all);

    monthBars.reserve(months.size());
    for (const KestLib::MonthSums& month : months) {
        const QString label =
            QStringLiteral("%1/%2").arg(month.year, 4, 10, QLatin1Char('0')).arg(month.month, 2, 10, QLatin1Char('0'));
        monthBars.push_back({label, month.income, month.outgoing});
    }
}
