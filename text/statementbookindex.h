#pragma once

// What a statement's rows are matched against in the book, each built once
// per plan: the transactions as a multiset for the duplicate check, the
// types the book gives each comment for the type guess, and the types by
// their names in UTF-8.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "bookadditions.h"
#include "statement.h"
#include "typeidtable.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

namespace PwText {

class Big5Codec;

// The book's transactions counted by date, direction, amount and comment
// as stored (Big5).
class DuplicateCounter {
public:
    explicit DuplicateCounter(const KestLib::AccountDB& db);
    // True when the book holds such a transaction that no earlier match
    // took; this match then takes it.
    bool takeMatch(const StatementRow& row, std::string_view storedComment);

private:
    struct Key {
        std::int32_t date;
        std::int32_t amount;
        bool income;
        std::string_view comment;  // the book's own bytes, valid while the plan is made
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const;
    };
    std::unordered_map<Key, int, KeyHash> counts;
};

// A comment as the type guess compares comments: ASCII letters folded here,
// every other character by Qt's case folding. UTF-8.
std::string foldedComment(std::string_view utf8);

// The type the book uses most often for each comment, case-insensitive; on
// a tie, the type of the earliest such transaction in the book's order.
// Transactions without a comment teach nothing.
class TypeGuess {
public:
    TypeGuess(const KestLib::AccountDB& db, Big5Codec& codec);
    // The type id for the comment (UTF-8), if the book has typed it.
    std::optional<int> typeFor(std::string_view utf8Comment) const;

private:
    std::unordered_map<std::string, int, TextHash, std::equal_to<>> bestType;  // folded comment -> id
};

// The types a statement's rows name, in UTF-8: the book's own by the names
// it shows, others converted to Big5 and created as new types, each name
// settled once.
class StatementTypes {
public:
    StatementTypes(const KestLib::AccountDB& db, Big5Codec& codec);

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
    Big5Codec& codec;
    std::array<std::string, KestLib::TypeIdTable::capacity> names;  // by id
    std::unordered_map<std::string, Settled, TextHash, std::equal_to<>> settled;
    std::vector<std::string> created;
};

}  // namespace PwText
