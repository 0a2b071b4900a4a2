#pragma once

// What a statement's rows are matched against in the book, each built once
// per plan: the transactions as a multiset for the duplicate check, the
// types the book gives each comment for the type guess, and the types by
// their names in UTF-8. Stored texts are read in the book's encoding.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/typeidtable.h"
#include "text/bookadditions.h"
#include "text/statement.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

namespace PwText {

class BookTextCodec;

// The book's transactions counted by date, direction, amount and comment
// as stored (Big5): a table open-addressed by hash with one slot for each
// distinct transaction, holding how many of them no row has matched yet.
// Equal transactions share their slot, so a book of 200,000 equal rows is
// one probe a look-up, not a walk past those already matched.
class DuplicateCounter {
public:
    explicit DuplicateCounter(const KestLib::AccountDB& db);
    // True when the book holds such a transaction that no earlier match
    // took; this match then takes it.
    bool takeMatch(const StatementRow& row, std::string_view storedComment);

private:
    struct Slot {
        std::uint32_t tag = 0;       // the hash's high half
        std::int32_t position = -1;  // the first such transaction in the book
        std::int32_t unmatched = 0;  // the equal transactions not matched yet
    };
    const KestLib::AccountDB& db;
    std::vector<Slot> table;  // a power of two, at least twice the transactions
    std::uint64_t mask = 0;
};

// Big5 text with its letters folded, for comparing comments case aside:
// ASCII here, every other letter Big5 holds as QString::toCaseFolded folds
// it (a fold Big5 can't hold leaves the letter as it is).
void appendFoldedBig5(std::string& out, std::string_view big5);
// The same for UTF-8, as QString::toCaseFolded folds it.
void appendFoldedUtf8(std::string& out, std::string_view utf8);
// A book's stored text folded by its encoding: UTF-8 when utf8, else Big5.
void appendFoldedStored(std::string& out, std::string_view stored, bool utf8);

// The type the book uses most often for each of the comments asked about,
// case aside; on a tie, the type of the earliest such transaction in the
// book's order. Only comments a row asks about are counted.
class TypeGuess {
public:
    // One folded Big5 comment (appendFoldedBig5) per row; empty for a row
    // that asks nothing.
    TypeGuess(const KestLib::AccountDB& db, const std::vector<std::string>& comments);
    // The type id for row's comment, if the book has typed it.
    std::optional<int> typeFor(std::size_t row) const;

private:
    struct Use {
        int type;
        int count;
    };
    // The types one comment has, in the order first used: a few inline, as
    // most comments have one type.
    struct Uses {
        std::array<Use, 2> first{};
        int firstCount = 0;
        std::vector<Use> rest;
        void add(int type);
    };
    std::vector<int> entryOfRow;  // -1: asks nothing
    std::vector<Uses> entries;
};

// The types a statement's rows name, in UTF-8: the book's own by the names
// it shows, others converted to the book's encoding and created as new
// types, each name settled once.
class StatementTypes {
public:
    StatementTypes(const KestLib::AccountDB& db, BookTextCodec& codec);

    // The UTF-8 name of one of the book's types.
    const std::string& nameOf(int id) const;

    struct Settled {
        std::optional<int> slot;  // an additions' slot; none at fault
        StatementFault::Reason fault = StatementFault::Reason::NotStorable;
        bool isNew = false;
    };
    // The slot of the type named utf8Name, a new one taken from additions
    // when the book has none so named.
    const Settled& settle(const std::string& utf8Name, BookAdditions& additions);
    // The new types in the order they were first settled, UTF-8.
    const std::vector<std::string>& newTypes() const { return created; }

private:
    BookTextCodec& codec;
    std::array<std::string, KestLib::TypeIdTable::capacity> names;  // by id
    std::unordered_map<std::string, Settled, TextHash, std::equal_to<>> settled;
    std::vector<std::string> created;
};

}  // namespace PwText
