#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/accountdb.h"
#include "core/selection.h"
#include "text/isodate.h"

// The filters every reading command shares, as given on the command line.
struct SelectionOptions {
    std::string from;  // YYYY-MM-DD; empty for no bound
    std::string to;
    std::vector<std::string> types;  // names as typed (UTF-8); none for every type
    bool income = false;
    bool outgoing = false;
};

// The same filters checked against the book: the dates as given, for the
// output, and the core's selection of the transactions.
struct ResolvedSelection {
    std::optional<PwText::Date> from;
    std::optional<PwText::Date> to;
    KestLib::Selection choice;
};

// The book at path; a failure to read it is a refusal (exit code 1).
KestLib::AccountDB loadBook(const std::string& path);

// A date argument; a usage error names the option when it isn't YYYY-MM-DD.
PwText::Date parseDateOption(const std::string& option, const std::string& text);

// Resolves the type names against the book (a name it doesn't hold is a
// usage error) and keeps the range in order.
ResolvedSelection resolveSelection(const KestLib::AccountDB& db, const SelectionOptions& options);

// A stored name or comment of db as UTF-8, for output.
std::string displayText(const KestLib::AccountDB& db, std::string_view stored);
// An amount of db's minor units in its decimals with a point ("12.50").
std::string amountText(const KestLib::AccountDB& db, std::int64_t units);
std::string typeDisplayName(const KestLib::AccountDB& db, int typeId);
