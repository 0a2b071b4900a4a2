#include "ui/history/bookcommands.h"

#include <QCoreApplication>
#include <QUndoStack>
#include <algorithm>

#include "core/accountdb.h"
#include "core/errormsg.h"
#include "text/big5text.h"

using KestLib::AccountDB;
using KestLib::Transaction;

template <typename Step>
void BookCommand::run(Step step) {
    try {
        step();
    } catch (const KestLib::ErrorMsg&) {
        book.stepFailed(std::current_exception());
    } catch (const std::exception&) {
        book.stepFailed(std::current_exception());
    }
}

QString BookCommand::description() const {
    const QString text = QCoreApplication::translate("BookCommands", kind);
    if (const int* index = std::get_if<int>(&argument)) return text.arg(*index);
    // A type name may be translated too, as the type lists show it.
    if (const std::string* name = std::get_if<std::string>(&argument))
        return text.arg(fromStored(*name, db().format()));
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

CreateTransactionCommand::CreateTransactionCommand(UnrecordedChanges& book, int lastIndexBefore)
    : BookCommand(book), created(db().transaction(db().transCount() - 1, false)), lastIndexBefore(lastIndexBefore) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Create Transaction %1"), created.index());
}

void CreateTransactionCommand::takeBack() {
    // The index is given again by the next Create, as if this one never was.
    changes().removeTransactionAt(db().transCount() - 1);
    changes().restoreLastIndex(lastIndexBefore);
}

void CreateTransactionCommand::doAgain() { changes().insertTransaction(created, db().transCount()); }

ModifyTransactionCommand::ModifyTransactionCommand(UnrecordedChanges& book, const Transaction& before,
                                                   const Transaction& after)
    : BookCommand(book), before(before), after(after) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Modify Transaction %1"), after.index());
}

void ModifyTransactionCommand::takeBack() { changes().replaceTransaction(before); }

void ModifyTransactionCommand::doAgain() { changes().replaceTransaction(after); }

DeleteTransactionCommand::DeleteTransactionCommand(UnrecordedChanges& book, const Transaction& deleted, int position)
    : BookCommand(book), deleted(deleted), position(position) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Delete Transaction %1"), deleted.index());
}

void DeleteTransactionCommand::takeBack() { changes().insertTransaction(deleted, position); }

void DeleteTransactionCommand::doAgain() { changes().removeTransactionAt(position); }

// ---- Types ----

AddTypeCommand::AddTypeCommand(UnrecordedChanges& book, int id)
    : BookCommand(book), id(id), name(db().typeById(id).name()) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Add Type %1"), name);
}

void AddTypeCommand::takeBack() { changes().removeType(id); }

void AddTypeCommand::doAgain() { changes().restoreType(id, name); }

DeleteTypeCommand::DeleteTypeCommand(UnrecordedChanges& book, int id, const std::string& name)
    : BookCommand(book), id(id), name(name) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Delete Type %1"), name);
}

void DeleteTypeCommand::takeBack() { changes().restoreType(id, name); }

void DeleteTypeCommand::doAgain() { changes().removeType(id); }

// ---- The book's name ----

RenameBookCommand::RenameBookCommand(UnrecordedChanges& book, const std::string& oldName)
    : BookCommand(book), oldName(oldName), newName(db().name()) {
    describe(QT_TRANSLATE_NOOP("BookCommands", "Set the Database Name"));
}

void RenameBookCommand::takeBack() { changes().applyName(oldName); }

void RenameBookCommand::doAgain() { changes().applyName(newName); }

// ---- The book's format ----

FormatCommand::FormatCommand(UnrecordedChanges& book, int formatBefore, int decimalsBefore, std::string formerBytes)
    : BookCommand(book),
      formatBefore(formatBefore),
      decimalsBefore(decimalsBefore),
      formatAfter(db().format()),
      decimalsAfter(db().decimals()),
      formerBytes(std::move(formerBytes)) {
    if (formatBefore != formatAfter)
        describe(QT_TRANSLATE_NOOP("BookCommands", "Convert to Format 2"));
    else
        describe(QT_TRANSLATE_NOOP("BookCommands", "Set the Decimals to %1"), decimalsAfter);
}

void FormatCommand::takeBack() { changes().applyFormat(formatBefore, decimalsBefore, formerBytes); }

void FormatCommand::doAgain() { changes().applyFormat(formatAfter, decimalsAfter, std::string()); }

// ---- Imports ----

ImportCommand::Before ImportCommand::before(const AccountDB& db) {
    Before before{db.transCount(), db.lastIndex(), {}};
    for (int position = 0; position < db.typeCount(); ++position) before.typeIds.push_back(db.typeAt(position).id());
    return before;
}

ImportCommand::ImportCommand(UnrecordedChanges& book, const Before& before, ImportSource source) : BookCommand(book) {
    part.transCountBefore = before.transCount;
    part.lastIndexBefore = before.lastIndex;
    part.lastIndexAfter = db().lastIndex();
    for (int position = 0; position < db().typeCount(); ++position) {
        const KestLib::TransType& type = db().typeAt(position);
        if (std::find(before.typeIds.begin(), before.typeIds.end(), type.id()) == before.typeIds.end())
            part.newTypes.emplace_back(type.id(), type.name());
    }
    part.added.reserve(static_cast<std::size_t>(std::max(0, db().transCount() - before.transCount)));
    for (int position = before.transCount; position < db().transCount(); ++position)
        part.added.push_back(db().transaction(position, false));
    describe(source == ImportSource::Csv ? QT_TRANSLATE_NOOP("BookCommands", "Import CSV")
                                         : QT_TRANSLATE_NOOP("BookCommands", "Import Statement"));
}

void ImportCommand::takeBack() { changes().removeImport(part); }

void ImportCommand::doAgain() { changes().restoreImport(part); }

// ---- The history's entries ----

QString describedStep(const QUndoStack& steps, int step) {
    const auto* change = dynamic_cast<const BookCommand*>(steps.command(step));
    return change ? change->description() : steps.text(step);
}
