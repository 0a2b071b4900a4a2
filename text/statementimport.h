#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/statement.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

namespace PwText {

// What the user chose beyond how the file is read.
struct ImportChoices {
    // Rows equal to a transaction of the book are skipped unless kept.
    bool keepDuplicates = false;
    // The type of a row that names none and whose comment the book has never
    // typed; created if new. Empty: the book's nameless type. UTF-8.
    std::string defaultType;
    // Each row's amount times this: 10 for a statement read in cents into a
    // book of 3 decimals (see fitAmountsToBook).
    int amountScale = 1;
};

// Reads a statement's amounts as the book keeps them: exactly, in cents,
// into a book of 2 or 3 decimals; into a book of none as asked (rounded, or
// read as cents for a book kept in cents by hand).
void fitAmountsToBook(const KestLib::AccountDB& db, StatementOptions& reading, ImportChoices& choices);

// The most rows a statement for db can hold, duplicates included: the
// indexes the book has left, and one more row for each transaction it
// holds, which a row may match and so not need an index. A statement read
// with this room (StatementOptions::rowRoom) stops at the first row past
// it; the plan then counts the indexes exactly.
std::int64_t statementRowRoom(const KestLib::AccountDB& db);

// What importing a statement into a book would do, row by row, decided
// before anything changes, so that the window can show it and the import
// can be all or nothing.
//
// A row is a duplicate when the book holds a transaction of the same date,
// direction, amount and comment (as stored) that no earlier row of the file
// was matched with: the book's transactions and the file's rows count as
// multisets, so a statement imported twice adds nothing the second time,
// and two equal rows of one file against one in the book add one.
//
// Into a book of format 1, comments and type names with letters Big5 lacks
// are respelt without them (see big5spelling.h) before anything is compared
// or stored; any other character of a comment the book can't store is
// replaced, and a comment longer than the book holds is cut (see
// statementcomment.h). A book of format 2 keeps them exactly.
//
// A row without a type gets the type the book uses most often for the same
// comment (case-insensitive; the earliest such type on a tie), else the
// default type, else the nameless type.
class StatementImport {
public:
    struct PlannedRow {
        StatementRow row;  // with its type name filled in as it will be stored (UTF-8)
        bool duplicate = false;
        bool newType = false;  // its type doesn't exist yet and will be created
        bool respelt = false;  // its comment or type had letters Big5 lacks, spelt without them
        bool cut = false;      // its comment was longer than the book holds, and is cut
    };

    static StatementImport plan(const KestLib::AccountDB& db, const Statement& statement, const ImportChoices& choices);

    const std::vector<PlannedRow>& rows() const { return planned; }
    // The statement's faults and the plan's own (NotStorable, TooLong,
    // TooManyTypes, NoIndexLeft), in line order. Any fault blocks the import.
    const std::vector<StatementFault>& faults() const { return faultList; }
    bool canImport() const { return faultList.empty(); }

    int newCount() const { return newRows; }                  // the rows that will be added
    int duplicateCount() const { return duplicates; }         // skipped (or kept, when chosen: then counted still)
    int roundedCount() const { return rounded; }              // of the rows that will be added
    int roundedToZeroCount() const { return roundedToZero; }  // of those rounded
    int cutCount() const { return cut; }                      // of the rows that will be added
    int respeltCount() const { return respelt; }              // of the rows that will be added
    int faultyCount() const { return faultyRows; }            // rows at fault, a whole-file fault counting as one
    const std::vector<std::string>& newTypes() const { return typesToCreate; }  // UTF-8

    // Adds the new rows (and the new types) to db, which must be the book
    // the plan was made for, unchanged since. All or nothing: on any failure
    // db is as it was and the error is thrown. Does nothing when !canImport().
    void apply(KestLib::AccountDB& db) const;

private:
    std::vector<PlannedRow> planned;
    std::vector<StatementFault> faultList;
    std::vector<std::string> typesToCreate;
    int newRows = 0;
    int duplicates = 0;
    int rounded = 0;
    int roundedToZero = 0;
    int cut = 0;
    int respelt = 0;
    int faultyRows = 0;
    bool keepsDuplicates = false;
};

}  // namespace PwText
