#include "transaction.h"

namespace KestLib {

std::int32_t packDate(int year, int month, int day) {
    const int digits[8] = {year / 1000, year % 1000 / 100, year % 100 / 10, year % 10,
                           month / 10,  month % 10,        day / 10,        day % 10};
    // Unsigned, so that an out-of-range year can't overflow a signed shift.
    std::uint32_t code = 0;
    for (int digit : digits) code = (code << 4) | (static_cast<std::uint32_t>(digit) & 0xF);
    return static_cast<std::int32_t>(code);
}

}  // namespace KestLib
