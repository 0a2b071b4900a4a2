#pragma once

#include <QObject>
#include <QString>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/errormsg.h"
#include "core/fileidentity.h"
#include "text/bookcsv.h"
#include "text/booktext.h"
#include "ui/book/bookpath.h"
#include "ui/history/unrecordedchanges.h"

class BookHistory;
enum class ImportSource;
class QUndoStack;

namespace PwText {
class StatementImport;
}  // namespace PwText

namespace KestLib {
class AccountDB;
class BookLock;
class SavePlan;
struct SaveReport;
class Transaction;
}  // namespace KestLib

// What a save needs from the one who asked for it: patience while another
// program saves the same file, and answers to the plan's question.
struct SaveQuestions {
    // Another program is saving the file at path (the system's bytes): wait,
    // calling tryAgain now and then, until it returns true (then true), or
    // give the save up (false).
    std::function<bool(const std::string& path, const std::function<bool()>& tryAgain)> waitForLock;
    // Whether to go on with a plan that needs its question asked.
    std::function<bool(const KestLib::SavePlan& plan)> confirm;
};

// Save found the file it would back up unreadable as a book (truncated,
// damaged, not a book); the core's error says which file and why. Save As,
// which backs nothing up, still works.
struct UnreadableOnDisk {
    KestLib::ErrorMsg error;
};

// The book the window shows: the account database, the file it is bound to
// and the history of its changes. Every change goes through here, is kept in
// the history and announced, so that whatever shows the book follows its
// signals. A change the core refuses throws the core's error and leaves the
// book as it was. Its history's commands undo and redo through its
// unrecorded changes, which only they see.
class Book : public QObject, private UnrecordedChanges {
    Q_OBJECT

public:
    explicit Book(QObject* parent = nullptr);
    ~Book() override;

    const KestLib::AccountDB& database() const override { return *db; }
    // True from New or Open until Close.
    bool isOpen() const { return opened; }
    bool isModified() const;
    // The file the book is bound to; empty when none.
    const BookPath& path() const { return file; }
    QUndoStack* history() const;
    // What turns the book's stored texts into shown ones and back, by its
    // format as it is now: rebuilt when that changed (a book opened, made
    // anew or converted), so that nothing keeps Big5's rules for a book of
    // UTF-8 texts or the other way round.
    PwText::BookTextCodec& texts() const;

    // A new, empty book of this name (stored as format keeps texts: Big5
    // for 1, UTF-8 for 2), unsaved until saved. Built aside, so that a
    // failure leaves the open book as it was.
    void startNew(const std::string& name, int format = 1);
    // This database as the open book, bound to no file and saved as it is.
    void adopt(KestLib::AccountDB database);
    // The core replaces the database only when the whole file was read.
    void open(const BookPath& path);
    void close();
    // Writes the book read from readFrom (empty for none) to target by the
    // core's save plan and binds the book to the file written, with the
    // book's lock held from the plan to the write. The lock is never waited
    // for, nor held, while a person is asked: questions.waitForLock is
    // asked to wait while another program holds it, and questions.confirm
    // about a plan that needs it, after the lock is let go; the plan is
    // then made again, and asked about again if it changed meanwhile. None
    // when either gives up; throws UnreadableOnDisk, or the core's error.
    std::optional<KestLib::SaveReport> save(const BookPath& readFrom, const BookPath& target,
                                            const SaveQuestions& questions);

    // The record gets the book's next index.
    void addTransaction(KestLib::Transaction record);
    // Nothing happens when the book holds no transaction of that index.
    void modifyTransaction(const KestLib::Transaction& record);
    void deleteTransaction(int index);
    // The new type's id.
    int addType(const std::string& name);
    void deleteType(int id);
    void rename(const std::string& name);
    // The book in format 2 with decimals, every text recoded and amount
    // scaled, as one step of the history; nothing happens when it is of
    // format 2 already.
    void convertToFormat2(int decimals);
    // A format 2 book's amounts scaled exactly to decimals, as one step.
    void changeDecimals(int decimals);
    // All or nothing, as the text library's import is.
    PwText::ImportReport importCsv(std::string_view text, PwText::CsvEncoding encoding);
    // A statement's plan, made for this book as it is now; nothing happens
    // when the plan can't import or adds nothing. All or nothing, as the
    // plan's apply is.
    void importStatement(const PwText::StatementImport& plan);

    void undo();
    void redo();

signals:
    // At the end of the book, or back at its old place after an undo.
    void transactionAdded(int position);
    void transactionChanged(int index);
    // position is where it was.
    void transactionRemoved(int position);
    void typesChanged();
    void renamed();
    // The format or the decimals changed; reset came first.
    void formatChanged();
    // Anything else: the whole book is to be read again (new, open, close,
    // an import taken back or done again).
    void reset();
    // Also each step of the history, whose texts change with it.
    void modifiedChanged(bool modified);
    void fileChanged();
    void openChanged(bool open);
    // The history no longer leads back to the book's earlier states, so it
    // went: recording a change or an undo or redo failed with this error.
    void historyLost(const QString& text, const QString& details);

private:
    // The unrecorded changes, for undo and redo.
    void insertTransaction(const KestLib::Transaction& record, int position) override;
    void removeTransactionAt(int position) override;
    void replaceTransaction(const KestLib::Transaction& record) override;
    void restoreType(int id, const std::string& name) override;
    void removeType(int id) override;
    void applyName(const std::string& name) override;
    void restoreLastIndex(int lastIndex) override;
    void removeImport(const ImportedPart& part) override;
    void restoreImport(const ImportedPart& part) override;
    void applyFormat(int format, int decimals, const std::string& formerBytes) override;
    void stepFailed(std::exception_ptr error) override { stepError = std::move(error); }

    template <typename Command, typename... Args>
    void keep(Args&&... args);
    // apply imports into the database and says whether it added anything;
    // what it added is then one step of the history.
    template <typename Apply>
    void recordImport(ImportSource source, Apply apply);
    template <typename Step>
    void runHistoryStep(Step step);
    // New, Open and Close start a history of their own; a new book counts
    // as changed until it is saved.
    void forgetHistory(bool unsaved);
    // Tells why the history went: error is the core's, or a standard exception.
    void loseHistory(const std::exception_ptr& error);
    void followHistory();
    void bind(const BookPath& path, std::optional<KestLib::FileIdentity> identity);
    // The BookLock on path, waited for through questions; none when they give up.
    static std::optional<KestLib::BookLock> takeLock(const std::string& path, const SaveQuestions& questions);
    void setOpen(bool open);

    std::unique_ptr<KestLib::AccountDB> db;
    mutable PwText::BookTextCodec codec{1};
    BookHistory* changes;
    BookPath file;
    // The bound file as it was read or last saved; none without a file.
    std::optional<KestLib::FileIdentity> identity;
    bool opened = false;
    // The error of the history step being run, if it failed.
    std::exception_ptr stepError;
};
