#pragma once

#include <bitset>
#include <cstddef>
#include <cstdint>

#include "core/transaction.h"
#include "core/typeidtable.h"

namespace KestLib {

// Which directions count. The values are the selectors sumAmount takes.
enum class InOutSelector : int { Both = -1, Income = 0, Outgoing = 1 };

// packDate codes; both bounds count. -1 leaves a bound open (no date has
// that code: its digits are no BCD). Dates are compared by their dateKey.
struct DateRange {
    std::int32_t first = 0;
    std::int32_t last = 0;

    bool isOpen() const { return first == -1 && last == -1; }
    // The keys the range takes, an open bound reaching to the end of the
    // keys, so that a bulk test is two compares and no test of openness.
    std::uint32_t firstKey() const { return first == -1 ? 0 : dateKey(first); }
    std::uint32_t lastKey() const { return last == -1 ? UINT32_MAX : dateKey(last); }
    bool takes(std::int32_t code) const {
        const std::uint32_t key = dateKey(code);
        return key >= firstKey() && key <= lastKey();
    }
    // Both bounds set, and the last before the first: no date is taken.
    bool endsBeforeItStarts() const { return first != -1 && last != -1 && dateKey(last) < dateKey(first); }
};

// Which transactions a sum, an analysis, a listing or the find bar takes: a
// date range, a set of types and income, outgoing or both. The default takes
// every transaction. Checked once per record in the bulk paths, so every
// test is inline and plain.
struct Selection {
    Selection() = default;
    Selection(DateRange range, InOutSelector inOut) : range(range), inOut(inOut) {}

    DateRange range{-1, -1};
    InOutSelector inOut = InOutSelector::Both;
    bool allTypes = true;
    std::bitset<TypeIdTable::capacity> types;  // read only when allTypes is false

    // Narrows every type to the chosen ones: the first call leaves id alone,
    // later ones add theirs. id is that of a type, 0 to capacity - 1.
    void chooseType(int id) {
        if (allTypes) types.reset();
        allTypes = false;
        types.set(static_cast<std::size_t>(id));
    }

    bool takesIncome() const { return inOut != InOutSelector::Outgoing; }
    bool takesOutgoing() const { return inOut != InOutSelector::Income; }
    // Written so that taking both directions tests nothing that depends on
    // the record: a branch on the record's direction is mispredicted often.
    bool takesDirection(bool isIncome) const { return inOut == InOutSelector::Both || isIncome == takesIncome(); }
    bool takesType(int id) const {
        return allTypes || (id >= 0 && id < TypeIdTable::capacity && types.test(static_cast<std::size_t>(id)));
    }
    // The one type chosen, noType when none is (nothing is taken), or
    // severalTypes when every type or more than one is.
    static constexpr int noType = -1;
    static constexpr int severalTypes = -2;
    int onlyType() const {
        if (allTypes || types.count() > 1) return severalTypes;
        for (int id = 0; id < TypeIdTable::capacity; ++id)
            if (types.test(static_cast<std::size_t>(id))) return id;
        return noType;
    }
    bool takes(const Transaction& record) const {
        // The type first: with a few types chosen, most transactions fail there.
        return takesType(record.type()) && takesDirection(record.isIncome()) &&
               (range.isOpen() || range.takes(record.dateCode()));
    }
    bool takesAll() const { return range.isOpen() && inOut == InOutSelector::Both && allTypes; }

    friend bool operator==(const Selection& a, const Selection& b) {
        return a.range.first == b.range.first && a.range.last == b.range.last && a.inOut == b.inOut &&
               a.allTypes == b.allTypes && (a.allTypes || a.types == b.types);
    }
};

}  // namespace KestLib
