#pragma once

#include <QUndoCommand>
#include <string>
#include <variant>
#include <vector>

#include "ui/book/book.h"
#include "core/transaction.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// The undoable changes to a book. Each command is made right after the
// book made its change, so the first redo, which QUndoStack::push runs,
// does nothing. Undo and redo change the book through its unrecorded
// changes, which announce themselves as the recorded ones do.
//
// Qt can't unwind an exception through QUndoStack, so undo and redo catch
// the core's error and hand its message to the book.
class BookCommand : public QUndoCommand {
public:
    void undo() final;
    void redo() final;
    // The change in the current language: its kind and arguments are kept,
    // and worded only when shown, so that an entry made before a language
    // switch follows it.
    QString description() const;

protected:
    explicit BookCommand(Book& book) : book(book) {}
    const KestLib::AccountDB& db() const { return book.database(); }
    KestLib::AccountDB& editable() const { return book.editable(); }
    void insertTransaction(const KestLib::Transaction& record, int position) const {
        book.insertTransaction(record, position);
    }
    void removeTransactionAt(int position) const { book.removeTransactionAt(position); }
    void replaceTransaction(const KestLib::Transaction& record) const { book.replaceTransaction(record); }
    void restoreType(int id, const std::string& name) const { book.restoreType(id, name); }
    void removeType(int id) const { book.removeType(id); }
    void applyName(const std::string& name) const { book.applyName(name); }
    void restoreLastIndex(int lastIndex) const { book.restoreLastIndex(lastIndex); }
    void reload() const { book.reload(); }
    virtual void takeBack() = 0;
    virtual void doAgain() = 0;
    // change: the untranslated text (context "BookCommands"), its %1 a
    // transaction's index or a type's stored name.
    void describe(const char* change, std::variant<std::monostate, int, std::string> what = {});

private:
    template <typename Step>
    void run(Step step);
    Book& book;
    bool alreadyDone = true;
    const char* kind = "";
    std::variant<std::monostate, int, std::string> argument;
};

// A transaction added at the end of the book.
class CreateTransactionCommand : public BookCommand {
public:
    // The book's last transaction is the one created; lastIndexBefore is
    // lastIndex before it was numbered.
    CreateTransactionCommand(Book& book, int lastIndexBefore);

private:
    void takeBack() override;
    void doAgain() override;
    KestLib::Transaction created;
    int lastIndexBefore;
};

class ModifyTransactionCommand : public BookCommand {
public:
    // after is what the book holds now.
    ModifyTransactionCommand(Book& book, const KestLib::Transaction& before,
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
    DeleteTransactionCommand(Book& book, const KestLib::Transaction& deleted, int position);

private:
    void takeBack() override;
    void doAgain() override;
    KestLib::Transaction deleted;
    int position;
};

class AddTypeCommand : public BookCommand {
public:
    // The type with this id was just added.
    AddTypeCommand(Book& book, int id);

private:
    void takeBack() override;
    void doAgain() override;
    int id;
    std::string name;
};

class DeleteTypeCommand : public BookCommand {
public:
    DeleteTypeCommand(Book& book, int id, const std::string& name);

private:
    void takeBack() override;
    void doAgain() override;
    int id;
    std::string name;
};

class RenameBookCommand : public BookCommand {
public:
    // The book is named newName now.
    RenameBookCommand(Book& book, const std::string& oldName);

private:
    void takeBack() override;
    void doAgain() override;
    std::string oldName;
    std::string newName;
};

// What an import added, from the book's own CSV or from a bank statement:
// new types, and transactions at the end.
class ImportCommand : public BookCommand {
public:
    // Names the step in the history.
    enum class Source { Csv, Statement };
    // What the book was before the import: its transaction count, lastIndex
    // and type ids; what it is now is read from the book.
    struct Before {
        int transCount = 0;
        int lastIndex = 0;
        std::vector<int> typeIds;
    };
    static Before before(const KestLib::AccountDB& db);
    ImportCommand(Book& book, const Before& before, Source source);

private:
    void takeBack() override;
    void doAgain() override;
    Before was;
    int lastIndexAfter;
    std::vector<std::pair<int, std::string>> newTypes;  // id, name
    std::vector<KestLib::Transaction> added;
};
