#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace KestLib {
class AccountDB;
}  // namespace KestLib

namespace PwText {

// The most bytes a comment or a type name takes in a book.
inline constexpr std::size_t maxStoredTextBytes = 255;

// Why Big5 bytes can't be stored as a comment or a type name: the book ends
// a text at a zero byte, and holds at most maxStoredTextBytes.
enum class StoredTextFault { None, ZeroByte, TooLong };
StoredTextFault storedTextFault(std::string_view big5);
// The same as the reason of a reader's own kind (NotStorable or TooLong);
// none when the bytes can be stored.
template <typename Reason>
std::optional<Reason> storedTextReason(std::string_view big5) {
    switch (storedTextFault(big5)) {
    case StoredTextFault::None: return std::nullopt;
    case StoredTextFault::ZeroByte: return Reason::NotStorable;
    case StoredTextFault::TooLong: return Reason::TooLong;
    }
    return Reason::NotStorable;
}

// A text for a message: one line, not too long (UTF-8).
std::string shownText(std::string_view utf8);

// Lets a map of texts be searched with a view, without a copy per look-up.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// The types and transactions an import adds to a book, gathered while the
// file is checked and added at once, all or nothing: every import of rows
// into a book shares this.
class BookAdditions {
public:
    explicit BookAdditions(const KestLib::AccountDB& db);

    // A slot for the type named name (Big5): the book's own type, or one
    // to create; none when that would be one more than a book's 128 types.
    std::optional<int> typeSlot(const std::string& name);
    bool isNewType(int slot) const { return slot >= newTypeBase; }
    // In the order first asked for, as the book stores them (Big5).
    const std::vector<std::string>& newTypes() const { return typesToCreate; }

    void reserve(std::size_t transactions) { pending.reserve(transactions); }
    void addTransaction(int year, int month, int day, std::int32_t amount, bool income, int typeSlot,
                        std::string comment);
    std::size_t transactionCount() const { return pending.size(); }

    // Adds the new types, then the transactions, to db, the book the slots
    // were taken for. All or nothing: on a failure db is left as it was and
    // the error is thrown on.
    void applyTo(KestLib::AccountDB& db) const;

private:
    static constexpr int newTypeBase = 1000;

    struct PendingTransaction {
        std::int32_t year;
        std::int16_t month;
        std::int16_t day;
        std::int32_t amount;
        bool income;
        int typeSlot;
        std::string comment;
    };

    int bookTypes = 0;
    std::unordered_map<std::string, int, TextHash, std::equal_to<>> knownTypes;  // every type name known
    std::vector<std::string> typesToCreate;
    std::vector<PendingTransaction> pending;
};

}  // namespace PwText
