#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/textview.h"

namespace KestLib {

class TextArena;

// A date as eight BCD digits YYYYMMDD in a signed 32-bit code (the width of
// the sums' bounds, where -1 leaves a bound open).
std::int32_t packDate(int year, int month, int day);

// The place of a date code in the order of dates. Compared as the signed
// numbers they are, the codes of the years 8000 to 9999, whose first digit
// sets the sign bit, would come before the year 0; read as unsigned, the
// digits order as they are written over every four-digit year. Every test of
// a date against a bound or another date compares these keys.
constexpr std::uint32_t dateKey(std::int32_t code) { return static_cast<std::uint32_t>(code); }

// The year, month and day a packDate code spells; none when one of its
// digits isn't 0 to 9. Whether they name a calendar date is the caller's to
// ask: stored files hold any digits.
struct DateDigits {
    int year;
    int month;
    int day;
};
// Inline: the monthly figures decode every transaction's date.
inline std::optional<DateDigits> unpackDate(std::int32_t code) {
    const auto bits = static_cast<std::uint32_t>(code);
    int digits[8];
    for (int k = 0; k < 8; ++k) {
        digits[k] = static_cast<int>((bits >> (28 - 4 * k)) & 0xF);
        if (digits[k] > 9) return std::nullopt;
    }
    return DateDigits{digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3], digits[4] * 10 + digits[5],
                      digits[6] * 10 + digits[7]};
}

// One dated income or outgoing entry. A plain value: copying copies every
// field, the index included.
//
// A book holds a million of these, so a record is packed into 32 bytes: the
// date as the widths of the file (year 16 bits, month and day 8 bits) beside
// its date code, which the sums compare, and a comment of up to 13 bytes in
// the record itself. A longer comment lives outside: in the database's text
// arena for a stored record, else in memory the record owns. A value the
// packed fields can't hold exactly (a year below 0 or above 65535, say) moves
// the record's date, type and comment into a small block of its own, so
// whatever a caller sets is what it reads back.
class Transaction {
public:
    Transaction() = default;
    Transaction(const Transaction& other);
    // Keeps the comment where it is, arena included: only the database moves
    // records it holds, and only into its own storage.
    Transaction(Transaction&& other) noexcept;
    Transaction& operator=(const Transaction& other);
    Transaction& operator=(Transaction&& other) noexcept;
    ~Transaction() { release(); }

    int index() const { return index_; }
    void setIndex(int value) { index_ = value; }
    // The three parts of the date at once.
    void setDate(int year, int month, int day);
    int year() const { return place() == wideFields ? wide()->year : year_; }
    void setYear(int value) { setDate(value, month(), day()); }
    int month() const { return place() == wideFields ? wide()->month : month_; }
    void setMonth(int value) { setDate(year(), value, day()); }
    int day() const { return place() == wideFields ? wide()->day : day_; }
    void setDay(int value) { setDate(year(), month(), value); }
    // The id of the transaction's type, not its position in the type list.
    int type() const { return place() == wideFields ? wide()->type : type_; }
    void setType(int value);
    int amount() const { return amount_; }
    void setAmount(int value) { amount_ = value; }
    bool isIncome() const { return (flags & incomeFlag) != 0; }
    void setIncome(bool value) { flags = static_cast<std::uint8_t>(value ? flags | incomeFlag : flags & ~incomeFlag); }
    TextView comment() const;
    void setComment(std::string_view value);
    // True when the book holding the record found its comment storable in a
    // file of format 2, within the characters a comment may have, as it
    // stored the record: a save need not look at the comment again. Any
    // change of the comment clears it; only a book sets it.
    bool isCommentChecked() const { return (flags & checkedFlag) != 0; }

    std::int32_t dateCode() const { return date; }

    // Comments of up to this many bytes take no memory outside the record.
    static constexpr std::size_t inlineComment = 13;

private:
    friend class TextArena;
    friend class AccountDB;
    friend class BookAssembly;

    // The fields that didn't fit the packed record, with the comment.
    struct Wide {
        int year;
        int month;
        int day;
        int type;
        std::string comment;
    };

    enum : std::uint8_t {
        incomeFlag = 1,
        // Where the comment is (two bits); packed fields are in use unless wide.
        inlineText = 0 << 1,
        ownedText = 1 << 1,   // new char[] of its own
        arenaText = 2 << 1,   // a database's TextArena; not freed here
        wideFields = 3 << 1,  // a Wide block of its own holds comment, date and type
        placeMask = 3 << 1,
        checkedFlag = 1 << 3,
    };

    void setCommentChecked(bool value) {
        flags = static_cast<std::uint8_t>(value ? flags | checkedFlag : flags & ~checkedFlag);
    }

    std::uint8_t place() const { return flags & placeMask; }
    bool packable(int year, int month, int day, int type) const;
    void widen();
    void release();
    void copyFrom(const Transaction& other);
    void takeFrom(Transaction& other);
    void setOutOfLine(const char* bytes, std::size_t size, std::uint8_t where);

    Wide* wide() const { return static_cast<Wide*>(address()); }
    void* address() const;
    void setAddress(const void* value);
    std::uint32_t outOfLineSize() const;

    std::int32_t index_ = 0;
    std::int32_t amount_ = 0;
    std::int32_t date = 0;  // packDate(year(), month(), day())
    std::uint16_t year_ = 0;
    std::uint8_t month_ = 0;
    std::uint8_t day_ = 0;
    std::int8_t type_ = 0;
    std::uint8_t flags = 0;
    // Inline: a size byte, then the bytes. Out of line: two unused bytes,
    // the size (32 bits), then the address (of the bytes, or of the Wide
    // block), each copied in and out, as the record is only 4-byte aligned.
    static constexpr std::size_t sizeAt = 2;
    static constexpr std::size_t addressAt = 6;
    unsigned char tail[1 + inlineComment] = {};
};

}  // namespace KestLib
