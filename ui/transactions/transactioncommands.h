#pragma once

class Book;
class CommandGuard;
class QWidget;
class TransactionDialog;
class UserPrompts;

namespace KestLib {
class Transaction;
}  // namespace KestLib

// The Transaction menu's commands and the table's right-click ones: the
// transaction dialog in one mode, then the change it describes, made
// through the book. An error is shown as a warning and changes nothing.
class TransactionCommands {
public:
    TransactionCommands(QWidget* window, Book& book, UserPrompts*& prompts, const CommandGuard& guard)
        : window(window), book(book), prompts(prompts), guard(guard) {}

    // Again after "Add and next", on the same date.
    void create();
    // The dialog asks which transaction.
    void deleteChosen();
    void modifyChosen();
    // The transaction with this index, shown in the dialog.
    void deleteOne(int index);
    void modifyOne(int index);

private:
    // The dialog in mode; true after OK.
    bool run(TransactionDialog& dialog, int mode, int shownIndex = 0);
    // A modify accepted without a change is no change: no step to undo,
    // the book not marked modified.
    void modify(const KestLib::Transaction& entered);

    QWidget* window;
    Book& book;
    UserPrompts*& prompts;
    const CommandGuard& guard;
};
