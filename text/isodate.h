#pragma once

#include <string>
#include <string_view>

namespace PwText {

struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

// A calendar date written YYYY-MM-DD (ISO 8601, four-digit year 0001 to
// 9999, zero-padded month and day); false for any other text or a day the
// calendar doesn't have.
bool parseIsoDate(std::string_view text, Date& date);
// YYYY-MM-DD, each part zero-padded to its width (a wider part is kept whole).
void appendIsoDate(std::string& out, int year, int month, int day);
std::string isoDate(int year, int month, int day);

}  // namespace PwText
