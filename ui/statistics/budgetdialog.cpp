#include "ui/statistics/budgetdialog.h"

#include <QBoxLayout>
#include <QDate>
#include <QDateEdit>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "core/accountdb.h"
#include "ui/book/transactioncolumns.h"

namespace {

const QString dateFormat = QStringLiteral("yyyy/MM/dd");

}  // namespace

BudgetDialog::BudgetDialog(QWidget* parent) : StatisticDialog(parent) {
    setWindowTitle(tr("Budget Analysis Settings"));
    todayDate = createDateEdit(this, "todayDate");
    todayLabel = new QLabel(tr("To&day"), this);
    todayLabel->setBuddy(todayDate);
    setTabOrder(toDate, todayDate);

    // A budget counts both directions; the list only shows that.
    inOutListBox->selectAll();
    inOutListBox->setEnabled(false);

    todayLayout = new QHBoxLayout;
    todayLayout->addWidget(todayLabel);
    todayLayout->addSpacing(2);
    todayLayout->addWidget(todayDate);
    dateLayout->addLayout(todayLayout);

    mainLayout->setContentsMargins(11, 11, 11, 11);
    mainLayout->setSpacing(6);

    // After the base's own connections, so that From and To are in order
    // before Today is fitted between them; otherwise fitting Today to From
    // and to To would set off each other without end.
    connect(todayDate, &QDateEdit::dateChanged, this, &BudgetDialog::adjustMinMaxTodayDate);
    connect(fromDate, &QDateEdit::dateChanged, this, &BudgetDialog::adjustMinTodayDate);
    connect(toDate, &QDateEdit::dateChanged, this, &BudgetDialog::adjustMaxTodayDate);
    connect(okButton, &QPushButton::clicked, this, &BudgetDialog::startBudgetAnalysis);
}

void BudgetDialog::adjustMinTodayDate(const QDate& date) {
    if (date > todayDate->date()) todayDate->setDate(date);
}

void BudgetDialog::adjustMaxTodayDate(const QDate& date) {
    if (date < todayDate->date()) todayDate->setDate(date);
}

void BudgetDialog::adjustMinMaxTodayDate(const QDate& date) {
    if (date < fromDate->date()) todayDate->setDate(fromDate->date());
    if (date > toDate->date()) todayDate->setDate(toDate->date());
}

void BudgetDialog::applyRange(const QDate& first, const QDate& last) {
    StatisticDialog::applyRange(first, last);
    todayDate->setDate(std::clamp(today(), first, last));
}

void BudgetDialog::startBudgetAnalysis() {
    showReport(tr("Budget Analysis"), [this] { return reportText(); });
}

QString BudgetDialog::reportText() const {
    // The period and its days come from the core, as the command line's do.
    const KestLib::Selection chosen = selection();
    const KestLib::BudgetFigures figures =
        KestLib::budgetAnalysis(*db, chosen, KestLib::BudgetPeriod::of(chosen.range, dateCode(todayDate->date())));
    const QString days = decimal(figures.days);
    // Picks the plural form only; a period's days always fit an int.
    const int dayCount = static_cast<int>(figures.days);

    QString text;
    text += tr("<P>From: %1</P>").arg(fromDate->date().toString(dateFormat));
    text += tr("<P>To: %1</P>").arg(toDate->date().toString(dateFormat));
    text += tr("<P>Today: %1</P>").arg(todayDate->date().toString(dateFormat));
    text += tr("<TABLE BORDER=\"5\"><TR>");
    text += tr("<TD>Type</TD>");
    text += tr("<TD>Budget</TD>");
    text += tr("<TD>Outgoing</TD>");
    //: Report column header: the budget less what was spent
    text += tr("<TD>Ramain</TD>");
    //: Report column header: what remains of the budget, spread over the days left (%1)
    text += tr("<TD>Average Ramain per Day (%1 day(s))</TD></TR>", nullptr, dayCount).arg(days);
    for (const KestLib::BudgetLine& line : figures.lines) {
        text += tr("<TR><TD>");
        text += TransactionColumns::storedText(*db, db->typeById(line.typeId).name()).toHtmlEscaped();
        text += tr("</TD><TD>");
        text += amount(line.budget);
        text += tr("</TD><TD>");
        text += amount(line.outgoing);
        text += tr("</TD><TD>");
        text += amount(line.remain);
        text += tr("</TD><TD>");
        text += amount(line.averagePerDay);
        text += tr("</TD></TR>");
    }
    text += tr("</TABLE><P></P><TABLE BORDER=\"5\"><TR><TD>Total Budget</TD><TD>");
    text += amount(figures.totalBudget);
    text += tr("</TD><TD>Total Outgoing</TD><TD>");
    text += amount(figures.totalOutgoing);
    // The first row is left open, as the report has always been written.
    //: The budget of all types less what was spent
    text += tr("</TD><TR><TD>Total Remain</TD><TD>");
    text += amount(figures.totalRemain);
    text += tr("</TD><TD>Average Remain per Day (%1 Day(s))</TD><TD>", nullptr, dayCount).arg(days);
    text += amount(figures.totalAveragePerDay);
    text += tr("</TD></TR></TABLE>");
    return text;
}
