#pragma once

#include <bitset>
#include <cstdint>

#include "transaction.h"
#include "typeidtable.h"

namespace PwText {

// Which transactions an export or a listing takes: a date range, a set of
// types and income, outgoing or both, with the meaning the analyses give
// them (date codes inclusive, -1 for no bound; in/out -1 both, 0 income only,
// 1 outgoing only). The default takes every transaction.
struct TransactionFilter {
    std::int32_t firstDate = -1;
    std::int32_t lastDate = -1;
    int inOut = -1;
    bool allTypes = true;
    std::bitset<KestLib::TypeIdTable::capacity> types;  // read only when allTypes is false

    bool takes(const KestLib::Transaction& record) const {
        if (inOut == 0 && !record.isIncome()) return false;
        if (inOut != -1 && inOut != 0 && record.isIncome()) return false;
        if (!allTypes && (record.type() < 0 || record.type() >= KestLib::TypeIdTable::capacity ||
                          !types.test(static_cast<std::size_t>(record.type()))))
            return false;
        if (firstDate == -1 && lastDate == -1) return true;
        const std::int32_t code = record.dateCode();
        return (firstDate == -1 || code >= firstDate) && (lastDate == -1 || code <= lastDate);
    }
};

}  // namespace PwText
