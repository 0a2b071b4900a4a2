#include "ui/transactions/transactioncommands.h"

#include "text/big5text.h"
#include "ui/book/book.h"
#include "ui/prompts/userprompts.h"
#include "core/transaction.h"
#include "ui/transactions/transactiondialog.h"
#include "ui/prompts/commandguard.h"

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
    record.setComment(toBig5(dialog.comment()));
    return record;
}

}  // namespace

bool TransactionCommands::run(TransactionDialog& dialog, int mode, int shownIndex) {
    dialog.setPrompts(prompts);
    dialog.setBook(&book);
    dialog.setMode(mode);
    if (mode == TransactionDialog::DeleteOneMode || mode == TransactionDialog::ModifyOneMode)
        dialog.showTransaction(shownIndex);
    return prompts->runDialog(dialog);
}

void TransactionCommands::create() {
    guard([this] {
        TransactionDialog dialog(window);
        if (run(dialog, TransactionDialog::CreateMode)) book.addTransaction(enteredTransaction(dialog, 0));
    });
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
        if (run(dialog, TransactionDialog::ModifyMode))
            book.modifyTransaction(enteredTransaction(dialog, dialog.index()));
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
        if (run(dialog, TransactionDialog::ModifyOneMode, index))
            book.modifyTransaction(enteredTransaction(dialog, index));
    });
}
