#pragma once

#include "ui/statistics/statisticdialog.h"

// The balance of the chosen transactions, named as an income or an
// outgoing balance.
class GrandTotalDialog : public StatisticDialog {
    Q_OBJECT

public:
    explicit GrandTotalDialog(QWidget* parent = nullptr);

    // The message of the current choices, as OK shows it.
    QString reportText() const;
    // A balance as the report names it: "Income: 70", "Outgoing: 30".
    static QString balanceText(std::int64_t balance);

private slots:
    void startGrandTotal();
};
