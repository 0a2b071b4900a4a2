#pragma once

// The consistency check of a database that the tests and the fuzzer share.
// It uses only the core library, so that the fuzzer can include it without
// the test framework.

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "core/accountdb.h"

// The first way in which db does not hold together, or an empty string:
// types in ascending id order below the id capacity, with unique names and
// usage counts equal to a recount; transaction indexes unique, within
// lastIndex and found by their index; every transaction's type present; and
// every sum equal to a plain recount over the transactions, for each type,
// direction and a few date ranges whose bounds some transactions fall on.
inline std::string consistencyFault(const KestLib::AccountDB& db) {
    using KestLib::TypeIdTable;
    const auto at = [](const char* what, int position) {
        return std::string(what) + " at " + std::to_string(position);
    };

    std::vector<int> uses(TypeIdTable::capacity, 0);
    std::set<int> indexes;
    for (int j = 0; j < db.transCount(); ++j) {
        const KestLib::Transaction& t = db.transaction(j, false);
        if (t.index() > db.lastIndex()) return at("index above lastIndex", j);
        if (!indexes.insert(t.index()).second) return at("index given twice", j);
        if (db.transPosition(t.index()) != j) return at("index not found at its position", j);
        if (t.type() < 0 || t.type() >= TypeIdTable::capacity) return at("type id out of range", j);
        ++uses[static_cast<std::size_t>(t.type())];
    }

    int previousId = -1;
    std::set<std::string> names;
    std::vector<int> typeIds;
    for (int i = 0; i < db.typeCount(); ++i) {
        const KestLib::TransType& type = db.typeAt(i);
        if (type.id() <= previousId || type.id() >= TypeIdTable::capacity) return at("type id out of order", i);
        previousId = type.id();
        if (!names.insert(type.name()).second) return at("type name given twice", i);
        if (type.count() != uses[static_cast<std::size_t>(type.id())]) return at("usage count wrong", i);
        uses[static_cast<std::size_t>(type.id())] = -1;  // seen
        typeIds.push_back(type.id());
    }
    for (int id = 0; id < TypeIdTable::capacity; ++id)
        if (uses[static_cast<std::size_t>(id)] > 0) return "transaction of missing type " + std::to_string(id);

    // Bounds on some transactions' dates, since both are inclusive.
    const std::int32_t firstDate = db.transCount() > 0 ? db.transaction(0, false).dateCode() : 0;
    const std::int32_t lastDate = db.transCount() > 0 ? db.transaction(db.transCount() - 1, false).dateCode() : 0;
    // The codes' digits order as unsigned numbers, the years 8000 on too.
    const auto later = [](std::int32_t a, std::int32_t b) {
        return static_cast<std::uint32_t>(a) > static_cast<std::uint32_t>(b);
    };
    const std::int32_t low = later(firstDate, lastDate) ? lastDate : firstDate;
    const std::int32_t high = later(firstDate, lastDate) ? firstDate : lastDate;
    const std::pair<std::int32_t, std::int32_t> ranges[] = {{-1, -1}, {low, high}, {-1, low}, {high, -1}};
    typeIds.push_back(-1);  // every type
    for (const auto& [from, to] : ranges) {
        const std::string range = " from " + std::to_string(from) + " to " + std::to_string(to);
        std::array<KestLib::InOutSums, TypeIdTable::capacity> expected{};
        KestLib::InOutSums total;
        for (int j = 0; j < db.transCount(); ++j) {
            const KestLib::Transaction& t = db.transaction(j, false);
            if ((from != -1 && later(from, t.dateCode())) || (to != -1 && later(t.dateCode(), to))) continue;
            const std::int64_t signedAmount = t.isIncome() ? t.amount() : -std::int64_t{t.amount()};
            KestLib::InOutSums& sums = expected[static_cast<std::size_t>(t.type())];
            (t.isIncome() ? sums.income : sums.outgoing) += signedAmount;
            (t.isIncome() ? total.income : total.outgoing) += signedAmount;
        }
        const auto byType = db.sumByType(from, to);
        for (int id = 0; id < TypeIdTable::capacity; ++id) {
            const auto& sums = byType[static_cast<std::size_t>(id)];
            if (sums.income != expected[static_cast<std::size_t>(id)].income ||
                sums.outgoing != expected[static_cast<std::size_t>(id)].outgoing)
                return "sumByType of type " + std::to_string(id) + range;
        }
        for (const int id : typeIds) {
            const KestLib::InOutSums& sums = id == -1 ? total : expected[static_cast<std::size_t>(id)];
            const std::string which = "sumAmount of type " + std::to_string(id) + range;
            if (db.sumAmount(id, 0, from, to) != sums.income) return which + ", income";
            if (db.sumAmount(id, 1, from, to) != sums.outgoing) return which + ", outgoing";
            if (id == -1 && db.sumAmount(id, -1, from, to) != sums.income + sums.outgoing) return which + ", both";
        }
    }
    return {};
}
