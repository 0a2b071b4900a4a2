#include "history/bookcommands.h"

#include <QCoreApplication>
#include <algorithm>

#include "accountdb.h"
#include "big5text.h"
#include "errormsg.h"

using KestLib::AccountDB;
using KestLib::Transaction;

namespace {

QString typeName(const std::string& name) { return fromBig5("MainWindow", name); }

}  // namespace

template <typename Step>
void BookCommand::run(Step step) {
    try {
        step();
    } catch (const KestLib::ErrorMsg& error) {
        if (hooks.failed) hooks.failed(error.message());
    } catch (const std::exception& error) {
        if (hooks.failed) hooks.failed(error.what());
    }
}

void BookCommand::undo() {
    run([this] { takeBack(); });
}

void BookCommand::redo() {
    // The change was in the book before the command was pushed.
    if (alreadyDone) {
        alreadyDone = false;
        return;
    }
    run([this] { doAgain(); });
}

// ---- Transactions ----

CreateTransactionCommand::CreateTransactionCommand(const BookCommandHooks& hooks, int lastIndexBefore)
    : BookCommand(hooks), created(db().transaction(db().transCount() - 1, false)), lastIndexBefore(lastIndexBefore) {
    setText(QCoreApplication::translate("BookCommands", "Create Transaction %1").arg(created.index()));
}

void CreateTransactionCommand::takeBack() {
    const int position = db().transCount() - 1;
    db().deleteTransactionAt(position);
    // The index is given again by the next Create, as if this one never was.
    db().restoreLastIndex(lastIndexBefore);
    hooks.removed(position);
}

void CreateTransactionCommand::doAgain() {
    db().restoreTransaction(created, db().transCount());
    hooks.appended();
}

ModifyTransactionCommand::ModifyTransactionCommand(const BookCommandHooks& hooks, const Transaction& before,
                                                   const Transaction& after)
    : BookCommand(hooks), before(before), after(after) {
    setText(QCoreApplication::translate("BookCommands", "Modify Transaction %1").arg(after.index()));
}

void ModifyTransactionCommand::takeBack() {
    db().modifyTransaction(before);
    hooks.modified(before.index());
}

void ModifyTransactionCommand::doAgain() {
    db().modifyTransaction(after);
    hooks.modified(after.index());
}

DeleteTransactionCommand::DeleteTransactionCommand(const BookCommandHooks& hooks, const Transaction& deleted,
                                                   int position)
    : BookCommand(hooks), deleted(deleted), position(position) {
    setText(QCoreApplication::translate("BookCommands", "Delete Transaction %1").arg(deleted.index()));
}

void DeleteTransactionCommand::takeBack() {
    db().restoreTransaction(deleted, position);
    // The table appends at the end only; a row back in the middle moves
    // every later position, so the rows are read again.
    if (position == db().transCount() - 1)
        hooks.appended();
    else
        hooks.reloaded();
}

void DeleteTransactionCommand::doAgain() {
    db().deleteTransactionAt(position);
    hooks.removed(position);
}

// ---- Types ----

AddTypeCommand::AddTypeCommand(const BookCommandHooks& hooks, int id)
    : BookCommand(hooks), id(id), name(db().typeById(id).name()) {
    setText(QCoreApplication::translate("BookCommands", "Add Type %1").arg(typeName(name)));
}

void AddTypeCommand::takeBack() { db().deleteType(db().typeById(id)); }

void AddTypeCommand::doAgain() { db().restoreType(id, name); }

DeleteTypeCommand::DeleteTypeCommand(const BookCommandHooks& hooks, int id, const std::string& name)
    : BookCommand(hooks), id(id), name(name) {
    setText(QCoreApplication::translate("BookCommands", "Delete Type %1").arg(typeName(name)));
}

void DeleteTypeCommand::takeBack() { db().restoreType(id, name); }

void DeleteTypeCommand::doAgain() { db().deleteType(db().typeById(id)); }

// ---- The book's name ----

RenameBookCommand::RenameBookCommand(const BookCommandHooks& hooks, const std::string& oldName)
    : BookCommand(hooks), oldName(oldName), newName(db().name()) {
    setText(QCoreApplication::translate("BookCommands", "Set the Database Name"));
}

void RenameBookCommand::takeBack() {
    db().setName(oldName);
    hooks.renamed();
}

void RenameBookCommand::doAgain() {
    db().setName(newName);
    hooks.renamed();
}

// ---- CSV import ----

ImportCsvCommand::Before ImportCsvCommand::before(const AccountDB& db) {
    Before before{db.transCount(), db.lastIndex(), {}};
    for (int position = 0; position < db.typeCount(); ++position) before.typeIds.push_back(db.typeAt(position).id());
    return before;
}

ImportCsvCommand::ImportCsvCommand(const BookCommandHooks& hooks, const Before& before)
    : BookCommand(hooks), was(before), lastIndexAfter(db().lastIndex()) {
    for (int position = 0; position < db().typeCount(); ++position) {
        const KestLib::TransType& type = db().typeAt(position);
        if (std::find(was.typeIds.begin(), was.typeIds.end(), type.id()) == was.typeIds.end())
            newTypes.emplace_back(type.id(), type.name());
    }
    added.reserve(static_cast<std::size_t>(std::max(0, db().transCount() - was.transCount)));
    for (int position = was.transCount; position < db().transCount(); ++position)
        added.push_back(db().transaction(position, false));
    setText(QCoreApplication::translate("BookCommands", "Import CSV"));
}

void ImportCsvCommand::takeBack() {
    // The imported rows are the last ones, so each goes without a search.
    while (db().transCount() > was.transCount) db().deleteTransactionAt(db().transCount() - 1);
    for (auto type = newTypes.rbegin(); type != newTypes.rend(); ++type) db().deleteType(db().typeById(type->first));
    db().restoreLastIndex(was.lastIndex);
    hooks.reloaded();
}

void ImportCsvCommand::doAgain() {
    for (const auto& [id, name] : newTypes) db().restoreType(id, name);
    for (const Transaction& record : added) db().restoreTransaction(record, db().transCount());
    db().restoreLastIndex(lastIndexAfter);
    hooks.reloaded();
}
