#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/accountdb.h"
#include "core/errormsg.h"

namespace KestLib {

// A book put together from a file, record by record, holding every reader to
// the same rules whatever the format: at most 128 types, in strictly
// ascending id order (so no id twice), no name twice; each transaction of a
// type the file holds, no index twice; the last index never below an index
// in use. A break is damage; a transaction of a missing type is the
// out-of-bound error the first reader gave it.
class BookAssembly {
public:
    void setName(std::string name) { db.name_ = std::move(name); }
    void setFormat(int format, int decimals) {
        db.format_ = format;
        db.decimals_ = decimals;
    }
    void addType(int id, std::string name);
    void setLastIndex(std::int32_t value) { db.lastIndex_ = value; }
    std::int32_t lastIndex() const { return db.lastIndex_; }

    // Room for the records is taken as they are read, doubling, rather than
    // at once for the count the file declares: a count is only a claim, and
    // a file that doesn't hold what it claims (a sparse one of many
    // gigabytes, say) is then refused having cost about what it held. The
    // comments' arena grows the same way by itself. Call before each record
    // i of count.
    void makeRoom(std::int32_t i, std::int32_t count) {
        if (i != reserved) return;
        reserved += std::min(count - reserved, std::max(firstReservation, reserved));
        db.transactions.reserve(reserved);
    }
    // Inline: a million transactions pass here. checked: the reader found
    // the comment storable in format 2, within a comment's characters.
    void addTransaction(Transaction&& record, std::string_view comment, bool checked = false) {
        const auto typeId = static_cast<unsigned>(record.type());
        const int typePosition = typeId < positionOfId.size() ? positionOfId[typeId] : -1;
        if (typePosition < 0) throw ErrorMsg(ErrorCode::outOfBound);
        db.types.at(typePosition).incCount();
        // An index given twice in a row is damage found at once, so that a
        // file of zeros claiming a vast count is not read to its end first.
        const bool first = db.transactions.size() == 0;
        if (!first && record.index() == previousIndex) throw ErrorMsg(ErrorCode::damaged);
        if (!first && record.index() < previousIndex) indexesAscend = false;
        previousIndex = record.index();
        // New indexes must stay unique even when the stored last index lags.
        if (record.index() > db.lastIndex_) db.lastIndex_ = record.index();
        Transaction& stored = db.transactions.append(std::move(record));
        db.comments.setComment(stored, comment);
        stored.setCommentChecked(checked);
    }
    // The book, unmodified and with its format kept, once the last checks pass.
    AccountDB finish();

private:
    static constexpr std::int32_t firstReservation = 4096;
    AccountDB db;
    std::vector<int> positionOfId = std::vector<int>(TypeIdTable::capacity, -1);
    bool indexesAscend = true;
    std::int32_t previousIndex = 0;
    std::int32_t reserved = 0;
};

}  // namespace KestLib
