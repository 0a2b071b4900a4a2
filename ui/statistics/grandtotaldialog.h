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

private slots:
    void startGrandTotal();
};
