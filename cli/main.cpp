// pennywell-cli: reads, analyses and moves the transactions of a .pwdb book
// without the window. Exit codes: 0 success, 1 refused input or a damaged,
// unreadable or unwritable file, 2 a usage error, 3 an import saved whose
// report couldn't be written.

#include <CLI/CLI.hpp>

#include <csignal>
#include <iostream>
#include <new>
#include <sstream>

#include "cli/clifailure.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/statementcommand.h"
#include "core/errormsg.h"
#include "pennywellversion.h"

namespace {

void addBook(CLI::App* command, std::string& book) {
    command->add_option("BOOK", book, "The .pwdb book to read")->required();
}

void addFormat(CLI::App* command, std::string& format) {
    command->add_option("--format", format, "text (aligned columns, the default), csv or json")
        ->check(CLI::IsMember({"text", "csv", "json"}));
}

void addFilters(CLI::App* command, SelectionOptions& selection, bool withInOut = true) {
    command->add_option("--from", selection.from, "First day counted, YYYY-MM-DD (default: no bound)");
    command->add_option("--to", selection.to, "Last day counted, YYYY-MM-DD (default: no bound)");
    command->add_option("--type", selection.types, "Only this type (by name; repeat for more; default: all types)")
        ->allow_extra_args(false);
    if (withInOut) {
        command->add_flag("--income", selection.income, "Only income (with --outgoing too: both)");
        command->add_flag("--outgoing", selection.outgoing, "Only outgoing");
    }
}

// An amount the budget arithmetic can't overflow with, whatever the book
// holds: at most 18 digits, with a point and the book's decimals after it in
// a book that keeps them; every sum of stored amounts stays below 2^62.
const CLI::Validator budgetAmount(
    [](const std::string& text) {
        const std::size_t digits = text.find_first_not_of("+-") == 1 ? 1 : 0;
        const std::size_t point = text.find('.', digits);
        const bool pointed = point != std::string::npos && point + 1 < text.size() && point > digits;
        const std::size_t count = text.size() - digits - (pointed ? 1 : 0);
        const bool valid = text.size() > digits && count <= 18 && (point == std::string::npos || pointed) &&
                           text.find_first_not_of("0123456789.", digits) == std::string::npos &&
                           text.find('.', pointed ? point + 1 : digits) == std::string::npos;
        return valid
                   ? std::string()
                   : "\"" + text +
                         "\" is not a whole number of at most 18 digits, nor one with a point and the book's decimals";
    },
    "AMOUNT");

int runCommandLine(int argc, char** argv) {
    CLI::App app{
        "Reads, analyses, exports and imports the transactions of a Pennywell book (.pwdb).\n"
        "Exit codes: 0 success, 1 refused input, a damaged or unreadable file or a failed write, 2 usage "
        "error, 3 an import that was saved but whose report could not be written (do not import it again).\n"
        "Amounts are written in the book's decimals with a point (12.50 in a book of 2 decimals); in JSON "
        "they are integers of the book's minor units (1250), and info's \"decimals\" says how many.",
        programName};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string(programName) + " " + PENNYWELL_VERSION);

    ReadOptions info;
    auto* infoCommand = app.add_subcommand("info",
                                           "The book's name, its numbers of transactions and types, its "
                                           "date span and each type with its count");
    addBook(infoCommand, info.book);
    addFormat(infoCommand, info.format);

    ReadOptions list;
    auto* listCommand = app.add_subcommand("list", "The transactions, filtered");
    addBook(listCommand, list.book);
    addFilters(listCommand, list.selection);
    addFormat(listCommand, list.format);

    ReadOptions total;
    auto* totalCommand = app.add_subcommand("total", "Grand total: income minus outgoing over the filters");
    addBook(totalCommand, total.book);
    addFilters(totalCommand, total.selection);
    addFormat(totalCommand, total.format);

    ReadOptions percentage;
    auto* percentageCommand =
        app.add_subcommand("percentage", "Percentage analysis: each chosen type's share of income, outgoing and both");
    addBook(percentageCommand, percentage.book);
    addFilters(percentageCommand, percentage.selection);
    addFormat(percentageCommand, percentage.format);

    BudgetOptions budget;
    auto* budgetCommand = app.add_subcommand(
        "budget",
        "Budget analysis over the period --from to --to: per type, the income booked from --from to "
        "--today is the budget, the outgoing of those days is spent, and what remains is spread over "
        "the days from --today to --to");
    addBook(budgetCommand, budget.read.book);
    addFilters(budgetCommand, budget.read.selection, false);
    budgetCommand->add_option("--today", budget.today,
                              "How far the period has got, YYYY-MM-DD (default: the "
                              "current date, taken into the period)");
    budgetCommand
        ->add_option("--budget", budget.budget,
                     "The budget of the whole period, in place of the income booked (the total only), in "
                     "the book's decimals (12.50)")
        ->check(budgetAmount);
    addFormat(budgetCommand, budget.read.format);

    ExportOptions exported;
    exported.read.format = "csv";
    auto* exportCommand = app.add_subcommand(
        "export", "The transactions as CSV (index,date,direction,amount,type,comment) or as a ledger journal");
    addBook(exportCommand, exported.read.book);
    addFilters(exportCommand, exported.read.selection);
    exportCommand->add_option("--format", exported.read.format, "csv (the default) or ledger")
        ->check(CLI::IsMember({"csv", "ledger"}));
    exportCommand->add_option("--encoding", exported.encoding, "CSV encoding: utf-8 (the default), utf-8-bom or big5")
        ->check(CLI::IsMember({"utf-8", "utf-8-bom", "big5"}));
    exportCommand->add_option("-o,--output", exported.output,
                              "The file to write (default: standard output); never the book itself, and not "
                              "another Pennywell book or the book's backup unless --force");
    exportCommand->add_flag("--force", exported.force,
                            "Let -o replace a Pennywell book other than the one exported, or its backup");

    ImportOptions imported;
    auto* importCommand = app.add_subcommand(
        "import",
        "Adds the transactions of a file to the book, all or nothing, and saves it the window's safe way (the "
        "previous file kept as BOOK.bak.pwdb). The file is the book's own CSV (a header of index, date, "
        "direction, amount, type and comment, or some of them) or a bank's statement: CSV as banks write it, "
        "OFX or QIF. The book's own CSV is read as always unless --format or an option below marked "
        "\"statement\" is given; then, as for every other file, rows equal to a transaction of the book are "
        "skipped and the type of a row that names none is guessed from the book's comments.");
    importCommand->add_option("BOOK", imported.book, "The .pwdb book to add to")->required();
    importCommand->add_option("FILE", imported.file, "The file to read, - for standard input")->required();
    importCommand
        ->add_option("--format", imported.format,
                     "auto (the default: by content), csv (a bank's CSV), ofx "
                     "or qif")
        ->check(CLI::IsMember({"auto", "csv", "ofx", "qif"}));
    importCommand
        ->add_option("--encoding", imported.encoding,
                     "auto (the default: UTF-8 unless the bytes aren't; then Big5 for the book's own CSV, "
                     "else what the file declares or Windows-1252), utf-8, big5, windows-1252 or iso-8859-1")
        ->check(CLI::IsMember({"auto", "utf-8", "big5", "windows-1252", "iso-8859-1"}));
    importCommand
        ->add_option("--map", imported.map,
                     "Statement: which column holds what, FIELD=COLUMN[,FIELD=COLUMN...]; fields date, "
                     "amount, debit, credit, comment (more than one joined by a space), type, direction; "
                     "a column by its header's name or its number from 1. Columns not named are ignored. "
                     "Default: guessed from the header")
        ->allow_extra_args(false);
    importCommand
        ->add_option("--date-format", imported.dateFormat,
                     "Statement: auto (the default; refused where every date reads with the day or the "
                     "month first), " +
                         statementDateFormatChoices(", ") +
                         " (ROC: YYY/MM/DD, the Republic of China year; YY: the year nearest today)")
        ->check(CLI::IsMember(statementDateFormatList()));
    importCommand->add_flag("--decimal-comma", imported.decimalComma,
                            "Statement: amounts are written 1.234,50 (default: the mark that reads every amount)");
    importCommand->add_option("--delimiter", imported.delimiter,
                              "Statement: the CSV's delimiter, \",\" \";\" or "
                              "tab (default: detected)");
    importCommand->add_flag("--cents", imported.cents,
                            "Statement: read amounts as cents (35,50 is 3550), for a book kept in cents; without "
                            "it amounts are rounded to whole units, half away from zero");
    importCommand->add_flag("--keep-duplicates", imported.keepDuplicates,
                            "Statement: add rows equal to a transaction of the book too");
    importCommand->add_option("--default-type", imported.defaultType,
                              "Statement: the type of a row whose comment the book has never typed (created if "
                              "new; default: the nameless type)");
    importCommand->add_flag("--dry-run", imported.dryRun,
                            "Report what would change (for a statement with its first rows) and write nothing");
    importCommand->add_flag("--create", imported.create, "Start a new, empty book when BOOK doesn't exist");
    importCommand
        ->add_option("--decimals", imported.decimals,
                     "With --create: the new book's decimals, 0 (the default: whole units), 2 or 3; more "
                     "than 0 makes a book of format 2, as do texts Big5 lacks")
        ->check(CLI::IsMember({0, 2, 3}));
    importCommand
        ->add_option("--wait", imported.waitSeconds,
                     "While another program is saving BOOK, wait at most this many whole seconds for it "
                     "(default 10; 0 tries once), then give up with exit code 1")
        ->check(CLI::Range(0, 86400));

    ConvertOptions converted;
    auto* convertCommand = app.add_subcommand(
        "convert",
        "Converts a book of format 1 (Big5 texts, whole amounts) to format 2 (UTF-8 texts, amounts with "
        "decimals) in place, saved the safe way with the previous file kept as BOOK.bak.pwdb: every text "
        "re-encoded, every amount times 10^N");
    addBook(convertCommand, converted.book);
    convertCommand->add_option("--decimals", converted.decimals, "N: 0 (the default), 2 or 3")
        ->check(CLI::IsMember({0, 2, 3}));
    convertCommand
        ->add_option("--wait", converted.waitSeconds,
                     "While another program is saving BOOK, wait at most this many whole seconds for it "
                     "(default 10)")
        ->check(CLI::Range(0, 86400));

    std::string checked;
    auto* checkCommand = app.add_subcommand("check",
                                            "Reads the book and says whether it is sound (exit code 1 "
                                            "and the reason when it is damaged)");
    addBook(checkCommand, checked);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // Help and the version are successes; every other parse error is a
        // usage error, whatever number the library gives it. Their text goes
        // out as every command's does, so a failed write is told the same way.
        std::ostringstream out, err;
        const int code = app.exit(error, out, err);
        writeOut(out.str());
        flushOut();
        std::cerr << err.str();
        return code == 0 ? 0 : CliFailure::Usage;
    }

    if (*infoCommand) return runInfo(info);
    if (*listCommand) return runList(list);
    if (*totalCommand) return runTotal(total);
    if (*percentageCommand) return runPercentage(percentage);
    if (*budgetCommand) return runBudget(budget);
    if (*exportCommand) return runExport(exported);
    if (*importCommand) return runImport(imported);
    if (*checkCommand) return runCheck(checked);
    if (*convertCommand) return runConvert(converted);
    return CliFailure::Usage;
}

// Every command runs inside this guard: whatever it throws ends it with a
// message and an exit code, never with an abort.
int guarded(int argc, char** argv) {
    try {
        return runCommandLine(argc, argv);
    } catch (const CliFailure& failure) {
        report(failure.what());
        return failure.code;
    } catch (const KestLib::ErrorMsg& error) {
        report((error.path().empty() ? std::string() : terminalText(error.path()) + ": ") + errorText(error));
    } catch (const std::bad_alloc&) {
        report("not enough memory");
    } catch (const std::exception& error) {
        report(error.what());
    } catch (...) {
        report("an unexpected error ended the command");
    }
    return CliFailure::Refused;
}

}  // namespace

int main(int argc, char** argv) {
    // Past a file-size limit a write fails with EFBIG and is reported, as
    // in the window, rather than the signal ending the program mid-write.
#ifdef SIGXFSZ
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    int code = guarded(argc, argv);
    // What was written to standard output is part of the result: a script
    // must not take a cut listing for a whole one.
    if (const int failure = closeOut()) {
        const std::string lost =
            "standard output: " + errorText(KestLib::ErrorMsg(KestLib::ErrorCode::fileWrite, {}, failure));
        if (code == 0 && !savedNote().empty()) {
            std::cerr << programName << ": " << savedNote() << "; the report could not be written: " << lost << '\n';
            code = CliFailure::ReportLost;
        } else {
            std::cerr << programName << ": " << lost << '\n';
            if (code == 0) code = CliFailure::Refused;
        }
    }
    return code;
}
