#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/recordarray.h"
#include "core/selection.h"
#include "core/textarena.h"
#include "core/transaction.h"
#include "core/transtype.h"
#include "core/typeidtable.h"

namespace KestLib {

// Income and outgoing of one type over a date range, each as sumAmount gives
// it: income is the sum with selector 0, outgoing the sum with selector 1
// (zero or negative).
struct InOutSums {
    std::int64_t income = 0;
    std::int64_t outgoing = 0;
};

// One account database in memory: a name, the types, the transactions, the
// last index given out and a modified flag. Every change goes through its
// operations, which keep the type usage counts, the uniqueness of type names
// and ids, and the serial numbering of transactions consistent. Each check
// comes before any change, so a thrown ErrorMsg leaves the database as it was.
class AccountDB {
public:
    AccountDB() = default;
    AccountDB(AccountDB&&) noexcept = default;
    AccountDB& operator=(AccountDB&&) noexcept = default;

    const std::string& name() const { return name_; }
    void setName(const std::string& name);
    bool isModified() const { return modified; }
    // An undo that brings the book back to what was last saved marks it
    // unmodified again; one away from that marks it modified.
    void setModified(bool value) { modified = value; }
    int lastIndex() const { return lastIndex_; }

    // The format of the book's file, 1 or 2, and the decimals of its amounts:
    // format 1 holds Big5 texts and whole units (0 decimals), format 2 UTF-8
    // texts and minor units. A new book is of format 1 until it is converted.
    int format() const { return format_; }
    int decimals() const { return decimals_; }
    // True once the book was read from a file or saved: its format then
    // changes only when the book is converted on purpose; a new book may be
    // converted as soon as it needs what format 1 can't hold.
    bool isFormatKept() const { return formatKept; }
    // Re-encodes every text with recode (from the book's Big5 to UTF-8; none
    // when a text can't be) and multiplies every amount by 10^decimals, all
    // or nothing: refused when the book is of format 2 already, decimals are
    // not a book's, a text can't be recoded or an amount would overflow.
    // Marks the book modified.
    using Recode = std::function<std::optional<std::string>(std::string_view)>;
    void convertToFormat2(int decimals, const Recode& recode);
    // The way back, for an undo: every text re-encoded with recode (from
    // UTF-8 to Big5; none when a text can't be), every amount divided by
    // 10^decimals, format 1 with 0 decimals. All or nothing: refused when the
    // book is of format 1 already, a text can't be recoded or is too long for
    // format 1, or an amount has a fraction.
    void convertToFormat1(const Recode& recode);
    // A format 2 book's amounts all scaled exactly to the new decimals, all
    // or nothing: refused for a format 1 book or decimals that are not a
    // book's, when an amount would overflow, or lose a digit.
    void changeDecimals(int decimals);
    // How many transactions can still be added: each takes the next index
    // and the numbering ends rather than wraps. Wider than an int, as a
    // book's last index may be negative.
    std::int64_t indexesLeft() const { return std::int64_t{INT_MAX} - lastIndex_; }

    int transCount() const { return transactions.size(); }
    int typeCount() const { return types.size(); }

    // By position when byIndex is false, else by the transaction's index.
    const Transaction& transaction(int key, bool byIndex) const;
    int transPosition(int index) const;
    // Sets the record's index to the next serial number.
    void addTransaction(Transaction& record);
    void modifyTransaction(const Transaction& record);
    void deleteTransaction(int index);
    // The same by position, so that taking back what was appended costs
    // no search.
    void deleteTransactionAt(int position);
    // Puts a deleted transaction back as it was: its own index, at this
    // position (the end when past it). Refused when the index is held by
    // another transaction or the type is missing. lastIndex rises to the
    // index if it is below.
    void restoreTransaction(const Transaction& record, int position);
    // Sets lastIndex back to where it was before transactions were added and
    // taken back; refused when a transaction holds a higher index, so new
    // indexes stay unique.
    void restoreLastIndex(int value);

    void addType(const std::string& name);
    void deleteType(const TransType& type);
    // Puts a deleted type back with its own id, in its place in id order and
    // unused. Refused when the id or the name is taken or the id is out of
    // range.
    void restoreType(int id, const std::string& name);
    const TransType& typeAt(int position) const;
    const TransType& typeById(int id) const;
    const TransType& findType(const std::string& name) const;

    // The signed sum of the transactions the selection takes: income adds,
    // outgoing subtracts.
    std::int64_t sum(const Selection& selection) const;
    // The same in the file's terms: each argument set to -1 switches its
    // filter off; the dates are packDate codes and both bounds are
    // inclusive. inOut: 0 income only, other values outgoing only.
    std::int64_t sumAmount(int typeId, int inOut, std::int32_t firstDate, std::int32_t lastDate) const;
    // The same sums for every type id at once, in one pass over the
    // transactions: element id equals sumAmount(id, 0, ...) and
    // sumAmount(id, 1, ...).
    std::array<InOutSums, TypeIdTable::capacity> sumByType(DateRange range) const;
    std::array<InOutSums, TypeIdTable::capacity> sumByType(std::int32_t firstDate, std::int32_t lastDate) const {
        return sumByType(DateRange{firstDate, lastDate});
    }

    void clear();
    void reset();

    // The file saveFile writes for fileName: ".pwdb" appended unless the name
    // already ends so.
    static std::string completedFileName(std::string fileName);
    // Writes the database; appends ".pwdb" to fileName unless it ends so.
    void saveFile(std::string& fileName);
    // Replaces the database with the file's contents, or leaves it exactly
    // as it was when the file can't be read or is damaged.
    void loadFile(const std::string& fileName);
    // The same as loadFile, from the bytes of a whole file.
    void loadBytes(std::string_view bytes);
    // Not modified, and the format now that of a file.
    void markSaved() {
        modified = false;
        formatKept = true;
    }

private:
    // Notes on a record just stored whether a save may take its comment as
    // storable without looking at it again.
    void checkComment(Transaction& stored) const;
    // Throws "The type … has existed" when a type is already so named.
    void refuseTakenTypeName(const std::string& name) const;
    // Adds the type in its place by id and marks the database modified.
    void insertType(int id, const std::string& name);
    TransType& typeByIdForChange(int id);
    int typePositionById(int id) const;

    // This book in another format and decimals, its texts through fromText.
    template <typename RecodeText>
    AccountDB recodedBook(int format, int decimals, RecodeText fromText) const;

    friend class BookAssembly;

    RecordArray<Transaction> transactions;
    RecordArray<TransType> types;
    // The longer comments of the stored transactions.
    TextArena comments;
    int lastIndex_ = 0;
    std::string name_;
    bool modified = false;
    bool formatKept = false;
    int format_ = 1;
    int decimals_ = 0;
    TypeIdTable typeIds;
};

}  // namespace KestLib
