#pragma once

// What the core suites share: the book builder and sample books, the file
// helpers, and the checks below.

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "core/accountdb.h"
#include "tests/support/bookbuilder.h"
#include "core/databaseformat.h"
#include "core/errormsg.h"
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

// Everything a caller can observe of a database: its file bytes (name, types
// with ids, lastIndex, transactions), the modified flag and the usage counts.
std::string fingerprint(const KestLib::AccountDB& db);
