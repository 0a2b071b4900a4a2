#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/bookaccess.h"

// What each subcommand was given; main fills these from the command line.
struct ReadOptions {
    std::string book;
    std::string format = "text";  // text, csv or json
    SelectionOptions selection;
};

struct BudgetOptions {
    ReadOptions read;
    std::string today;                  // empty: the current date
    std::optional<std::string> budget;  // in the book's decimals
};

struct ExportOptions {
    ReadOptions read;  // format: csv or ledger
    std::string encoding = "utf-8";
    std::string output;  // empty: standard output
    bool force = false;  // output may replace another book or the backup
};

struct ImportOptions {
    std::string book;
    std::string file;  // "-": standard input
    std::string encoding = "auto";
    bool dryRun = false;
    bool create = false;
    std::optional<int> decimals;  // a new book's: 0, 2 or 3
    // How long to wait while another program is saving the book.
    int waitSeconds = 10;
    // How a bank's statement is read and imported; the book's own CSV
    // takes none of these.
    std::string format = "auto";   // auto, csv, ofx or qif
    std::vector<std::string> map;  // FIELD=COLUMN, each may hold several split by commas
    std::string dateFormat = "auto";
    bool decimalComma = false;
    std::string delimiter;  // empty: detected
    bool cents = false;
    bool keepDuplicates = false;
    std::string defaultType;  // UTF-8; empty: the nameless type
};

struct ConvertOptions {
    std::string book;
    int decimals = 0;
    int waitSeconds = 10;
};

// Each returns the exit code, or throws CliFailure.
int runInfo(const ReadOptions& options);
int runList(const ReadOptions& options);
int runCheck(const std::string& book);
int runExport(const ExportOptions& options);
int runImport(const ImportOptions& options);
int runConvert(const ConvertOptions& options);
int runTotal(const ReadOptions& options);
int runPercentage(const ReadOptions& options);
int runBudget(const BudgetOptions& options);
