#include "text/isodate.h"

#include <charconv>

#include "core/calendar.h"

namespace PwText {

namespace {

// The number held by exactly width digits at text[from].
bool digitsAt(std::string_view text, std::size_t from, std::size_t width, int& value) {
    value = 0;
    for (std::size_t k = from; k < from + width; ++k) {
        if (text[k] < '0' || text[k] > '9') return false;
        value = value * 10 + (text[k] - '0');
    }
    return true;
}

void appendPadded(std::string& out, int value, int width) {
    char digits[16];
    const bool negative = value < 0;
    const char* end =
        std::to_chars(digits, digits + sizeof digits, negative ? -static_cast<long long>(value) : value).ptr;
    if (negative) out.push_back('-');
    for (auto length = end - digits; length < width; ++length) out.push_back('0');
    out.append(digits, static_cast<std::size_t>(end - digits));
}

}  // namespace

bool parseIsoDate(std::string_view text, Date& date) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
    Date parsed;
    if (!digitsAt(text, 0, 4, parsed.year) || !digitsAt(text, 5, 2, parsed.month) || !digitsAt(text, 8, 2, parsed.day))
        return false;
    if (!KestLib::isCalendarDate(parsed.year, parsed.month, parsed.day)) return false;
    date = parsed;
    return true;
}

void appendIsoDate(std::string& out, int year, int month, int day) {
    appendPadded(out, year, 4);
    out.push_back('-');
    appendPadded(out, month, 2);
    out.push_back('-');
    appendPadded(out, day, 2);
}

std::string isoDate(int year, int month, int day) {
    std::string out;
    appendIsoDate(out, year, month, day);
    return out;
}

}  // namespace PwText
