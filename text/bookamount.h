#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace PwText {

// An amount of minor units in a book of decimals, with a point and every
// decimal written: 120891 at 2 decimals is "1208.91", -15 is "-0.15", 12 at
// 0 decimals is "12". Digits only, never binary floating point.
std::string formatAmount(std::int64_t minorUnits, int decimals);
void appendAmount(std::string& out, std::int64_t minorUnits, int decimals);

// The minor units of text at decimals: an optional sign, digits, and at
// most decimals digits after a point ("12.5" is 1250 at 2 decimals, "12" is
// 1200). None for other text, a fraction finer than the book keeps, or a
// magnitude past what 64 bits hold.
std::optional<std::int64_t> parseAmount(std::string_view text, int decimals);

}  // namespace PwText
