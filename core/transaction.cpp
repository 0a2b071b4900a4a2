#include "core/transaction.h"

#include <cstring>
#include <limits>
#include <string>
#include <utility>

namespace KestLib {

std::int32_t packDate(int year, int month, int day) {
    const int digits[8] = {year / 1000, year % 1000 / 100, year % 100 / 10, year % 10,
                           month / 10,  month % 10,        day / 10,        day % 10};
    // Unsigned, so that an out-of-range year can't overflow a signed shift.
    std::uint32_t code = 0;
    for (int digit : digits) code = (code << 4) | (static_cast<std::uint32_t>(digit) & 0xF);
    return static_cast<std::int32_t>(code);
}

static_assert(sizeof(Transaction) == 32, "a transaction is packed into 32 bytes");

namespace {
template <typename Narrow>
bool fits(int value) {
    return value >= std::numeric_limits<Narrow>::min() && value <= std::numeric_limits<Narrow>::max();
}
}  // namespace

void* Transaction::address() const {
    void* value;
    std::memcpy(&value, tail + addressAt, sizeof value);
    return value;
}

void Transaction::setAddress(const void* value) { std::memcpy(tail + addressAt, &value, sizeof value); }

std::uint32_t Transaction::outOfLineSize() const {
    std::uint32_t size;
    std::memcpy(&size, tail + sizeAt, sizeof size);
    return size;
}

Transaction::Transaction(const Transaction& other) { copyFrom(other); }

Transaction::Transaction(Transaction&& other) noexcept { takeFrom(other); }

Transaction& Transaction::operator=(const Transaction& other) {
    if (this != &other) {
        // Copied before the old comment goes, so a throwing allocation leaves
        // this record as it was.
        Transaction copy(other);
        release();
        takeFrom(copy);
    }
    return *this;
}

Transaction& Transaction::operator=(Transaction&& other) noexcept {
    if (this != &other) {
        release();
        takeFrom(other);
    }
    return *this;
}

void Transaction::copyFrom(const Transaction& other) {
    index_ = other.index_;
    amount_ = other.amount_;
    date = other.date;
    year_ = other.year_;
    month_ = other.month_;
    day_ = other.day_;
    type_ = other.type_;
    flags = other.flags;
    std::memcpy(tail, other.tail, sizeof tail);
    switch (other.place()) {
    case inlineText: break;
    case wideFields: setAddress(new Wide(*other.wide())); break;
    default: {
        // A copy owns its comment, wherever the original keeps it.
        const std::uint32_t size = other.outOfLineSize();
        char* bytes = new char[size];
        std::memcpy(bytes, other.address(), size);
        setAddress(bytes);
        flags = static_cast<std::uint8_t>((flags & ~placeMask) | ownedText);
        break;
    }
    }
}

void Transaction::takeFrom(Transaction& other) {
    std::memcpy(static_cast<void*>(this), &other, sizeof *this);
    // The other record is left an empty one: nothing of its own to free.
    other.flags = 0;
    std::memset(other.tail, 0, sizeof other.tail);
    other.date = 0;
    other.year_ = 0;
    other.month_ = 0;
    other.day_ = 0;
    other.type_ = 0;
}

void Transaction::release() {
    switch (place()) {
    case ownedText: delete[] static_cast<char*>(address()); break;
    case wideFields: delete wide(); break;
    default: break;
    }
    flags = static_cast<std::uint8_t>(flags & ~placeMask);
    tail[0] = 0;
}

bool Transaction::packable(int year, int month, int day, int type) const {
    return fits<std::uint16_t>(year) && fits<std::uint8_t>(month) && fits<std::uint8_t>(day) && fits<std::int8_t>(type);
}

void Transaction::setDate(int year, int month, int day) {
    if (place() != wideFields && !packable(year, month, day, type_)) widen();
    if (place() == wideFields) {
        Wide* fields = wide();
        fields->year = year;
        fields->month = month;
        fields->day = day;
    } else {
        year_ = static_cast<std::uint16_t>(year);
        month_ = static_cast<std::uint8_t>(month);
        day_ = static_cast<std::uint8_t>(day);
    }
    date = packDate(year, month, day);
}

void Transaction::setType(int value) {
    if (place() != wideFields && !fits<std::int8_t>(value)) widen();
    if (place() == wideFields)
        wide()->type = value;
    else
        type_ = static_cast<std::int8_t>(value);
}

void Transaction::widen() {
    auto* fields = new Wide{year_, month_, day_, type_, std::string(comment())};
    release();
    flags = static_cast<std::uint8_t>((flags & ~placeMask) | wideFields);
    setAddress(fields);
}

TextView Transaction::comment() const {
    switch (place()) {
    case inlineText: return {reinterpret_cast<const char*>(tail + 1), tail[0]};
    case wideFields: return {wide()->comment.data(), wide()->comment.size()};
    default: return {static_cast<const char*>(address()), outOfLineSize()};
    }
}

void Transaction::setComment(std::string_view value) {
    setCommentChecked(false);
    if (place() == wideFields) {
        wide()->comment.assign(value);
        return;
    }
    if (value.size() <= inlineComment) {
        // Through a copy: value may be this record's own comment.
        char bytes[inlineComment];
        std::memcpy(bytes, value.data(), value.size());
        release();
        tail[0] = static_cast<unsigned char>(value.size());
        std::memcpy(tail + 1, bytes, value.size());
        return;
    }
    if (value.size() > std::numeric_limits<std::uint32_t>::max()) {
        widen();
        wide()->comment.assign(value);
        return;
    }
    // Allocated before the old comment goes, which value may be part of.
    char* bytes = new char[value.size()];
    std::memcpy(bytes, value.data(), value.size());
    release();
    setOutOfLine(bytes, value.size(), ownedText);
}

void Transaction::setOutOfLine(const char* bytes, std::size_t size, std::uint8_t where) {
    const auto size32 = static_cast<std::uint32_t>(size);
    std::memcpy(tail + sizeAt, &size32, sizeof size32);
    setAddress(bytes);
    flags = static_cast<std::uint8_t>((flags & ~placeMask) | where);
}

}  // namespace KestLib
