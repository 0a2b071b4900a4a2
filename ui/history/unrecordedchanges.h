#pragma once

#include <exception>
#include <string>
#include <utility>
#include <vector>

#include "core/transaction.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// What an import added at the end of a book: its new types and its
// transactions, with the book's transaction count and lastIndex before and
// after, so that it can be taken back and done again as a whole.
struct ImportedPart {
    int transCountBefore = 0;
    int lastIndexBefore = 0;
    int lastIndexAfter = 0;
    std::vector<std::pair<int, std::string>> newTypes;  // id, name as stored
    std::vector<KestLib::Transaction> added;
};

// The changes undo and redo make to a book. They announce themselves as the
// recorded changes do, but are not recorded again. The book implements them;
// the history's commands see the book through this alone.
class UnrecordedChanges {
public:
    virtual const KestLib::AccountDB& database() const = 0;

    virtual void insertTransaction(const KestLib::Transaction& record, int position) = 0;
    virtual void removeTransactionAt(int position) = 0;
    virtual void replaceTransaction(const KestLib::Transaction& record) = 0;
    virtual void restoreType(int id, const std::string& name) = 0;
    virtual void removeType(int id) = 0;
    virtual void applyName(const std::string& name) = 0;
    virtual void restoreLastIndex(int lastIndex) = 0;
    // The book is shown again once, not row by row.
    virtual void removeImport(const ImportedPart& part) = 0;
    virtual void restoreImport(const ImportedPart& part) = 0;
    // The whole book in format and decimals: from format 1 every text
    // recoded, else every amount scaled. formerBytes, when not empty, is the
    // format 1 file the book is to be again, kept for a book whose texts
    // don't come back exactly through UTF-8.
    virtual void applyFormat(int format, int decimals, const std::string& formerBytes) = 0;

    // Qt can't unwind an exception through QUndoStack: a step that fails
    // hands its error (the core's, or a standard exception) over here.
    virtual void stepFailed(std::exception_ptr error) = 0;

protected:
    ~UnrecordedChanges() = default;
};
