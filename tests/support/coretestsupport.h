#pragma once

// What the core suites share: the book builder and sample books, the file
// helpers, and the checks below.

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "core/accountdb.h"
#include "core/databaseformat.h"
#include "core/errormsg.h"
#include "core/selection.h"
#include "tests/support/bookbuilder.h"
#include "tests/support/filebytes.h"
#include "tests/support/samplebooks.h"

// Runs an action and gives the message of the ErrorMsg it throws, or a
// marker when it throws nothing, so a test can compare the exact text.
template <typename Action>
std::string messageOf(Action&& action) {
    try {
        action();
    } catch (const KestLib::ErrorMsg& error) {
        return error.message();
    }
    return "<nothing thrown>";
}

// A selection of the listed types alone, of none when the list is empty.
inline KestLib::Selection selectionOf(const std::vector<int>& typeIds, KestLib::DateRange range = {-1, -1},
                                      KestLib::InOutSelector inOut = KestLib::InOutSelector::Both) {
    KestLib::Selection selection{range, inOut};
    selection.allTypes = false;
    for (int id : typeIds) selection.chooseType(id);
    return selection;
}

// Everything a caller can observe of a database: its file bytes (name, types
// with ids, lastIndex, transactions), the modified flag and the usage counts.
std::string fingerprint(const KestLib::AccountDB& db);
