#pragma once

#include "ui/statistics/statisticdialog.h"

// How much each chosen type contributes to income, outgoing and both over
// the range: amounts, and percentages of the chosen types' total and of all
// types' total, as two HTML tables.
class PercentageDialog : public StatisticDialog {
    Q_OBJECT

public:
    explicit PercentageDialog(QWidget* parent = nullptr);

    // The report of the current choices, as OK shows it.
    QString reportText() const;

private slots:
    void startPercentageAnalysis();
};
