#include "ui/charts/chartdialog.h"

#include <QBoxLayout>
#include <QPushButton>

ChartDialog::ChartDialog(QWidget* parent) : StatisticDialog(parent) {
    setWindowTitle(tr("Charts"));
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    mainLayout->setContentsMargins(11, 11, 11, 11);
    mainLayout->setSpacing(6);
}
