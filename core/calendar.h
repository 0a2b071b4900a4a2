#pragma once

#include <chrono>

namespace KestLib {

// A day the calendar has, 0001-01-01 to 9999-12-31: the dates a book, its
// four-digit texts and every reader of dates hold. The one test of month
// lengths and leap years.
constexpr bool isCalendarDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31) return false;
    return std::chrono::year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                       std::chrono::day{static_cast<unsigned>(day)}}
        .ok();
}

}  // namespace KestLib
