// import for a bank's statement (a bank's CSV, OFX, QIF): the options read
// into the reader's choices, the plan against the book, and its counts.

#include "cli/statementcommand.h"

#include <algorithm>
#include <map>

#include "cli/clifailure.h"
#include "cli/output.h"
#include "core/accountdb.h"
#include "core/booklimits.h"
#include "text/asciitext.h"
#include "text/bookcsv.h"
#include "text/booktext.h"
#include "text/csv.h"
#include "text/isodate.h"
#include "text/statementcomment.h"
#include "text/statementimport.h"
#include "text/statementmessages.h"
#include "text/statementreader.h"

using PwText::StatementField;

namespace {

constexpr int previewRows = 10;

// A name from the command line or a header, without the blanks around it
// (a header's last name may keep the \r of its line end).
std::string trimmedName(std::string_view text) {
    return std::string(PwText::trimmed(text, PwText::Blanks::withLineEnds));
}

bool takesStatementOptions(const ImportOptions& options) {
    return !options.map.empty() || options.dateFormat != "auto" || options.decimalComma || !options.delimiter.empty() ||
           options.cents || options.keepDuplicates || !options.defaultType.empty();
}

PwText::StatementEncoding encodingNamed(const std::string& name) {
    static const std::map<std::string, PwText::StatementEncoding> names = {
        {"auto", PwText::StatementEncoding::Detect},
        {"utf-8", PwText::StatementEncoding::Utf8},
        {"big5", PwText::StatementEncoding::Big5},
        {"windows-1252", PwText::StatementEncoding::Windows1252},
        {"iso-8859-1", PwText::StatementEncoding::Latin1}};
    return names.at(name);
}

PwText::StatementDateFormat dateFormatNamed(const std::string& name) {
    for (const auto& named : PwText::statementDateFormatNames())
        if (name == named.name) return named.format;
    return PwText::StatementDateFormat::Detect;  // "auto"
}

const char* nameOf(PwText::StatementDateFormat format) {
    for (const auto& named : PwText::statementDateFormatNames())
        if (format == named.format) return named.name;
    return "auto";
}

PwText::StatementFormat formatNamed(const std::string& name) {
    if (name == "csv") return PwText::StatementFormat::Csv;
    if (name == "ofx") return PwText::StatementFormat::Ofx;
    if (name == "qif") return PwText::StatementFormat::Qif;
    return PwText::StatementFormat::Auto;
}

char delimiterNamed(const std::string& name) {
    if (name.empty()) return 0;
    if (name == "tab" || name == "\\t" || name == "\t") return '\t';
    if (name == "," || name == ";") return name[0];
    throw CliFailure(CliFailure::Usage, "--delimiter: \"" + name + "\" is not one of , ; tab");
}

StatementField fieldNamed(const std::string& name) {
    static const std::map<std::string, StatementField> names = {
        {"date", StatementField::Date},          {"amount", StatementField::Amount},   {"debit", StatementField::Debit},
        {"credit", StatementField::Credit},      {"comment", StatementField::Comment}, {"type", StatementField::Type},
        {"direction", StatementField::Direction}};
    const auto found = names.find(PwText::asciiLowered(name));
    if (found == names.end())
        throw CliFailure(CliFailure::Usage, "--map: \"" + name +
                                                "\" is not one of date, amount, debit, credit, "
                                                "comment, type, direction");
    return found->second;
}

// The column a --map names: a header's name (case aside) before a number.
std::size_t columnNamed(const std::string& name, const std::vector<std::string>& columnNames) {
    for (std::size_t k = 0; k < columnNames.size(); ++k)
        if (PwText::asciiLowered(trimmedName(columnNames[k])) == PwText::asciiLowered(name)) return k;
    const bool digits = !name.empty() && name.find_first_not_of("0123456789") == std::string::npos && name.size() < 6;
    if (digits && std::stoul(name) >= 1 && std::stoul(name) <= columnNames.size()) return std::stoul(name) - 1;
    std::string known;
    for (const std::string& column : columnNames) known += (known.empty() ? "" : ", ") + terminalText(column);
    throw CliFailure(CliFailure::Refused,
                     "--map: the file has no column \"" + terminalText(name) + "\" (its columns: " + known + ")");
}

// Every FIELD=COLUMN pair of the --map options, trimmed: each option holds
// one or more, separated by commas.
std::vector<std::string> mapPairs(const std::vector<std::string>& maps) {
    std::vector<std::string> pairs;
    for (const std::string& map : maps) {
        std::string_view rest = map;
        while (!rest.empty()) {
            const std::size_t comma = rest.find(',');
            pairs.push_back(trimmedName(rest.substr(0, comma)));
            rest = comma == std::string_view::npos ? std::string_view() : rest.substr(comma + 1);
        }
    }
    return pairs;
}

// The columns --map names by a header's name rather than by number: the
// header is the line holding them.
std::vector<std::string> mappedNames(const std::vector<std::string>& maps) {
    std::vector<std::string> names;
    for (const std::string& pair : mapPairs(maps)) {
        const std::size_t equals = pair.find('=');
        if (equals == std::string::npos) continue;
        const std::string column = trimmedName(pair.substr(equals + 1));
        if (!column.empty() && column.find_first_not_of("0123456789") != std::string::npos) names.push_back(column);
    }
    return names;
}

// The layout of --map over the file's columns; every column not named is
// ignored.
std::vector<StatementField> mappedColumns(const std::vector<std::string>& maps,
                                          const std::vector<std::string>& columnNames) {
    std::vector<StatementField> columns(columnNames.size(), StatementField::Ignore);
    for (const std::string& pair : mapPairs(maps)) {
        const std::size_t equals = pair.find('=');
        if (equals == std::string::npos)
            throw CliFailure(CliFailure::Usage, "--map: \"" + pair + "\" is not FIELD=COLUMN");
        const StatementField field = fieldNamed(trimmedName(pair.substr(0, equals)));
        columns[columnNamed(trimmedName(pair.substr(equals + 1)), columnNames)] = field;
    }
    return columns;
}

// Whether the plan was refused for texts that a book of format 2 holds.
bool needsFormat2(const PwText::StatementImport& plan) {
    using Reason = PwText::StatementFault::Reason;
    return std::any_of(plan.faults().begin(), plan.faults().end(), [](const PwText::StatementFault& fault) {
        return fault.reason == Reason::NotStorable || fault.reason == Reason::TooLong;
    });
}

std::string counted(int count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

using Reason = PwText::StatementFault::Reason;

// What would help with a fault of the whole file, or of many rows.
std::string hintFor(const PwText::Statement& statement, const PwText::StatementImport& plan) {
    const auto has = [&](Reason reason) {
        return std::any_of(plan.faults().begin(), plan.faults().end(),
                           [&](const PwText::StatementFault& fault) { return fault.reason == reason; });
    };
    std::string hint;
    if (statement.format == PwText::StatementFormat::Csv && statement.headerLine > 0)
        hint += "\nLine " + std::to_string(statement.headerLine) + " was taken as the " +
                (statement.csv.header == 1 ? "header." : "first row (no header).");
    if (has(Reason::AmbiguousDates)) {
        const bool shortYears = statement.dateFormat == PwText::StatementDateFormat::DayMonthShortYearSlash ||
                                statement.dateFormat == PwText::StatementDateFormat::MonthDayShortYearSlash;
        hint += shortYears ? "\nSay which with --date-format D/M/YY or --date-format MM/DD/YY."
                           : "\nSay which with --date-format DD/MM/YYYY or --date-format MM/DD/YYYY.";
    } else if (has(Reason::BadDate) && statement.format != PwText::StatementFormat::Ofx) {
        hint += std::string("\nThe dates were read as ") + nameOf(statement.dateFormat) +
                "; --date-format names another (" + statementDateFormatChoices(", ") + ").";
    }
    if (has(Reason::NoDateColumn) || has(Reason::NoAmountColumn))
        hint +=
            "\nName the columns with --map, e.g. --map date=1,amount=3,comment=2 (by number or by the header's "
            "names).";
    return hint;
}

std::string refusal(const PwText::Statement& statement, const PwText::StatementImport& plan) {
    constexpr int listed = 10;
    std::string text = "The statement was not imported; the book is unchanged.";
    const auto& faults = plan.faults();
    for (std::size_t k = 0; k < faults.size() && k < listed; ++k)
        text += "\n" + terminalText(PwText::describeStatementFault(faults[k]).toStdString());
    if (faults.size() > listed)
        text += "\n" + counted(static_cast<int>(faults.size()) - listed, "more fault", "more faults") + " not listed.";
    return text + hintFor(statement, plan);
}

// What reading settled that the user may want to check: the header below a
// preamble, dates whose order one line decided, accounts merged.
std::string readingNote(const PwText::Statement& statement) {
    std::string note;
    if (statement.format == PwText::StatementFormat::Csv && statement.csv.preamble > 0)
        note += "Line " + std::to_string(statement.headerLine) + " was taken as the " +
                (statement.csv.header == 1 ? "header" : "first row") + "; the lines above it were skipped.\n";
    if (statement.dateDecidingLine > 0)
        note += std::string("Dates read as ") + nameOf(statement.dateFormat) + ", as line " +
                std::to_string(statement.dateDecidingLine) + "'s date shows.\n";
    if (statement.accounts > 1) note += std::to_string(statement.accounts) + " accounts read into the one book.\n";
    return note;
}

std::string previewOf(const KestLib::AccountDB& db, const PwText::StatementImport& plan, bool keepDuplicates) {
    TextTable table({{"Date", TextTable::Align::Left},
                     {"In/Out", TextTable::Align::Left},
                     {"Amount", TextTable::Align::Right},
                     {"Type", TextTable::Align::Left},
                     {"Comment", TextTable::Align::Left}});
    int shown = 0;
    for (const auto& planned : plan.rows()) {
        if (planned.duplicate && !keepDuplicates) continue;
        if (shown++ == previewRows) break;
        const PwText::StatementRow& row = planned.row;
        std::string comment = row.comment;
        std::replace_if(
            comment.begin(), comment.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
        table.addRow({PwText::isoDate(row.year, row.month, row.day), row.income ? "Income" : "Outgoing",
                      amountText(db, row.amount), row.type, comment});
    }
    if (shown == 0) return {};
    std::string out = table.render();
    if (plan.newCount() > previewRows) out += "… and " + std::to_string(plan.newCount() - previewRows) + " more\n";
    return out;
}

}  // namespace

bool takesBookCsv(const ImportOptions& options, std::string_view bytes) {
    if (options.format != "auto" || takesStatementOptions(options)) return false;
    if (options.encoding != "auto" && options.encoding != "utf-8" && options.encoding != "big5") return false;
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    // The book's header is a few short names: a first line longer than a
    // statement's may be is no header of it, and isn't split into fields.
    PwText::CsvReader reader(bytes, ',', PwText::statementLineLimit);
    PwText::CsvRecord record;
    while (reader.next(record))
        if (!record.isBlank()) break;
    if (record.fields.empty() || record.fault != PwText::CsvRecord::Fault::None) return false;
    for (const std::string_view field : record.fields) {
        const std::string_view name = PwText::trimmed(field, PwText::Blanks::withLineEnds);
        if (std::none_of(std::begin(PwText::csvHeader), std::end(PwText::csvHeader),
                         [&](const char* column) { return PwText::equalsIgnoringCase(name, column); }))
            return false;
    }
    return true;
}

StatementOutcome importStatement(KestLib::AccountDB& db, std::string_view bytes, const ImportOptions& options) {
    PwText::StatementOptions reading;
    reading.format = formatNamed(options.format);
    reading.encoding = encodingNamed(options.encoding);
    reading.dateFormat = dateFormatNamed(options.dateFormat);
    reading.amountRule = options.cents ? PwText::AmountRule::Cents : PwText::AmountRule::Round;
    PwText::ImportChoices choices;
    choices.keepDuplicates = options.keepDuplicates;
    choices.defaultType = options.defaultType;
    PwText::fitAmountsToBook(db, reading, choices);
    reading.csv.delimiter = delimiterNamed(options.delimiter);
    if (options.decimalComma) reading.csv.decimalComma = 1;
    reading.rowRoom = PwText::statementRowRoom(db);
    reading.csv.headerNames = mappedNames(options.map);
    PwText::Statement statement = PwText::readStatement(bytes, reading);
    if (!options.map.empty()) {
        if (statement.format != PwText::StatementFormat::Csv)
            throw CliFailure(CliFailure::Usage, "--map: only a CSV statement has columns to map");
        // The columns are known once the file is read; read again with them.
        reading.csv.columns = mappedColumns(options.map, statement.columnNames);
        reading.csv.delimiter = statement.csv.delimiter;
        reading.csv.header = statement.csv.header;
        reading.csv.preamble = statement.csv.preamble;
        statement = PwText::readStatement(bytes, reading);
    }

    PwText::StatementImport plan = PwText::StatementImport::plan(db, statement, choices);
    // A new book whose texts Big5 lacks, or holds only cut, keeps them exactly in format 2.
    if (!db.isFormatKept() && db.format() == 1 &&
        (plan.respeltCount() > 0 || plan.cutCount() > 0 || needsFormat2(plan))) {
        PwText::convertToFormat2(db, 0);
        plan = PwText::StatementImport::plan(db, statement, choices);
    }
    if (!plan.canImport()) throw CliFailure(CliFailure::Refused, refusal(statement, plan));

    StatementOutcome outcome;
    outcome.what = counted(plan.newCount(), "transaction", "transactions") + " (" +
                   counted(plan.duplicateCount(), "duplicate", "duplicates") +
                   (options.keepDuplicates ? " kept, " : " skipped, ") +
                   counted(plan.roundedCount(), "amount", "amounts") + " rounded" +
                   (plan.roundedToZeroCount() > 0 ? ", " + std::to_string(plan.roundedToZeroCount()) + " to 0" : "") +
                   ")";
    if (!plan.newTypes().empty()) {
        std::string names;
        for (const std::string& name : plan.newTypes())
            names += (names.empty() ? "\"" : ", \"") + terminalText(name) + "\"";
        outcome.what +=
            " and " + counted(static_cast<int>(plan.newTypes().size()), "new type", "new types") + " (" + names + ")";
    }
    outcome.note = readingNote(statement);
    if (plan.respeltCount() > 0)
        outcome.note += counted(plan.respeltCount(), "row's comment or type is", "rows' comments or types are") +
                        " spelt without letters the book can't store (ä as ae, é as e, others as ?); converted to "
                        "format 2 (" +
                        programName + " convert BOOK) the book keeps them exactly.\n";
    if (plan.cutCount() > 0)
        outcome.note += counted(plan.cutCount(), "comment is", "comments are") + " cut to the " +
                        (db.format() == 2 ? std::to_string(KestLib::format2CommentCharacters) + " characters"
                                          : std::to_string(PwText::statementCommentRoom(db)) + " bytes") +
                        " the book holds.\n";
    if (options.dryRun)
        outcome.preview = previewOf(db, plan, options.keepDuplicates);
    else
        plan.apply(db);
    return outcome;
}

std::vector<std::string> statementDateFormatList() {
    std::vector<std::string> names{"auto"};
    for (const auto& named : PwText::statementDateFormatNames()) names.emplace_back(named.name);
    return names;
}

std::string statementDateFormatChoices(const std::string& separator) {
    std::string choices;
    for (const auto& named : PwText::statementDateFormatNames())
        choices += (choices.empty() ? "" : separator) + named.name;
    return choices;
}
