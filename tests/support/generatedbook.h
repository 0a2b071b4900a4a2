#pragma once

// The generated books the benchmarks and the whole-process timings read: the
// same bytes for the same count on every run, so figures taken on different
// days compare.

#include <random>

#include "core/accountdb.h"

namespace BenchBooks {

constexpr int typesInBook = 30;

// A fixed-seed book: 30 types, dates over ten years, comments of 0 to 40
// bytes mixing ASCII with Big5 pairs.
KestLib::AccountDB generateBook(int transactions);

// The household books the table, dialog and analysis benchmarks time:
// dates over 26 years, amounts up to 100,000, one transaction in four an
// income, type ids 0 to types - 1 with 0 the empty name.
struct HouseholdShape {
    enum class Comments {
        None,
        Words,     // 0 to 40 bytes of English and Big5 words
        TwoWords,  // two English words
    };
    unsigned seed = 20260101;
    int types = 30;
    // Every third type named "類別N" in Big5, the others "Type N".
    bool chineseTypeNames = true;
    Comments comments = Comments::Words;
};

// The next transaction of such a book, drawn from random (for benchmarks
// that add or change transactions as a user would).
KestLib::Transaction householdTransaction(std::mt19937& random, const HouseholdShape& shape);
KestLib::AccountDB householdBook(int transactions, const HouseholdShape& shape);

}  // namespace BenchBooks
