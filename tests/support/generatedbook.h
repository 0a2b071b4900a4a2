#pragma once

// The generated books the benchmarks and the whole-process timings read: the
// same bytes for the same count on every run, so figures taken on different
// days compare.

#include "accountdb.h"

namespace BenchBooks {

constexpr int typesInBook = 30;

// A fixed-seed book: 30 types, dates over ten years, comments of 0 to 40
// bytes mixing ASCII with Big5 pairs.
KestLib::AccountDB generateBook(int transactions);

}  // namespace BenchBooks
