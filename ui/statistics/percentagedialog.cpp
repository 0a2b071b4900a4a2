#include "ui/statistics/percentagedialog.h"

#include <QBoxLayout>
#include <QPushButton>

namespace {

// General format, six significant digits: one third is 33.3333, a half 50.
QString percent(double value) { return QString::number(value, 'g', 6); }

}  // namespace

PercentageDialog::PercentageDialog(QWidget* parent) : StatisticDialog(parent) {
    setWindowTitle(tr("Percentage Analysis"));
    connect(okButton, &QPushButton::clicked, this, &PercentageDialog::startPercentageAnalysis);
    mainLayout->setContentsMargins(11, 11, 11, 11);
    mainLayout->setSpacing(6);
}

void PercentageDialog::startPercentageAnalysis() {
    showReport(
        tr("Percentage Analysis"), [this] { return reportText(); }, true);
}

QString PercentageDialog::reportText() const {
    const KestLib::PercentageFigures figures = KestLib::percentageAnalysis(*db, selection());

    QString text;
    text += tr("<TABLE BORDER=\"5\">");
    text += tr("<TR><TD>Total Income</TD><TD>Selected Type Income</TD></TR>");
    text += tr("<TR><TD>%1</TD><TD>%2</TD></TR>").arg(amount(figures.totalIncome), amount(figures.selectedIncome));
    text += tr("<TR><TD>Total Outgoing</TD><TD>Selected Type Outgoing</TD></TR>");
    text += tr("<TR><TD>%1</TD><TD>%2</TD></TR>").arg(amount(figures.totalOutgoing), amount(figures.selectedOutgoing));
    //: Report headers: income and outgoing added together, of all types, then of the chosen types; no raw "&" in the
    //: translation
    text += tr("<TR><TD>Total In&Out</TD><TD>Selected Type In&Out</TD></TR>");
    text += tr("<TR><TD>%1</TD><TD>%2</TD></TR>").arg(amount(figures.totalSum()), amount(figures.selectedSum()));
    text += tr("</TABLE>");

    text += tr("<TABLE BORDER=\"5\">");
    //: Report headers: a type's income, its share of the chosen types' income, its share of all income
    text += tr("<TR><TD>Type</TD><TD>Income</TD><TD>Income Selected Percent</TD><TD>Income Total Percent</TD>");
    //: Report headers: as for income, for outgoing
    text += tr("<TD>Outgoing</TD><TD>Outgoing Selected Percent</TD><TD>Outgoing Total Percent</TD>");
    //: Report headers: a type's income and outgoing added together, and its shares of the chosen types' and of all
    text += tr("<TD>Sum</TD><TD>Sum Selected Percent</TD><TD>Sum Percent</TD></TR>");
    for (const KestLib::TypeShare& share : figures.shares) {
        const KestLib::TypePercents parts = figures.percentsOf(share);
        text += tr("<TR><TD>%1</TD>").arg(shownTypeName(share.typeId).toHtmlEscaped());
        text += tr("<TD>%1</TD><TD>%2%</TD><TD>%3%</TD>")
                    .arg(amount(share.income), percent(parts.income.ofSelected), percent(parts.income.ofTotal));
        text += tr("<TD>%1</TD><TD>%2%</TD><TD>%3%</TD>")
                    .arg(amount(share.outgoing), percent(parts.outgoing.ofSelected), percent(parts.outgoing.ofTotal));
        text += tr("<TD>%1</TD><TD>%2%</TD><TD>%3%</TD></TR>")
                    .arg(amount(share.sum()), percent(parts.sum.ofSelected), percent(parts.sum.ofTotal));
    }
    text += tr("</TABLE>");
    return text;
}
