#include "dbnamedialog.h"

#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

DBNameDialog::DBNameDialog(QWidget* parent) : QDialog(parent) {
    promptLabel = new QLabel(tr("Enter the database name"), this);
    dbNameLineEdit = new QLineEdit(this);
    dbNameLineEdit->setObjectName(QStringLiteral("dbNameLineEdit"));

    okButton = new QPushButton(tr("OK"), this);
    okButton->setObjectName(QStringLiteral("okButton"));
    cancelButton = new QPushButton(tr("Cancel"), this);
    cancelButton->setObjectName(QStringLiteral("cancelButton"));
    okButton->setDefault(true);

    fieldLayout = new QVBoxLayout;
    fieldLayout->addWidget(promptLabel);
    fieldLayout->addWidget(dbNameLineEdit);

    buttonLayout = new QVBoxLayout;
    buttonLayout->addWidget(okButton);
    buttonLayout->addWidget(cancelButton);

    mainLayout = new QHBoxLayout(this);
    mainLayout->setContentsMargins(11, 11, 11, 11);
    mainLayout->setSpacing(6);
    mainLayout->addLayout(fieldLayout, 0);
    mainLayout->addLayout(buttonLayout, 0);

    setTabOrder(dbNameLineEdit, okButton);
    setTabOrder(okButton, cancelButton);

    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void DBNameDialog::setDBName(const QString& name) { dbNameLineEdit->setText(name); }

QString DBNameDialog::dbName() const { return dbNameLineEdit->text(); }
