#include "ui/transactions/transactioncommands.h"

#include <QDate>

#include "core/accountdb.h"
#include "core/transaction.h"
#include "text/big5text.h"
#include "ui/book/book.h"
#include "ui/prompts/commandguard.h"
#include "ui/prompts/userprompts.h"
#include "ui/transactions/transactiondialog.h"

namespace {

// The transaction the dialog's fields describe. The dialog accepts only a
// type text that names a type, so typeId() has one to give.
KestLib::Transaction enteredTransaction(const TransactionDialog& dialog, int index) {
    KestLib::Transaction record;
    record.setIndex(index);
    record.setYear(dialog.year());
    record.setMonth(dialog.month());
    record.setDay(dialog.day());
    record.setAmount(dialog.money());
    record.setIncome(dialog.isIncome());
    record.setType(dialog.typeId());
    record.setComment(dialog.storedComment());
    return record;
}

// Every field the dialog writes is as stored: accepting changes nothing.
bool sameAsStored(const KestLib::AccountDB& db, const KestLib::Transaction& entered) {
    if (db.transPosition(entered.index()) < 0) return false;
    const KestLib::Transaction& stored = db.transaction(entered.index(), true);
    return stored.year() == entered.year() && stored.month() == entered.month() && stored.day() == entered.day() &&
           stored.amount() == entered.amount() && stored.isIncome() == entered.isIncome() &&
           stored.type() == entered.type() && stored.comment() == entered.comment();
}

}  // namespace

void TransactionCommands::modify(const KestLib::Transaction& entered) {
    if (!sameAsStored(book.database(), entered)) book.modifyTransaction(entered);
}

bool TransactionCommands::run(TransactionDialog& dialog, int mode, int shownIndex) {
    dialog.setPrompts(prompts);
    dialog.setBook(&book);
    dialog.setMode(mode);
    if (mode == TransactionDialog::DeleteOneMode || mode == TransactionDialog::ModifyOneMode)
        dialog.showTransaction(shownIndex);
    return prompts->runDialog(dialog);
}

void TransactionCommands::create() {
    // "Add and next" opens the next dialog on the date of the one before.
    QDate date;
    bool next = true;
    while (next) {
        next = false;
        guard([&] {
            TransactionDialog dialog(window);
            if (date.isValid()) dialog.startOn(date);
            if (!run(dialog, TransactionDialog::CreateMode)) return;
            book.addTransaction(enteredTransaction(dialog, 0));
            next = dialog.addsNext();
            date = QDate(dialog.year(), dialog.month(), dialog.day());
        });
    }
}

void TransactionCommands::deleteChosen() {
    guard([this] {
        TransactionDialog dialog(window);
        if (run(dialog, TransactionDialog::DeleteMode)) book.deleteTransaction(dialog.index());
    });
}

void TransactionCommands::modifyChosen() {
    guard([this] {
        TransactionDialog dialog(window);
        if (run(dialog, TransactionDialog::ModifyMode)) modify(enteredTransaction(dialog, dialog.index()));
    });
}

void TransactionCommands::deleteOne(int index) {
    guard([this, index] {
        TransactionDialog dialog(window);
        if (run(dialog, TransactionDialog::DeleteOneMode, index)) book.deleteTransaction(index);
    });
}

void TransactionCommands::modifyOne(int index) {
    guard([this, index] {
        TransactionDialog dialog(window);
        if (run(dialog, TransactionDialog::ModifyOneMode, index)) modify(enteredTransaction(dialog, index));
    });
}
