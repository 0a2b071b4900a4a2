#include "ui/history/bookcommands.h"

#include <QCoreApplication>
#include <algorithm>

#include "core/accountdb.h"
#include "text/big5text.h"
#include "ui/book/coremessages.h"
#include "core/errormsg.h"

using KestLib::AccountDB;
using KestLib::Transaction;

template <typename Step>
void BookCommand::run(Step step) {
    try {
        step();
    } catch (const KestLib::ErrorMsg& error) {
        book.stepFailed(coreMessageText(error));
    } catch (const std::exception& error) {
        book.stepFailed(coreMessageText(std::string(error.what())));
    }
}

QString BookCommand::description() const {
    const QString text = QCoreApplication::translate("BookCommands", kind);
    if (const int* index = std::get_if<int>(&argument)) return text.arg(*index);
    // A type name may be translated too, as the type lists show it.
    if (const std::string* name = std::get_if<std::string>(&argument)) return text.arg(fromBig5("MainWindow", *name));
    return text;
}

void BookCommand::describe(const char* change, std::variant<std::monostate, int, std::string> what) {
    kind = change;
    argument = std::move(what);
    setText(description());
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

CreateTransactionCommand::CreateTransactionCommand(Book& book, int lastIndexBefore)
    : BookCommand(book), created(db().transaction(db().transCount() - 1, false)), lastIndexBefore(lastIndexBefore) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Create Transaction %1"), created.index());
}

void CreateTransactionCommand::takeBack() {
    // The index is given again by the next Create, as if this one never was.
    removeTransactionAt(db().transCount() - 1);
    restoreLastIndex(lastIndexBefore);
}

void CreateTransactionCommand::doAgain() {
    insertTransaction(created, db().transCount());
}

ModifyTransactionCommand::ModifyTransactionCommand(Book& book, const Transaction& before,
                                                   const Transaction& after)
    : BookCommand(book), before(before), after(after) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Modify Transaction %1"), after.index());
}

void ModifyTransactionCommand::takeBack() {
    replaceTransaction(before);
}

void ModifyTransactionCommand::doAgain() {
    replaceTransaction(after);
}

DeleteTransactionCommand::DeleteTransactionCommand(Book& book, const Transaction& deleted,
                                                   int position)
    : BookCommand(book), deleted(deleted), position(position) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Delete Transaction %1"), deleted.index());
}

void DeleteTransactionCommand::takeBack() {
    insertTransaction(deleted, position);
}

void DeleteTransactionCommand::doAgain() {
    removeTransactionAt(position);
}

// ---- Types ----

AddTypeCommand::AddTypeCommand(Book& book, int id)
    : BookCommand(book), id(id), name(db().typeById(id).name()) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Add Type %1"), name);
}

void AddTypeCommand::takeBack() { removeType(id); }

void AddTypeCommand::doAgain() { restoreType(id, name); }

DeleteTypeCommand::DeleteTypeCommand(Book& book, int id, const std::string& name)
    : BookCommand(book), id(id), name(name) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Delete Type %1"), name);
}

void DeleteTypeCommand::takeBack() { restoreType(id, name); }

void DeleteTypeCommand::doAgain() { removeType(id); }

// ---- The book's name ----

RenameBookCommand::RenameBookCommand(Book& book, const std::string& oldName)
    : BookCommand(book), oldName(oldName), newName(db().name()) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Set the Database Name"));
}

void RenameBookCommand::takeBack() {
    applyName(oldName);
}

void RenameBookCommand::doAgain() {
    applyName(newName);
}

// ---- Imports ----

ImportCommand::Before ImportCommand::before(const AccountDB& db) {
    Before before{db.transCount(), db.lastIndex(), {}};
    for (int position = 0; position < db.typeCount(); ++position) before.typeIds.push_back(db.typeAt(position).id());
    return before;
}

ImportCommand::ImportCommand(Book& book, const Before& before, Source source)
    : BookCommand(book), was(before), lastIndexAfter(db().lastIndex()) {
    for (int position = 0; position < db().typeCount(); ++position) {
        const KestLib::TransType& type = db().typeAt(position);
        if (std::find(was.typeIds.begin(), was.typeIds.end(), type.id()) == was.typeIds.end())
            newTypes.emplace_back(type.id(), type.name());
    }
    added.reserve(static_cast<std::size_t>(std::max(0, db().transCount() - was.transCount)));
    for (int position = was.transCount; position < db().transCount(); ++position)
        added.push_back(db().transaction(position, false));
    describe(source == Source::Csv ? QT_TRANSLATE_NOOP("BookCommands", "Import CSV")
                                   : QT_TRANSLATE_NOOP("BookCommands", "Import Statement"));
}

void ImportCommand::takeBack() {
    // The imported rows are the last ones, so each goes without a search;
    // the book is shown again once, not row by row.
    AccountDB& records = editable();
    while (records.transCount() > was.transCount) records.deleteTransactionAt(records.transCount() - 1);
    for (auto type = newTypes.rbegin(); type != newTypes.rend(); ++type) records.deleteType(records.typeById(type->first));
    records.restoreLastIndex(was.lastIndex);
    reload();
}

void ImportCommand::doAgain() {
    AccountDB& records = editable();
    for (const auto& [id, name] : newTypes) records.restoreType(id, name);
    for (const Transaction& record : added) records.restoreTransaction(record, records.transCount());
    records.restoreLastIndex(lastIndexAfter);
    reload();
}
