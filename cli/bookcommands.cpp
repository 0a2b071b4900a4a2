// info, list, check, export and import.

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <vector>

#include "cli/clifailure.h"
#include "cli/commands.h"
#include "cli/output.h"
#include "cli/statementcommand.h"
#include "core/analysis.h"
#include "core/booklock.h"
#include "core/booksave.h"
#include "core/errormsg.h"
#include "core/exportclash.h"
#include "core/fileidentity.h"
#include "core/fileio.h"
#include "core/ownernames.h"
#include "core/readingfile.h"
#include "core/saveplan.h"
#include "text/bookcsv.h"
#include "text/booktext.h"
#include "text/csv.h"
#include "text/isodate.h"
#include "text/ledgerjournal.h"
#include "text/statement.h"

using KestLib::AccountDB;
using KestLib::Transaction;
using nlohmann::ordered_json;

namespace {

std::string dateOf(const Transaction& record) { return PwText::isoDate(record.year(), record.month(), record.day()); }

const char* directionOf(const Transaction& record) { return record.isIncome() ? "income" : "outgoing"; }

void writeJson(const ordered_json& value) { writeOut(value.dump(2) + "\n"); }

// The whole file an import reads, refused unread when it is larger than any
// file an import takes, so that a huge file costs no memory at all.
std::string readAll(const std::string& path) {
    const auto refuse = [&path](const std::string& reason) {
        throw CliFailure(CliFailure::Refused, terminalText(path) + ": can't be read: " + reason);
    };
    const std::string tooLarge =
        "is larger than " + std::to_string(PwText::statementFileLimit >> 30) + " GB, more than an import reads";
    if (path == "-") {
        // Standard input has no size to ask first: read up to one byte past the limit.
        std::string bytes;
        std::vector<char> block(std::size_t{1} << 20);
        while (std::cin.read(block.data(), static_cast<std::streamsize>(block.size())) || std::cin.gcount() > 0) {
            bytes.append(block.data(), static_cast<std::size_t>(std::cin.gcount()));
            if (bytes.size() > PwText::statementFileLimit)
                throw CliFailure(CliFailure::Refused, "standard input " + tooLarge);
        }
        if (std::cin.bad()) refuse(std::strerror(EIO));
        return bytes;
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error) refuse(error.message());
    if (size > PwText::statementFileLimit) throw CliFailure(CliFailure::Refused, terminalText(path) + " " + tooLarge);
    errno = 0;
    std::ifstream in(path, std::ios::binary);
    if (!in) refuse(std::strerror(errno != 0 ? errno : EIO));
    // In one read: a CSV of a million rows is some 50 MB.
    std::string bytes(static_cast<std::size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (in.bad()) refuse(std::strerror(errno != 0 ? errno : EIO));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}

PwText::CsvEncoding encodingNamed(const std::string& name) {
    if (name == "auto") return PwText::CsvEncoding::Detect;
    if (name == "utf-8") return PwText::CsvEncoding::Utf8;
    if (name == "utf-8-bom") return PwText::CsvEncoding::Utf8WithBom;
    return PwText::CsvEncoding::Big5;
}

// Whether the import was refused for texts that a book of format 2 holds.
bool needsFormat2(const PwText::ImportReport& report) {
    using Reason = PwText::ImportFault::Reason;
    return std::any_of(report.faults.begin(), report.faults.end(), [](const PwText::ImportFault& fault) {
        return fault.reason == Reason::NotStorable || fault.reason == Reason::TooLong;
    });
}

std::string joinedTypeNames(const AccountDB& db, const std::vector<std::string>& stored) {
    std::string out;
    for (const std::string& name : stored) {
        if (!out.empty()) out += ", ";
        out += "\"" + terminalText(displayText(db, name)) + "\"";
    }
    return out;
}

}  // namespace

int runInfo(const ReadOptions& options) {
    const AccountDB db = loadBook(options.book);
    std::string firstDate, lastDate;
    if (const auto bounds = KestLib::dateBounds(db)) {
        firstDate = dateOf(db.transaction(bounds->first, false));
        lastDate = dateOf(db.transaction(bounds->last, false));
    }
    const std::string name = displayText(db, db.name());

    if (options.format == "json") {
        ordered_json out;
        out["name"] = name;
        out["format"] = db.format();
        out["decimals"] = db.decimals();
        out["transactions"] = db.transCount();
        out["first_date"] = firstDate.empty() ? ordered_json() : ordered_json(firstDate);
        out["last_date"] = lastDate.empty() ? ordered_json() : ordered_json(lastDate);
        out["types"] = ordered_json::array();
        for (int position = 0; position < db.typeCount(); ++position) {
            const auto& type = db.typeAt(position);
            out["types"].push_back(
                {{"id", type.id()}, {"name", displayText(db, type.name())}, {"transactions", type.count()}});
        }
        writeJson(out);
    } else if (options.format == "csv") {
        // The types with their counts; the book's own figures are in the
        // other formats.
        std::string out;
        PwText::appendCsvRecord(out, {"id", "type", "transactions"});
        for (int position = 0; position < db.typeCount(); ++position) {
            const auto& type = db.typeAt(position);
            const std::string id = std::to_string(type.id()), count = std::to_string(type.count());
            const std::string typeName = displayText(db, type.name());
            PwText::appendCsvRecord(out, {id, typeName, count});
        }
        writeOut(out);
    } else {
        std::string out = "Name:          " + terminalText(name) + "\n";
        // Said of a book of format 2 only, so that what scripts read of
        // every book written so far stays as it was.
        if (db.format() == 2) out += "Format:        2 (UTF-8 texts, " + std::to_string(db.decimals()) + " decimals)\n";
        out += "Transactions:  " + std::to_string(db.transCount()) + "\n";
        out += "Types:         " + std::to_string(db.typeCount()) + "\n";
        out += "Dates:         " + (firstDate.empty() ? std::string("none") : firstDate + " to " + lastDate) + "\n\n";
        TextTable table({{"Type", TextTable::Align::Left}, {"Transactions", TextTable::Align::Right}});
        for (int position = 0; position < db.typeCount(); ++position) {
            const auto& type = db.typeAt(position);
            table.addRow({displayText(db, type.name()), std::to_string(type.count())});
        }
        writeOut(out + table.render());
    }
    return 0;
}

int runList(const ReadOptions& options) {
    const AccountDB db = loadBook(options.book);
    const ResolvedSelection selection = resolveSelection(db, options.selection);
    const KestLib::Selection& filter = selection.choice;

    if (options.format == "csv") {
        writeOut(PwText::exportCsv(db, PwText::CsvEncoding::Utf8, filter));
        return 0;
    }
    if (options.format == "json") {
        ordered_json out = ordered_json::array();
        for (int position = 0; position < db.transCount(); ++position) {
            const Transaction& record = db.transaction(position, false);
            if (!filter.takes(record)) continue;
            out.push_back({{"index", record.index()},
                           {"date", dateOf(record)},
                           {"direction", directionOf(record)},
                           {"amount", record.amount()},  // in minor units
                           {"type", typeDisplayName(db, record.type())},
                           {"comment", displayText(db, record.comment())}});
        }
        writeJson(out);
        return 0;
    }
    TextTable table({{"Index", TextTable::Align::Right},
                     {"Date", TextTable::Align::Left},
                     {"In/Out", TextTable::Align::Left},
                     {"Amount", TextTable::Align::Right},
                     {"Type", TextTable::Align::Left},
                     {"Comment", TextTable::Align::Left}});
    for (int position = 0; position < db.transCount(); ++position) {
        const Transaction& record = db.transaction(position, false);
        if (!filter.takes(record)) continue;
        // Kept on its row; the table escapes any other control byte.
        std::string comment = displayText(db, record.comment());
        for (char& c : comment)
            if (c == '\n' || c == '\r' || c == '\t') c = ' ';
        table.addRow({std::to_string(record.index()), dateOf(record), record.isIncome() ? "Income" : "Outgoing",
                      amountText(db, record.amount()), typeDisplayName(db, record.type()), comment});
    }
    writeOut(table.render());
    return 0;
}

int runCheck(const std::string& book) {
    AccountDB db;
    try {
        db.loadFile(book);
    } catch (const KestLib::ErrorMsg& error) {
        writeOut(terminalText(book) + ": damaged or unreadable: " + errorText(error) + "\n");
        return CliFailure::Refused;
    }
    writeOut(terminalText(book) + ": sound, " + std::to_string(db.transCount()) + " transactions, " +
             std::to_string(db.typeCount()) + " types\n");
    return 0;
}

namespace {

// An output that would replace a book is refused before the book is even
// read: the book exported always, another book or the backup unless forced.
void refuseReplacingABook(const ExportOptions& options) {
    const std::string output = terminalText(options.output);
    const std::string book = terminalText(options.read.book);
    const char* unlessForced = "; the export would replace it, so nothing was written (--force replaces it)";
    switch (KestLib::exportClash(options.output, options.read.book)) {
    case KestLib::ExportClash::Book:
        throw CliFailure(CliFailure::Refused, output + ": is the book being exported (" + book +
                                                  "); the export would replace it, so nothing was written");
    case KestLib::ExportClash::Backup:
        if (!options.force) throw CliFailure(CliFailure::Refused, output + ": is the backup of " + book + unlessForced);
        break;
    case KestLib::ExportClash::OtherBook:
        if (!options.force) throw CliFailure(CliFailure::Refused, output + ": is a Pennywell book" + unlessForced);
        break;
    case KestLib::ExportClash::None: break;
    }
}

}  // namespace

int runExport(const ExportOptions& options) {
    if (!options.output.empty()) refuseReplacingABook(options);
    const AccountDB db = loadBook(options.read.book);
    const ResolvedSelection selection = resolveSelection(db, options.read.selection);
    const std::string bytes = options.read.format == "ledger"
                                  ? PwText::exportLedger(db, selection.choice)
                                  : PwText::exportCsv(db, encodingNamed(options.encoding), selection.choice);
    if (options.output.empty()) {
        writeOut(bytes);
        return 0;
    }
    try {
        KestLib::writeFileAtomically(options.output, bytes);
    } catch (const KestLib::ErrorMsg& error) {
        throw CliFailure(options.output, error, "nothing was written");
    }
    return 0;
}

namespace {

// The command line can't ask, so whatever the window would ask about is
// refused, naming the file the import would have replaced.
void refuseQuestions(const KestLib::SavePlan& plan, const std::string& book, bool readBook) {
    if (!plan.overwritten().empty()) {
        const std::string overwritten = terminalText(plan.overwritten());
        if (readBook)
            throw CliFailure(CliFailure::Refused, overwritten +
                                                      ": the import would be saved to this file, "
                                                      "which is another book than " +
                                                      terminalText(book) + "; nothing was written");
        throw CliFailure(CliFailure::Refused, overwritten +
                                                  ": the new book would replace this file, which "
                                                  "exists; nothing was written");
    }
    if (plan.changedSinceRead())
        throw CliFailure(CliFailure::Refused, terminalText(plan.target()) +
                                                  ": was changed by another program while it was read; "
                                                  "nothing was written");
}

// From the read to the rename: an import or a save of this book by another
// program waits, then reads what this one wrote. Waiting is said, and given
// up after the time --wait allows.
KestLib::BookLock lockBook(const std::string& book, int waitSeconds) {
    std::optional<KestLib::BookLock> lock = KestLib::BookLock::tryTake(book);
    if (lock) return std::move(*lock);
    if (waitSeconds > 0) {
        report("waiting for another program that is saving " + terminalText(book) + "...");
        lock = KestLib::BookLock::waitFor(book, std::chrono::seconds(waitSeconds));
        if (lock) return std::move(*lock);
    }
    throw CliFailure(CliFailure::Refused, "another program is saving " + terminalText(book) + "; gave up after " +
                                              std::to_string(waitSeconds) + " s (--wait); nothing was written");
}

// A file saved that could not keep its owner or group, said on standard
// error: the import is done, but whoever shares the book should know.
void warnOwners(const KestLib::OwnersNotKept& file) {
    auto owners = [](const KestLib::FileOwners& ids) {
        return terminalText(KestLib::userName(ids.user) + ", group " + KestLib::groupName(ids.group));
    };
    const std::string why = file.got.group == file.wanted.group
                                ? "only the administrator can give a file to another user; its group is kept"
                                : "only the administrator can give a file to another user, and only a member of a "
                                  "group to that group";
    report("warning: " + terminalText(file.path) + " now belongs to " + owners(file.got) + ", not to " +
           owners(file.wanted) + " (" + why + ")");
}

}  // namespace

int runImport(const ImportOptions& options) {
    // Before the lock, which a slow standard input would otherwise hold.
    const std::string fileName = options.file == "-" ? "standard input" : options.file;
    const std::string bytes = KestLib::readingFile(fileName, [&] { return readAll(options.file); });
    const KestLib::BookLock lock = lockBook(AccountDB::completedFileName(options.book), options.waitSeconds);
    AccountDB db;
    const std::optional<KestLib::FileIdentity> identity = KestLib::FileIdentity::of(options.book);
    const bool readBook = !(options.create && !identity);
    if (options.decimals && readBook)
        throw CliFailure(CliFailure::Usage, "--decimals: only a new book (--create) is given its decimals; " +
                                                std::string(programName) + " convert gives an existing one decimals");
    if (readBook) {
        db = loadBook(options.book);
    } else {
        db.reset();
        if (options.decimals.value_or(0) > 0) PwText::convertToFormat2(db, *options.decimals);
    }
    std::optional<KestLib::BookSave> save;
    try {
        save.emplace(KestLib::SavePlan::make(readBook ? options.book : std::string(), options.book, identity));
    } catch (const KestLib::ErrorMsg& failure) {
        throw CliFailure(failure.path(), failure, "nothing was written");
    }
    const KestLib::SavePlan& plan = save->plan();
    refuseQuestions(plan, options.book, readBook);

    std::string what;
    std::string preview;
    std::string note;
    if (takesBookCsv(options, bytes)) {
        const auto importCsv = [&] {
            return KestLib::readingFile(fileName, [&] {
                return PwText::importCsv(db, bytes, encodingNamed(options.encoding), options.dryRun);
            });
        };
        PwText::ImportReport report = importCsv();
        // A new book whose texts Big5 lacks keeps them exactly in format 2.
        if (!report.accepted && !db.isFormatKept() && db.format() == 1 && needsFormat2(report)) {
            PwText::convertToFormat2(db, 0);
            report = importCsv();
        }
        if (!report.accepted) throw CliFailure(CliFailure::Refused, PwText::describeRefusal(report).toStdString());
        what = std::to_string(report.transactions) + " transaction" + (report.transactions == 1 ? "" : "s");
        if (!report.newTypes.empty())
            what += " and " + std::to_string(report.newTypes.size()) + " new type" +
                    (report.newTypes.size() == 1 ? "" : "s") + " (" + joinedTypeNames(db, report.newTypes) + ")";
    } else {
        StatementOutcome outcome = KestLib::readingFile(fileName, [&] { return importStatement(db, bytes, options); });
        what = std::move(outcome.what);
        preview = std::move(outcome.preview);
        note = std::move(outcome.note);
    }
    // A file imported again adds nothing; saving anyway would replace the
    // backup of the book before the first import.
    if (!options.dryRun && readBook && !db.isModified()) {
        writeOut("Imported " + what + "; nothing was new, so " + terminalText(options.book) + " was not written.\n");
        return 0;
    }
    if (options.dryRun) {
        writeOut("Would import " + what + " into " + terminalText(options.book) + "; nothing was written.\n" + note +
                 preview);
        return 0;
    }
    KestLib::SaveReport saved;
    try {
        saved = save->write(db);
    } catch (const KestLib::ErrorMsg& failure) {
        const std::string& file = failure.path().empty() ? plan.target() : failure.path();
        // Two imports that both create the book: the later finds it made.
        if (plan.createsTarget() && file == plan.target() && failure.systemError() == EEXIST)
            throw CliFailure(CliFailure::Refused, terminalText(file) +
                                                      ": was created by another program while this "
                                                      "import ran (" +
                                                      errorText(failure) +
                                                      "); nothing was written, so import again to add to it");
        throw CliFailure(file, failure, "the book file was not changed");
    }
    for (const KestLib::OwnersNotKept& file : saved.ownersNotKept) warnOwners(file);
    noteSaved(terminalText(plan.target()) + ": imported and saved");
    std::string message = "Imported " + what + " into " + terminalText(plan.target());
    if (!plan.backupFile().empty()) message += "; the previous file is kept as " + terminalText(plan.backupFile());
    writeOut(message + ".\n" + note);
    return 0;
}

int runConvert(const ConvertOptions& options) {
    const KestLib::BookLock lock = lockBook(AccountDB::completedFileName(options.book), options.waitSeconds);
    const std::optional<KestLib::FileIdentity> identity = KestLib::FileIdentity::of(options.book);
    AccountDB db = loadBook(options.book);
    if (db.format() == 2)
        throw CliFailure(CliFailure::Refused, terminalText(options.book) + ": is of format 2 already (" +
                                                  std::to_string(db.decimals()) + " decimals); nothing was written");
    try {
        PwText::convertToFormat2(db, options.decimals);
    } catch (const KestLib::ErrorMsg& failure) {
        throw CliFailure(options.book, failure, "nothing was written");
    }
    std::optional<KestLib::BookSave> save;
    try {
        save.emplace(KestLib::SavePlan::make(options.book, options.book, identity));
    } catch (const KestLib::ErrorMsg& failure) {
        throw CliFailure(failure.path(), failure, "nothing was written");
    }
    const KestLib::SavePlan& plan = save->plan();
    refuseQuestions(plan, options.book, true);
    KestLib::SaveReport saved;
    try {
        saved = save->write(db);
    } catch (const KestLib::ErrorMsg& failure) {
        throw CliFailure(failure.path().empty() ? plan.target() : failure.path(), failure,
                         "the book file was not changed");
    }
    for (const KestLib::OwnersNotKept& file : saved.ownersNotKept) warnOwners(file);
    noteSaved(terminalText(plan.target()) + ": converted and saved");
    std::string message = "Converted " + terminalText(plan.target()) + " to format 2 with " +
                          std::to_string(db.decimals()) + " decimals (" + std::to_string(db.transCount()) +
                          " transactions)";
    if (!plan.backupFile().empty()) message += "; the previous file is kept as " + terminalText(plan.backupFile());
    writeOut(message + ".\n");
    return 0;
}
