#include "ui/window/windowstatus.h"

#include <QLabel>
#include <QStatusBar>

#include "core/accountdb.h"
#include "ui/book/book.h"
#include "ui/table/transactiontablemodel.h"
#include "ui/widgets/amounttext.h"

WindowStatus::WindowStatus(QStatusBar* bar, const Book& book, const TransactionTableModel& model)
    : QObject(bar), book(book), model(model), saved(new QLabel(bar)), found(new QLabel(bar)) {
    saved->setObjectName(QStringLiteral("statusLabel"));
    saved->setAlignment(Qt::AlignHCenter);
    saved->setMinimumSize(saved->sizeHint());
    bar->addWidget(saved, 0);
    // The filler takes the spare width.
    bar->addWidget(new QLabel(bar), 1);
    found->setObjectName(QStringLiteral("findStatusLabel"));
    bar->addPermanentWidget(found);
    found->hide();
    connect(&book, &Book::reset, this, &WindowStatus::update);
    connect(&book, &Book::modifiedChanged, this, &WindowStatus::update);
    connect(&model, &TransactionTableModel::bookChangeShown, this, &WindowStatus::updateFind);
}

void WindowStatus::update() {
    saved->setText(book.isModified() ? tr("File Modified") : tr("File Saved"));
    saved->setMinimumSize(saved->sizeHint());
    updateFind();
}

void WindowStatus::updateFind() {
    found->setVisible(model.isFiltered());
    if (!model.isFiltered()) return;
    const TransactionTableModel::ShownFigures shown = model.shownFigures();
    // The verb agrees with the matches: German "1 von 8 passt", "2 von 8 passen".
    found->setText(tr("%n of %1 transactions match, balance %2", nullptr, shown.count)
                       .arg(book.database().transCount())
                       .arg(AmountText::of(shown.balance, book.database().decimals())));
}
