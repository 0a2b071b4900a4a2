#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// A book's amounts as the window writes and reads them: minor units at the
// book's decimals, written with the decimal mark of the interface language
// (German "12,50", English and Chinese "12.50") and read in either mark, so
// that a figure copied from a report or typed out of habit is taken. A book
// of no decimals shows its amounts as the whole numbers it always has.
// Digits only, never binary floating point.
class AmountText {
public:
    // ',' where the interface language writes a decimal comma, else '.'.
    static QChar mark();
    static QString of(std::int64_t minorUnits, int decimals);
    // The characters of(minorUnits, decimals) has, without making the text.
    static int length(std::int64_t minorUnits, int decimals);
    // The minor units of a typed amount: an optional sign, digits, and at
    // most decimals digits after a point or comma. None for anything else.
    static std::optional<std::int64_t> read(const QString& text, int decimals);
};
