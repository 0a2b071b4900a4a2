#pragma once

#include <QUndoCommand>
#include <functional>
#include <string>
#include <vector>

#include "transaction.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// The undoable changes to a book. Each command is made right after the
// window made its change (the dialogs change the book themselves, and the
// window's checks and warnings stay where they are), so the first redo,
// which QUndoStack::push runs, does nothing. Undo and redo change the book
// through the core's operations and then tell the window what changed, so
// the table follows row by row.
//
// Qt can't unwind an exception through QUndoStack, so undo and redo catch
// the core's error and hand its message to BookCommandHooks::failed.

// What a command tells after it changed the book.
struct BookCommandHooks {
    KestLib::AccountDB* db = nullptr;
    std::function<void()> appended;           // the last transaction is new
    std::function<void(int index)> modified;  // the transaction with this index changed
    std::function<void(int position)> removed;  // the transaction at this position went
    std::function<void()> reloaded;           // anything else: show the whole book again
    std::function<void()> renamed;            // the book's name changed
    std::function<void(const std::string& message)> failed;
};

class BookCommand : public QUndoCommand {
public:
    void undo() final;
    void redo() final;

protected:
    explicit BookCommand(const BookCommandHooks& hooks) : hooks(hooks) {}
    KestLib::AccountDB& db() const { return *hooks.db; }
    virtual void takeBack() = 0;
    virtual void doAgain() = 0;
    const BookCommandHooks& hooks;

private:
    template <typename Step>
    void run(Step step);
    bool alreadyDone = true;
};

// A transaction added at the end of the book.
class CreateTransactionCommand : public BookCommand {
public:
    // The book's last transaction is the one created; lastIndexBefore is
    // lastIndex before it was numbered.
    CreateTransactionCommand(const BookCommandHooks& hooks, int lastIndexBefore);

private:
    void takeBack() override;
    void doAgain() override;
    KestLib::Transaction created;
    int lastIndexBefore;
};

class ModifyTransactionCommand : public BookCommand {
public:
    // after is what the book holds now.
    ModifyTransactionCommand(const BookCommandHooks& hooks, const KestLib::Transaction& before,
                             const KestLib::Transaction& after);

private:
    void takeBack() override;
    void doAgain() override;
    KestLib::Transaction before;
    KestLib::Transaction after;
};

class DeleteTransactionCommand : public BookCommand {
public:
    // The transaction that was at position before it was deleted.
    DeleteTransactionCommand(const BookCommandHooks& hooks, const KestLib::Transaction& deleted, int position);

private:
    void takeBack() override;
    void doAgain() override;
    KestLib::Transaction deleted;
    int position;
};

class AddTypeCommand : public BookCommand {
public:
    // The type with this id was just added.
    AddTypeCommand(const BookCommandHooks& hooks, int id);

private:
    void takeBack() override;
    void doAgain() override;
    int id;
    std::string name;
};

class DeleteTypeCommand : public BookCommand {
public:
    DeleteTypeCommand(const BookCommandHooks& hooks, int id, const std::string& name);

private:
    void takeBack() override;
    void doAgain() override;
    int id;
    std::string name;
};

class RenameBookCommand : public BookCommand {
public:
    // The book is named newName now.
    RenameBookCommand(const BookCommandHooks& hooks, const std::string& oldName);

private:
    void takeBack() override;
    void doAgain() override;
    std::string oldName;
    std::string newName;
};

// What a CSV import added: new types, and transactions at the end.
class ImportCsvCommand : public BookCommand {
public:
    // What the book was before the import: its transaction count, lastIndex
    // and type ids; what it is now is read from the book.
    struct Before {
        int transCount = 0;
        int lastIndex = 0;
        std::vector<int> typeIds;
    };
    static Before before(const KestLib::AccountDB& db);
    ImportCsvCommand(const BookCommandHooks& hooks, const Before& before);

private:
    void takeBack() override;
    void doAgain() override;
    Before was;
    int lastIndexAfter;
    std::vector<std::pair<int, std::string>> newTypes;  // id, name
    std::vector<KestLib::Transaction> added;
};
