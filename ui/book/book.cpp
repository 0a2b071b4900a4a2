#include "ui/book/book.h"

#include <QUndoStack>
#include <exception>
#include <utility>

#include "core/accountdb.h"
#include "core/booklock.h"
#include "core/booksave.h"
#include "core/databaseformat.h"
#include "core/saveplan.h"
#include "text/booktext.h"
#include "text/statementimport.h"
#include "ui/history/bookcommands.h"
#include "ui/history/bookhistory.h"
#include "ui/prompts/coremessages.h"

using KestLib::AccountDB;
using KestLib::Transaction;

Book::Book(QObject* parent) : QObject(parent), db(std::make_unique<AccountDB>()), changes(new BookHistory(this)) {
    connect(changes, &BookHistory::changed, this, &Book::followHistory);
}

Book::~Book() {
    // The history is emptied as it goes, which the half-gone book must not hear.
    changes->disconnect(this);
}

bool Book::isModified() const { return db->isModified(); }

QUndoStack* Book::history() const { return changes->stack(); }

// ---- Whole books ----

PwText::BookTextCodec& Book::texts() const {
    if (codec.storesUtf8() != (db->format() == 2)) codec = PwText::BookTextCodec(*db);
    return codec;
}

void Book::startNew(const std::string& name, int format) {
    AccountDB fresh;
    fresh.reset();
    if (format == 2) PwText::convertToFormat2(fresh, 0);
    fresh.setName(name);
    *db = std::move(fresh);
    forgetHistory(true);
    bind(BookPath(), std::nullopt);
    setOpen(true);
    emit reset();
    if (format == 2) emit formatChanged();
}

void Book::adopt(AccountDB database) {
    *db = std::move(database);
    forgetHistory(false);
    bind(BookPath(), std::nullopt);
    setOpen(true);
    emit reset();
}

void Book::open(const BookPath& path) {
    // Taken before the read: a change while it reads makes the next Save
    // ask, never pass unseen.
    auto read = KestLib::FileIdentity::of(path.bytes());
    db->loadFile(path.bytes());
    forgetHistory(false);
    bind(path, std::move(read));
    setOpen(true);
    emit reset();
}

void Book::close() {
    db->clear();
    forgetHistory(false);
    bind(BookPath(), std::nullopt);
    setOpen(false);
    emit reset();
}

std::optional<KestLib::BookLock> Book::takeLock(const std::string& path, const SaveQuestions& questions) {
    std::optional<KestLib::BookLock> lock = KestLib::BookLock::tryTake(path);
    if (lock) return lock;
    // Tried from the box's event loop, which an exception must not cross.
    std::exception_ptr failure;
    const bool waited = questions.waitForLock(path, [&] {
        try {
            lock = KestLib::BookLock::tryTake(path);
        } catch (...) {
            failure = std::current_exception();
        }
        return lock.has_value() || failure;
    });
    if (failure) std::rethrow_exception(failure);
    if (!waited) return std::nullopt;
    return lock;
}

std::optional<KestLib::SaveReport> Book::save(const BookPath& readFrom, const BookPath& target,
                                              const SaveQuestions& questions) {
    const std::string locked = AccountDB::completedFileName(target.bytes());
    std::optional<KestLib::SavePlan> answered;  // the plan the user said yes to
    for (;;) {
        std::optional<KestLib::BookLock> lock = takeLock(locked, questions);
        if (!lock) return std::nullopt;
        // The file to back up is read before anything is asked: a damaged
        // one stops the save at once.
        KestLib::SavePlan made = KestLib::SavePlan::make(readFrom.bytes(), target.bytes(), identity);
        std::optional<KestLib::BookSave> save;
        try {
            save.emplace(std::move(made));
        } catch (const KestLib::ErrorMsg& error) {
            throw UnreadableOnDisk{error};
        }
        const KestLib::SavePlan& plan = save->plan();
        if (plan.needsQuestion() && !(answered && plan.asksAsBefore(*answered))) {
            // An import of this book by the command line, or another
            // window's save, goes on while the user thinks; the plan is then
            // made anew.
            lock.reset();
            if (!questions.confirm(plan)) return std::nullopt;
            answered = plan;
            continue;
        }
        KestLib::SaveReport report = save->write(*db);
        changes->markClean();
        // Bound to the file really written, so the next Save backs up that
        // one, and knows it as this save left it.
        bind(BookPath::fromBytes(save->plan().target()), KestLib::FileIdentity::of(save->plan().target()));
        return report;
    }
}

void Book::bind(const BookPath& path, std::optional<KestLib::FileIdentity> read) {
    file = path;
    identity = std::move(read);
    emit fileChanged();
}

void Book::setOpen(bool open) {
    if (opened == open) return;
    opened = open;
    emit openChanged(opened);
}

// ---- Recorded changes ----

void Book::addTransaction(Transaction record) {
    const int lastIndex = db->lastIndex();
    db->addTransaction(record);
    emit transactionAdded(db->transCount() - 1);
    keep<CreateTransactionCommand>(lastIndex);
}

void Book::modifyTransaction(const Transaction& record) {
    if (db->transPosition(record.index()) < 0) return;
    const Transaction before = db->transaction(record.index(), true);
    db->modifyTransaction(record);
    emit transactionChanged(record.index());
    keep<ModifyTransactionCommand>(before, record);
}

void Book::deleteTransaction(int index) {
    const int position = db->transPosition(index);
    if (position < 0) return;
    const Transaction deleted = db->transaction(position, false);
    db->deleteTransaction(index);
    emit transactionRemoved(position);
    keep<DeleteTransactionCommand>(deleted, position);
}

int Book::addType(const std::string& name) {
    db->addType(name);
    const int id = db->findType(name).id();
    emit typesChanged();
    keep<AddTypeCommand>(id);
    return id;
}

void Book::deleteType(int id) {
    const std::string name = db->typeById(id).name();
    db->deleteType(db->typeById(id));
    emit typesChanged();
    keep<DeleteTypeCommand>(id, name);
}

void Book::rename(const std::string& name) {
    const std::string oldName = db->name();
    db->setName(name);
    emit renamed();
    keep<RenameBookCommand>(oldName);
}

void Book::convertToFormat2(int decimals) {
    if (db->format() == 2) return;
    const int decimalsBefore = db->decimals();
    // Almost every book comes back from UTF-8 byte for byte; the file of one
    // that wouldn't is kept, so that an undo gives back exactly what was.
    std::string formerBytes = PwText::convertsBackExactly(*db) ? std::string() : KestLib::encodeDatabase(*db);
    PwText::convertToFormat2(*db, decimals);
    emit reset();
    emit formatChanged();
    keep<FormatCommand>(1, decimalsBefore, std::move(formerBytes));
}

void Book::changeDecimals(int decimals) {
    const int decimalsBefore = db->decimals();
    if (decimals == decimalsBefore) return;
    db->changeDecimals(decimals);
    emit reset();
    emit formatChanged();
    keep<FormatCommand>(2, decimalsBefore, std::string());
}

PwText::ImportReport Book::importCsv(std::string_view text, PwText::CsvEncoding encoding) {
    PwText::ImportReport report;
    recordImport(ImportSource::Csv, [&] {
        report = PwText::importCsv(*db, text, encoding);
        return report.accepted && (report.transactions > 0 || !report.newTypes.empty());
    });
    return report;
}

void Book::importStatement(const PwText::StatementImport& plan) {
    if (!plan.canImport() || (plan.newCount() == 0 && plan.newTypes().empty())) return;
    recordImport(ImportSource::Statement, [&] {
        plan.apply(*db);
        return true;
    });
}

template <typename Apply>
void Book::recordImport(ImportSource source, Apply apply) {
    const ImportCommand::Before before = ImportCommand::before(*db);
    if (!apply()) return;
    // One reset for all the rows, however many.
    emit reset();
    keep<ImportCommand>(before, source);
}

template <typename Command, typename... Args>
void Book::keep(Args&&... args) {
    // Should the history fail to take the change, it goes: it no longer
    // leads back to the book's earlier states.
    UnrecordedChanges& unrecorded = *this;
    try {
        changes->push(new Command(unrecorded, std::forward<Args>(args)...));
        return;
    } catch (const KestLib::ErrorMsg&) {
        loseHistory(std::current_exception());
    } catch (const std::exception&) {
        loseHistory(std::current_exception());
    }
    forgetHistory(true);
}

void Book::loseHistory(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const KestLib::ErrorMsg& coreError) {
        emit historyLost(coreMessageText(coreError, db->format()), coreErrorDetails(coreError, QString()));
    } catch (const std::exception& otherError) {
        emit historyLost(coreMessageText(std::string(otherError.what())), QString());
    }
}

// ---- Undo and redo ----

void Book::undo() {
    runHistoryStep([this] { changes->stack()->undo(); });
}

void Book::redo() {
    runHistoryStep([this] { changes->stack()->redo(); });
}

template <typename Step>
void Book::runHistoryStep(Step step) {
    stepError = nullptr;
    step();
    if (!stepError) return;
    const std::exception_ptr error = std::exchange(stepError, nullptr);
    // Whatever part of the step was done stays, so the book counts as changed.
    forgetHistory(true);
    emit reset();
    loseHistory(error);
}

void Book::forgetHistory(bool unsaved) {
    changes->forget(unsaved);
    followHistory();
}

void Book::followHistory() {
    db->setModified(!changes->isClean());
    emit modifiedChanged(db->isModified());
}

// ---- Unrecorded changes, for undo and redo ----

void Book::insertTransaction(const Transaction& record, int position) {
    db->restoreTransaction(record, position);
    emit transactionAdded(position);
}

void Book::removeTransactionAt(int position) {
    db->deleteTransactionAt(position);
    emit transactionRemoved(position);
}

void Book::replaceTransaction(const Transaction& record) {
    db->modifyTransaction(record);
    emit transactionChanged(record.index());
}

void Book::restoreType(int id, const std::string& name) {
    db->restoreType(id, name);
    emit typesChanged();
}

void Book::removeType(int id) {
    db->deleteType(db->typeById(id));
    emit typesChanged();
}

void Book::applyName(const std::string& name) {
    db->setName(name);
    emit renamed();
}

void Book::restoreLastIndex(int lastIndex) { db->restoreLastIndex(lastIndex); }

void Book::removeImport(const ImportedPart& part) {
    // The imported rows are the last ones, so each goes without a search.
    while (db->transCount() > part.transCountBefore) db->deleteTransactionAt(db->transCount() - 1);
    for (auto type = part.newTypes.rbegin(); type != part.newTypes.rend(); ++type)
        db->deleteType(db->typeById(type->first));
    db->restoreLastIndex(part.lastIndexBefore);
    emit reset();
}

void Book::restoreImport(const ImportedPart& part) {
    for (const auto& [id, name] : part.newTypes) db->restoreType(id, name);
    for (const Transaction& record : part.added) db->restoreTransaction(record, db->transCount());
    db->restoreLastIndex(part.lastIndexAfter);
    emit reset();
}

void Book::applyFormat(int format, int decimals, const std::string& formerBytes) {
    if (format == 2 && db->format() == 1) {
        PwText::convertToFormat2(*db, decimals);
    } else if (format == 1 && !formerBytes.empty()) {
        *db = KestLib::decodeDatabase(formerBytes);
    } else if (format == 1) {
        PwText::convertToFormat1(*db);
    } else {
        db->changeDecimals(decimals);
    }
    emit reset();
    emit formatChanged();
}
