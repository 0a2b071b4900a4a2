#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cli/commands.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// Whether import reads the file as the book's own CSV, as it always has:
// the format left at auto, no option only a statement reader takes, an
// encoding the book's CSV knows, and a header of the book's own columns.
bool takesBookCsv(const ImportOptions& options, std::string_view bytes);

// What importing a bank's statement did, or would do on a dry run.
struct StatementOutcome {
    std::string what;     // "3 transactions (1 duplicate skipped, 0 amounts rounded)"
    std::string preview;  // a dry run's first rows as they would be stored
    std::string note;     // a line on rows respelt for the book's Big5, or empty
};

// Reads the statement, plans it against db and, unless a dry run, adds its
// rows. Throws CliFailure for a file at fault, db then unchanged.
StatementOutcome importStatement(KestLib::AccountDB& db, std::string_view bytes, const ImportOptions& options);

// The names --date-format takes: "auto" and each format's, as a list and
// joined by separator (without "auto").
std::vector<std::string> statementDateFormatList();
std::string statementDateFormatChoices(const std::string& separator);
