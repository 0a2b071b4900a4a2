#include "text/statementimport.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <string>
#include <unordered_map>

#include "core/accountdb.h"
#include "text/big5codec.h"
#include "text/big5spelling.h"
#include "text/bookadditions.h"
#include "text/booktext.h"
#include "text/statementbookindex.h"
#include "text/statementcomment.h"

using KestLib::AccountDB;

namespace PwText {

namespace {

using Reason = StatementFault::Reason;

// How a comment was changed to be stored.
struct CommentChanges {
    bool respelt = false;  // letters Big5 lacks spelt without them, or replaced
    bool cut = false;      // longer than the book holds
    bool any() const { return respelt || cut; }
};

// The stored form of a comment, or why it has none. A book of UTF-8 keeps
// it exactly. Into a book of Big5, a comment with letters Big5 lacks is
// respelt first, in utf8, which the preview shows; what is still left is
// replaced, and a comment longer than room is cut.
std::optional<Reason> storedComment(BookTextCodec& codec, Big5Codec& big5Codec, std::string& utf8, std::string& stored,
                                    std::size_t room, CommentChanges& changes) {
    changes = {};
    if (codec.storesUtf8()) {
        if (!codec.fromUtf8(utf8, stored)) return Reason::NotStorable;
        if (codec.fault(stored, StoredTextKind::Comment) == StoredTextFault::TooLong) {
            changes.cut = cutUtf8ToCharacters(stored, codec.limit(StoredTextKind::Comment));
            utf8 = stored;
        }
        switch (codec.fault(stored, StoredTextKind::Comment)) {
        case StoredTextFault::None: return std::nullopt;
        case StoredTextFault::ZeroByte: return Reason::NotStorable;
        case StoredTextFault::TooLong: return Reason::TooLong;
        }
        return Reason::NotStorable;
    }
    if (!big5Codec.utf8ToBig5(utf8, stored)) {
        changes.respelt = respellForBig5(utf8);
        if (!big5Codec.utf8ToBig5(utf8, stored)) {
            changes.respelt = replaceUnstorable(utf8, big5Codec) || changes.respelt;
            if (!big5Codec.utf8ToBig5(utf8, stored)) return Reason::NotStorable;
        }
    } else if (stored.find('\0') != std::string::npos) {
        changes.respelt = replaceUnstorable(utf8, big5Codec);
        big5Codec.utf8ToBig5(utf8, stored);
    }
    changes.cut = cutToRoom(stored, utf8, room, big5Codec);
    return storedTextReason<Reason>(stored);
}

// The row's amount in the book's units; none past what a transaction holds.
std::optional<std::int32_t> scaledAmount(std::int32_t amount, int scale) {
    const std::int64_t scaled = std::int64_t{amount} * scale;
    if (scaled > INT32_MAX || scaled < INT32_MIN) return std::nullopt;
    return static_cast<std::int32_t>(scaled);
}

StatementFault faultAt(int line, Reason reason, std::string_view text) {
    return StatementFault{line, reason, shownText(text)};
}

}  // namespace

std::int64_t statementRowRoom(const AccountDB& db) { return db.indexesLeft() + db.transCount(); }

void fitAmountsToBook(const AccountDB& db, StatementOptions& reading, ImportChoices& choices) {
    if (db.decimals() < 2) return;
    reading.amountRule = AmountRule::Cents;
    choices.amountScale = db.decimals() == 3 ? 10 : 1;
}

StatementImport StatementImport::plan(const AccountDB& db, const Statement& statement, const ImportChoices& choices) {
    StatementImport result;
    result.keepsDuplicates = choices.keepDuplicates;
    BookTextCodec codec(db);
    Big5Codec big5Codec;

    // Each comment as the book would store it, and folded where the row's
    // type is to be guessed from it.
    struct Stored {
        std::string comment;
        std::optional<Reason> fault;
        std::string respelt;  // the comment respelt or cut for Big5, when it had to be
        CommentChanges changes;
    };
    std::vector<Stored> stored(statement.rows.size());
    const std::size_t room = statementCommentRoom(db);
    const TypeGuess guess = [&] {
        std::vector<std::string> folded(statement.rows.size());
        std::string comment;
        for (std::size_t k = 0; k < statement.rows.size(); ++k) {
            const StatementRow& row = statement.rows[k];
            comment = row.comment;
            stored[k].fault = storedComment(codec, big5Codec, comment, stored[k].comment, room, stored[k].changes);
            if (stored[k].changes.any()) stored[k].respelt = comment;
            if (row.type.empty() && !stored[k].fault)
                appendFoldedStored(folded[k], stored[k].comment, codec.storesUtf8());
        }
        return TypeGuess(db, folded);
    }();

    DuplicateCounter book(db);
    StatementTypes types(db, codec);
    BookAdditions additions(db);
    const std::int64_t indexesLeft = db.indexesLeft();
    std::int64_t adding = 0;
    bool defaultTypeFaulted = false;
    std::vector<StatementFault> faults;
    std::unordered_map<std::string, std::string> typeSpellings;  // as written -> as stored

    result.planned.reserve(statement.rows.size());
    for (std::size_t k = 0; k < statement.rows.size(); ++k) {
        const StatementRow& row = statement.rows[k];
        PlannedRow planned{row, false, false, false};
        const std::optional<std::int32_t> amount = scaledAmount(row.amount, choices.amountScale);
        if (amount) planned.row.amount = *amount;
        if (stored[k].changes.any()) {
            planned.row.comment = stored[k].respelt;
            planned.respelt = stored[k].changes.respelt;
            planned.cut = stored[k].changes.cut;
        }
        const std::size_t faultsBefore = faults.size();
        if (!amount)
            faults.push_back(faultAt(row.line, Reason::AmountOutOfRange, std::to_string(row.amount)));
        else if (stored[k].fault)
            faults.push_back(faultAt(row.line, *stored[k].fault, row.comment));
        else
            planned.duplicate = book.takeMatch(planned.row, stored[k].comment);
        if (planned.duplicate) ++result.duplicates;
        const bool added = !planned.duplicate || choices.keepDuplicates;

        bool fromDefault = false;
        if (row.type.empty()) {
            const std::optional<int> id = guess.typeFor(k);
            if (id) {
                planned.row.type = types.nameOf(*id);
            } else {
                planned.row.type = choices.defaultType;
                fromDefault = !choices.defaultType.empty();
            }
        }
        if (!codec.storesUtf8() && !planned.row.type.empty() && !isAscii(planned.row.type)) {
            auto spelling = typeSpellings.find(planned.row.type);
            if (spelling == typeSpellings.end()) {
                std::string name = planned.row.type;
                std::string big5;
                if (!codec.fromUtf8(name, big5)) respellForBig5(name);
                spelling = typeSpellings.emplace(planned.row.type, std::move(name)).first;
            }
            if (spelling->second != planned.row.type) {
                planned.row.type = spelling->second;
                planned.respelt = true;
            }
        }
        // A row that is skipped needs no type: none is created for it.
        if (added) {
            const StatementTypes::Settled& type = types.settle(planned.row.type, additions);
            planned.newType = type.isNew;
            if (!type.slot && !fromDefault) {
                faults.push_back(faultAt(row.line, type.fault, planned.row.type));
            } else if (!type.slot && !defaultTypeFaulted) {
                // The default type is the user's choice, not the file's.
                faults.push_back(faultAt(0, type.fault, planned.row.type));
                defaultTypeFaulted = true;
            }
            if (++adding > indexesLeft) faults.push_back(faultAt(row.line, Reason::NoIndexLeft, {}));
        }
        if (added && faults.size() == faultsBefore) {
            ++result.newRows;
            if (row.rounded) ++result.rounded;
            if (row.rounded && row.amount == 0) ++result.roundedToZero;
            if (planned.cut) ++result.cut;
            if (planned.respelt) ++result.respelt;
        }
        result.planned.push_back(std::move(planned));
    }

    result.faultList = statement.faults;
    result.faultList.insert(result.faultList.end(), faults.begin(), faults.end());
    std::stable_sort(result.faultList.begin(), result.faultList.end(),
                     [](const StatementFault& a, const StatementFault& b) { return a.line < b.line; });
    int previousLine = -1;
    for (const StatementFault& fault : result.faultList)
        if (fault.line != previousLine) {
            ++result.faultyRows;
            previousLine = fault.line;
        }
    result.typesToCreate = types.newTypes();
    return result;
}

void StatementImport::apply(AccountDB& db) const {
    if (!canImport()) return;
    // The plan settled every row against this book; the same settling again
    // gives the same types and comments, and so can't fail unless the book
    // changed since.
    BookTextCodec codec(db);
    Big5Codec big5Codec;
    StatementTypes types(db, codec);
    BookAdditions additions(db);
    additions.reserve(static_cast<std::size_t>(newRows));
    std::string utf8, comment;
    CommentChanges changes;
    const std::size_t room = statementCommentRoom(db);
    for (const PlannedRow& row : planned) {
        if (row.duplicate && !keepsDuplicates) continue;
        const StatementTypes::Settled& type = types.settle(row.row.type, additions);
        utf8 = row.row.comment;
        if (!type.slot || storedComment(codec, big5Codec, utf8, comment, room, changes) || changes.any())
            throw std::logic_error("the book changed after the import was planned");
        additions.addTransaction(row.row.year, row.row.month, row.row.day, row.row.amount, row.row.income, *type.slot,
                                 comment);
    }
    if (static_cast<std::int64_t>(additions.transactionCount()) > db.indexesLeft())
        throw std::logic_error("the book changed after the import was planned");
    additions.applyTo(db);
}

}  // namespace PwText
