#pragma once

#include "ui/statistics/statisticdialog.h"

// The choices of the charts, as the percentage analysis takes them; OK
// accepts them, and the window then shows the charts.
class ChartDialog : public StatisticDialog {
    Q_OBJECT

public:
    explicit ChartDialog(QWidget* parent = nullptr);
};
