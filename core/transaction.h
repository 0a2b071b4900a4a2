#pragma once

#include <cstdint>
#include <string>

namespace KestLib {

// A date as eight BCD digits YYYYMMDD, so that comparing two codes as signed
// integers orders them as the dates are ordered (for years below 8000).
std::int32_t packDate(int year, int month, int day);

// One dated income or outgoing entry. A plain value: copying copies every
// field, the index included.
class Transaction {
public:
    int index() const { return index_; }
    void setIndex(int value) { index_ = value; }
    int year() const { return year_; }
    void setYear(int value) { year_ = value; }
    int month() const { return month_; }
    void setMonth(int value) { month_ = value; }
    int day() const { return day_; }
    void setDay(int value) { day_ = value; }
    // The id of the transaction's type, not its position in the type list.
    int type() const { return type_; }
    void setType(int value) { type_ = value; }
    int amount() const { return amount_; }
    void setAmount(int value) { amount_ = value; }
    bool isIncome() const { return income_; }
    void setIncome(bool value) { income_ = value; }
    const std::string& comment() const { return comment_; }
    void setComment(std::string value) { comment_ = std::move(value); }

    std::int32_t dateCode() const { return packDate(year_, month_, day_); }

private:
    std::int32_t index_ = 0;
    std::int32_t year_ = 0;
    std::int32_t month_ = 0;
    std::int32_t day_ = 0;
    std::int32_t type_ = 0;
    std::int32_t amount_ = 0;
    bool income_ = false;
    std::string comment_;
};

}  // namespace KestLib
