#pragma once

#include <QDate>
#include <QDialog>
#include <array>
#include <cstdint>
#include <functional>

#include "core/analysis.h"
#include "ui/statistics/chartdata.h"

class QComboBox;
class QDateEdit;
class QHBoxLayout;
class QLabel;
class QListWidget;
class QPushButton;
class QVBoxLayout;
class UserPrompts;

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// The choices every analysis starts from: a date range that is kept in
// order, a multi-selection type list headed by an "ALL" row, the
// "Income"/"Outgoing" list, and OK and Close. Each analysis derives from it,
// connects OK to its own run and shows its report; the dialog stays open for
// further runs until Close. It only reads the database.
class StatisticDialog : public QDialog {
    Q_OBJECT

public:
    // Each type row carries its type's id under this role, so a row whose
    // shown name is translated or doesn't survive Big5 still finds its type.
    static constexpr int typeIdRole = Qt::UserRole;

    explicit StatisticDialog(QWidget* parent = nullptr);

    // Lists the database's types under "ALL"; called once, before the dialog
    // runs. Not owned.
    void setDB(const KestLib::AccountDB* database);
    // Where the reports go; not owned. nullptr shows them in message boxes.
    void setPrompts(UserPrompts* replacement);
    // The day the quick ranges count from; the current date until set.
    void setToday(const QDate& date);

    // Remembers the choices for the next analysis dialog of this run.
    void done(int result) override;

    // The charts of the current choices: the percentage analysis' shares
    // and each month's income and outgoing ("ALL" filters no type).
    ChartData chartData() const;

signals:
    // The Chart button of a report was pressed: whoever shows charts is to
    // show those of the current choices.
    void chartRequested();

protected:
    // The choices, as every analysis reads them: From to To, the directions
    // selected, and the types of the selected rows ("ALL" filters none).
    KestLib::Selection selection() const;
    static std::int32_t dateCode(const QDate& date);
    // The text of the row that stands for the type, as the list shows it.
    QString shownTypeName(int id) const;

    // A date editor as the dialogs use them, showing today.
    static QDateEdit* createDateEdit(QWidget* parent, const char* objectName);
    // Counts in reports: decimal with a minus sign when negative.
    static QString decimal(std::int64_t value);
    // Amounts in reports, at the book's decimals in the language's mark.
    QString amount(std::int64_t minorUnits) const;

    QDate today() const;
    // Sets From and To in one step, as a quick range does; the budget fits
    // its Today in too.
    virtual void applyRange(const QDate& first, const QDate& last);

    // Builds a report and shows it under caption, with a Chart button that
    // asks for the charts when offerChart is set. A core error is shown as a
    // warning instead, and the dialog stays open either way.
    void showReport(const QString& caption, const std::function<QString()>& buildReport, bool offerChart = false);

    QDateEdit* fromDate;
    QDateEdit* toDate;
    QLabel* fromLabel;
    QLabel* toLabel;
    QLabel* typeLabel;
    QLabel* inOutLabel;
    QListWidget* typeListBox;
    QListWidget* inOutListBox;
    QPushButton* okButton;
    QPushButton* closeButton;
    QHBoxLayout* fromLayout;
    QHBoxLayout* toLayout;
    QVBoxLayout* dateLayout;
    QVBoxLayout* typeLayout;
    QVBoxLayout* inOutLayout;
    QVBoxLayout* buttonLayout;
    QHBoxLayout* mainLayout;
    const KestLib::AccountDB* db = nullptr;

private slots:
    void selectAllTypes();
    void adjustMaxFromDate(const QDate& date);
    void adjustMinToDate(const QDate& date);
    void enableOkButton();
    void chooseRange(int kind);
    void forgetRange();

private:
    // Set while selectAllTypes changes the selection itself, so that its own
    // change doesn't run it again.
    bool selectingAll = false;
    UserPrompts* prompts = nullptr;
    QLabel* rangeLabel;
    QComboBox* rangeCombo;
    QHBoxLayout* rangeLayout;
    // Set while a quick range sets the dates, which then still show it.
    bool settingRange = false;
    QDate fixedToday;
    // The row of each type id in typeListBox, 0 for a type not listed.
    std::array<int, KestLib::TypeIdTable::capacity> rowOfType{};

    UserPrompts& shownPrompts() const;
    // The range and types of the last dialog of this run, once the types
    // are listed; the first dialog starts at today with no type chosen.
    void offerLastChoices();
};
