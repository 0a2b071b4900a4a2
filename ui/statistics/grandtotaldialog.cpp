#include "ui/statistics/grandtotaldialog.h"

#include <QBoxLayout>
#include <QPushButton>

#include "core/accountdb.h"
#include "ui/statistics/balancetext.h"

GrandTotalDialog::GrandTotalDialog(QWidget* parent) : StatisticDialog(parent) {
    setWindowTitle(tr("Grand Total"));
    connect(okButton, &QPushButton::clicked, this, &GrandTotalDialog::startGrandTotal);
    mainLayout->setContentsMargins(11, 11, 11, 11);
    mainLayout->setSpacing(6);
}

void GrandTotalDialog::startGrandTotal() {
    showReport(
        tr("Grand Total"), [this] { return reportText(); }, true);
}

QString GrandTotalDialog::reportText() const {
    // "ALL" means no type filter at all, not the sum of the listed types.
    return balanceText(KestLib::grandTotal(*db, selection()), db->decimals());
}
