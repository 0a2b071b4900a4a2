#pragma once

#include "ui/statistics/statisticdialog.h"

// Checks a spending plan: for each chosen type, its income from From through
// Today is the budget and its outgoing the spending, and what remains is
// spread over the days from Today to To. A third date editor, Today, is kept
// between From and To.
class BudgetDialog : public StatisticDialog {
    Q_OBJECT

public:
    explicit BudgetDialog(QWidget* parent = nullptr);

    // The report of the current choices, as OK shows it.
    QString reportText() const;

protected:
    // Today goes to the current date, or the nearest day of the range.
    void applyRange(const QDate& first, const QDate& last) override;

private slots:
    void startBudgetAnalysis();
    void adjustMinMaxTodayDate(const QDate& date);
    void adjustMinTodayDate(const QDate& date);
    void adjustMaxTodayDate(const QDate& date);

private:
    QDateEdit* todayDate;
    QLabel* todayLabel;
    QHBoxLayout* todayLayout;
};
