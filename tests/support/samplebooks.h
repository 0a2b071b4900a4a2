#pragma once

#include <string>
#include <vector>

#include "core/accountdb.h"
#include "tests/support/bookbuilder.h"

// Big5 bytes of the Chinese words the books use.
inline const std::string big5Chinese = "\xA4\xA4\xA4\xE5";  // 中文
inline const std::string big5Food = "\xAD\xB9\xAA\xAB";     // 食物

// Indexes 1 to 4 in this order.
inline const std::vector<Row> standardRows = {
    {2004, 3, 7, false, 9, "Food", "rice"},
    {2004, 10, 1, true, 10, "Salary", "pay"},
    {2004, 11, 15, false, 100, "Food", "dinner"},
    {2004, 3, 20, true, 2, "Salary", "tip"},
};

// A small book that exercises every field: Big5 bytes in the names and
// comments, an empty comment, a negative amount, a gap in the type ids
// (0, 2, 3) and a deleted transaction, so lastIndex is above the last index.
KestLib::AccountDB sampleDatabase();

// A small book with what CSV and journals must carry through: Big5 names and
// comments, a comment with a comma, quotes and a line break, an empty
// comment, a negative amount, a zero amount, the unnamed type in use, a type
// whose name a journal must make safe, and a gap in the type ids.
KestLib::AccountDB smallTextBook();
