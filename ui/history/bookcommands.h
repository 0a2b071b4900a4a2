#pragma once

#include <QString>
#include <QUndoCommand>
#include <string>
#include <variant>
#include <vector>

#include "core/transaction.h"
#include "ui/history/unrecordedchanges.h"

class QUndoStack;

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// The undoable changes to a book. Each command is made right after the
// book made its change, so the first redo, which QUndoStack::push runs,
// does nothing. Undo and redo change the book through its unrecorded
// changes, which announce themselves as the recorded ones do.
//
// Qt can't unwind an exception through QUndoStack, so undo and redo catch
// the error and hand it to the book.
class BookCommand : public QUndoCommand {
public:
    void undo() final;
    void redo() final;
    // The change in the current language: its kind and arguments are kept,
    // and worded only when shown, so that an entry made before a language
    // switch follows it.
    QString description() const;

protected:
    explicit BookCommand(UnrecordedChanges& book) : book(book) {}
    const KestLib::AccountDB& db() const { return book.database(); }
    UnrecordedChanges& changes() const { return book; }
    virtual void takeBack() = 0;
    virtual void doAgain() = 0;
    // change: the untranslated text (context "BookCommands"), its %1 a
    // transaction's index or a type's stored name.
    void describe(const char* change, std::variant<std::monostate, int, std::string> what = {});

private:
    template <typename Step>
    void run(Step step);
    UnrecordedChanges& book;
    bool alreadyDone = true;
    const char* kind = "";
    std::variant<std::monostate, int, std::string> argument;
};

// A transaction added at the end of the book.
class CreateTransactionCommand : public BookCommand {
public:
    // The book's last transaction is the one created; lastIndexBefore is
    // lastIndex before it was numbered.
    CreateTransactionCommand(UnrecordedChanges& book, int lastIndexBefore);

private:
    void takeBack() override;
    void doAgain() override;
    KestLib::Transaction created;
    int lastIndexBefore;
};

class ModifyTransactionCommand : public BookCommand {
public:
    // after is what the book holds now.
    ModifyTransactionCommand(UnrecordedChanges& book, const KestLib::Transaction& before,
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
    DeleteTransactionCommand(UnrecordedChanges& book, const KestLib::Transaction& deleted, int position);

private:
    void takeBack() override;
    void doAgain() override;
    KestLib::Transaction deleted;
    int position;
};

class AddTypeCommand : public BookCommand {
public:
    // The type with this id was just added.
    AddTypeCommand(UnrecordedChanges& book, int id);

private:
    void takeBack() override;
    void doAgain() override;
    int id;
    std::string name;
};

class DeleteTypeCommand : public BookCommand {
public:
    DeleteTypeCommand(UnrecordedChanges& book, int id, const std::string& name);

private:
    void takeBack() override;
    void doAgain() override;
    int id;
    std::string name;
};

class RenameBookCommand : public BookCommand {
public:
    // The book is named newName now.
    RenameBookCommand(UnrecordedChanges& book, const std::string& oldName);

private:
    void takeBack() override;
    void doAgain() override;
    std::string oldName;
    std::string newName;
};

// The book converted to format 2, or a format 2 book's decimals changed:
// every text and amount at once.
class FormatCommand : public BookCommand {
public:
    // The book was of formatBefore with decimalsBefore and is converted now;
    // formerBytes, when not empty, is its format 1 file (see applyFormat).
    FormatCommand(UnrecordedChanges& book, int formatBefore, int decimalsBefore, std::string formerBytes);

private:
    void takeBack() override;
    void doAgain() override;
    int formatBefore;
    int decimalsBefore;
    int formatAfter;
    int decimalsAfter;
    std::string formerBytes;
};

// Where an import came from, which names its step in the history.
enum class ImportSource { Csv, Statement };

// What an import added, from the book's own CSV or from a bank statement:
// new types, and transactions at the end.
class ImportCommand : public BookCommand {
public:
    // What the book was before the import: its transaction count, lastIndex
    // and type ids; what it is now is read from the book.
    struct Before {
        int transCount = 0;
        int lastIndex = 0;
        std::vector<int> typeIds;
    };
    static Before before(const KestLib::AccountDB& db);
    ImportCommand(UnrecordedChanges& book, const Before& before, ImportSource source);

private:
    void takeBack() override;
    void doAgain() override;
    ImportedPart part;
};

// The step's change in the current language, for the Undo and Redo entries.
QString describedStep(const QUndoStack& steps, int step);
