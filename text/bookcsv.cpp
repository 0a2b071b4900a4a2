#include "text/bookcsv.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <climits>
#include <cstdint>
#include <optional>
#include <unordered_map>

#include "core/accountdb.h"
#include "text/asciitext.h"
#include "text/big5codec.h"
#include "text/bookadditions.h"
#include "text/bookamount.h"
#include "text/booktext.h"
#include "text/csv.h"
#include "text/isodate.h"

using KestLib::AccountDB;
using KestLib::Transaction;
using KestLib::TypeIdTable;

namespace PwText {

namespace {

constexpr std::string_view utf8Bom = "\xEF\xBB\xBF";
constexpr const char* incomeWord = "income";
constexpr const char* outgoingWord = "outgoing";

// ---- Export -------------------------------------------------------------------

void appendNumber(std::string& out, long long value) {
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

}  // namespace

std::string exportCsv(const AccountDB& db, CsvEncoding encoding, const KestLib::Selection& filter) {
    // Big5 asks for the bytes the book holds, which a book of format 2
    // holds in UTF-8 already.
    const bool asStored = encoding == CsvEncoding::Big5 || db.format() == 2;
    BookTextCodec codec(db);
    // Room for the whole text up front, so that it is never copied as it grows.
    std::size_t estimate = 128;
    for (int position = 0; position < db.transCount(); ++position)
        estimate += 48 + db.transaction(position, false).comment().size() * 3 / 2;
    std::string out;
    out.reserve(estimate);
    if (encoding == CsvEncoding::Utf8WithBom) out.append(utf8Bom);
    appendCsvRecord(out, std::vector<std::string_view>(std::begin(csvHeader), std::end(csvHeader)));

    // Each type's name converted once, not once per row.
    std::array<std::optional<std::string>, TypeIdTable::capacity> typeNames;
    for (int position = 0; position < db.typeCount(); ++position) {
        const KestLib::TransType& type = db.typeAt(position);
        if (type.id() < 0 || type.id() >= TypeIdTable::capacity) continue;
        const std::string_view name = storedText(type.name());
        typeNames[static_cast<std::size_t>(type.id())] = asStored ? std::string(name) : codec.toUtf8(name);
    }

    std::string comment;
    for (int position = 0; position < db.transCount(); ++position) {
        const Transaction& record = db.transaction(position, false);
        if (!filter.takes(record)) continue;
        appendNumber(out, record.index());
        out.push_back(',');
        appendIsoDate(out, record.year(), record.month(), record.day());
        out.push_back(',');
        out.append(record.isIncome() ? incomeWord : outgoingWord);
        out.push_back(',');
        appendAmount(out, record.amount(), db.decimals());
        out.push_back(',');
        const bool knownType = record.type() >= 0 && record.type() < TypeIdTable::capacity &&
                               typeNames[static_cast<std::size_t>(record.type())].has_value();
        if (knownType) appendCsvField(out, *typeNames[static_cast<std::size_t>(record.type())]);
        out.push_back(',');
        const std::string_view stored = storedText(record.comment());
        if (asStored || isAscii(stored)) {
            appendCsvField(out, stored);
        } else {
            comment = codec.toUtf8(stored);
            appendCsvField(out, comment);
        }
        out.append("\r\n");
    }
    return out;
}

// ---- Import -------------------------------------------------------------------

namespace {

enum Column { IndexColumn, DateColumn, DirectionColumn, AmountColumn, TypeColumn, CommentColumn, ColumnCount };

using Reason = ImportFault::Reason;

enum class AmountParse { Ok, NotANumber, OutOfRange };

// An optional sign and decimal digits, with a point and at most decimals
// digits after it in a book that keeps them; spaces around allowed.
AmountParse parseAmount(std::string_view text, int decimals, bool& negative, std::int64_t& magnitude) {
    text = trimmed(text, Blanks::spaceAndTab);
    negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) return AmountParse::NotANumber;
    const std::size_t point = decimals > 0 ? text.find('.') : std::string_view::npos;
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (point != std::string_view::npos && (fraction.empty() || static_cast<int>(fraction.size()) > decimals))
        return AmountParse::NotANumber;
    for (const std::string_view digits : {whole, fraction})
        for (const char c : digits)
            if (c < '0' || c > '9') return AmountParse::NotANumber;
    // Digits past what 64 bits hold are past any 32-bit amount too.
    const std::optional<std::int64_t> value = PwText::parseAmount(text, decimals);
    if (!value) return AmountParse::OutOfRange;
    magnitude = *value;
    return AmountParse::Ok;
}

class Importer {
public:
    Importer(AccountDB& db, std::string_view bytes, CsvEncoding encoding) : db(db), codec(db), additions(db) {
        if (bytes.substr(0, utf8Bom.size()) == utf8Bom && encoding != CsvEncoding::Big5) {
            bytes.remove_prefix(utf8Bom.size());
            encoding = CsvEncoding::Utf8;
        }
        if (encoding == CsvEncoding::Detect) encoding = isValidUtf8(bytes) ? CsvEncoding::Utf8 : CsvEncoding::Big5;
        if (encoding == CsvEncoding::Utf8WithBom) encoding = CsvEncoding::Utf8;
        report.encoding = encoding;
        input = bytes;
    }

    ImportReport run(bool dryRun) {
        CsvReader reader(input);
        CsvRecord record;
        if (!readHeader(reader, record)) return finish();
        while (reader.next(record)) {
            if (record.isBlank()) continue;
            readRow(record);
        }
        if (report.faultyRows == 0) {
            report.accepted = true;
            report.transactions = acceptedRows;
            report.newTypes = additions.newTypes();
            if (!dryRun) additions.applyTo(db);
        }
        return finish();
    }

private:
    ImportReport finish() {
        if (!report.accepted) {
            report.transactions = 0;
            report.newTypes.clear();
        }
        return std::move(report);
    }

    void fault(ImportFault f) {
        if (static_cast<int>(report.faults.size()) < ImportReport::maxListedFaults)
            report.faults.push_back(std::move(f));
    }
    void rowFault(int line, Reason reason, int column = -1, std::string_view text = {}) {
        ImportFault f;
        f.line = line;
        f.reason = reason;
        if (column >= 0) f.column = csvHeader[column];
        f.text = shownText(text);
        fault(std::move(f));
        ++report.faultyRows;
    }

    static std::optional<Reason> quotingFault(const CsvRecord& record) {
        switch (record.fault) {
        case CsvRecord::Fault::None: return std::nullopt;
        case CsvRecord::Fault::QuoteInUnquotedField: return Reason::QuoteInUnquotedField;
        case CsvRecord::Fault::TextAfterClosingQuote: return Reason::TextAfterClosingQuote;
        case CsvRecord::Fault::UnclosedQuote:
        case CsvRecord::Fault::TooLong:  // not met: the book's CSV is read without a limit
            return Reason::UnclosedQuote;
        }
        return Reason::UnclosedQuote;
    }

    bool readHeader(CsvReader& reader, CsvRecord& record) {
        bool found = false;
        while (reader.next(record))
            if (!record.isBlank()) {
                found = true;
                break;
            }
        if (!found) {
            rowFault(1, Reason::EmptyFile);
            return false;
        }
        if (const auto reason = quotingFault(record)) {
            rowFault(record.line, *reason);
            return false;
        }
        headerLine = record.line;
        columnOf.fill(-1);
        fieldCount = static_cast<int>(record.fields.size());
        int faults = 0;
        auto headerFault = [&](Reason reason, std::string_view name) {
            ImportFault f;
            f.line = record.line;
            f.reason = reason;
            f.text = shownText(decodedForDisplay(name));
            fault(std::move(f));
            ++faults;
        };
        for (int field = 0; field < fieldCount; ++field) {
            const std::string_view name = trimmed(record.fields[static_cast<std::size_t>(field)], Blanks::spaceAndTab);
            int column = 0;
            while (column < ColumnCount && !equalsIgnoringCase(name, csvHeader[column])) ++column;
            if (column == ColumnCount)
                headerFault(Reason::UnknownColumn, name);
            else if (columnOf[static_cast<std::size_t>(column)] >= 0)
                headerFault(Reason::DuplicateColumn, csvHeader[column]);
            else
                columnOf[static_cast<std::size_t>(column)] = field;
        }
        for (const Column needed : {DateColumn, AmountColumn})
            if (columnOf[needed] < 0) headerFault(Reason::MissingColumn, csvHeader[needed]);
        if (faults > 0) {
            ++report.faultyRows;
            return false;
        }
        return true;
    }

    std::string decodedForDisplay(std::string_view bytes) {
        if (report.encoding == CsvEncoding::Big5) return fileCodec.big5ToUtf8Lossy(bytes);
        return isValidUtf8(bytes) ? std::string(bytes) : std::string();
    }

    // The bytes the book stores for a text field, or a fault.
    std::optional<Reason> storable(std::string_view field, StoredTextKind kind, std::string& stored) {
        if (report.encoding == CsvEncoding::Big5) {
            if (!fileCodec.isValidBig5(field)) return Reason::NotBig5;
            stored.assign(field);
            if (codec.storesUtf8()) {
                if (!fileCodec.big5ToUtf8(field, utf8Field) || !codec.fromUtf8(utf8Field, stored))
                    return Reason::NotStorable;
            }
        } else {
            if (!isValidUtf8(field)) return Reason::NotUtf8;
            if (!codec.fromUtf8(field, stored)) return Reason::NotStorable;
        }
        switch (codec.fault(stored, kind)) {
        case StoredTextFault::None: return std::nullopt;
        case StoredTextFault::ZeroByte: return Reason::NotStorable;
        case StoredTextFault::TooLong: return Reason::TooLong;
        }
        return Reason::NotStorable;
    }

    std::string_view field(const CsvRecord& record, Column column) const {
        const int at = columnOf[column];
        return at < 0 ? std::string_view() : std::string_view(record.fields[static_cast<std::size_t>(at)]);
    }

    void textFault(int line, Reason reason, Column column, std::string_view field, const std::string& stored,
                   StoredTextKind kind) {
        ImportFault f;
        f.line = line;
        f.reason = reason;
        f.column = csvHeader[column];
        if (reason != Reason::NotUtf8 && reason != Reason::NotBig5) f.text = shownText(decodedForDisplay(field));
        if (reason == Reason::TooLong) {
            f.expected = static_cast<int>(codec.limit(kind));
            f.found = static_cast<int>(codec.size(stored));
            f.inCharacters = codec.storesUtf8();
        }
        fault(std::move(f));
        ++report.faultyRows;
    }

    void readRow(const CsvRecord& record) {
        const int line = record.line;
        if (const auto reason = quotingFault(record)) return rowFault(line, *reason);
        if (static_cast<int>(record.fields.size()) != fieldCount) {
            ImportFault f;
            f.line = line;
            f.reason = Reason::FieldCount;
            f.expected = fieldCount;
            f.found = static_cast<int>(record.fields.size());
            fault(std::move(f));
            ++report.faultyRows;
            return;
        }

        Date date;
        if (!parseIsoDate(trimmed(field(record, DateColumn), Blanks::spaceAndTab), date))
            return rowFault(line, Reason::BadDate, DateColumn, decodedForDisplay(field(record, DateColumn)));

        bool income = true;
        const bool hasDirection = columnOf[DirectionColumn] >= 0;
        if (hasDirection) {
            const std::string_view direction = trimmed(field(record, DirectionColumn), Blanks::spaceAndTab);
            if (equalsIgnoringCase(direction, incomeWord))
                income = true;
            else if (equalsIgnoringCase(direction, outgoingWord))
                income = false;
            else
                return rowFault(line, Reason::BadDirection, DirectionColumn, decodedForDisplay(direction));
        }

        bool negative = false;
        std::int64_t magnitude = 0;
        const std::string_view amountText = field(record, AmountColumn);
        const AmountParse parsed = parseAmount(amountText, db.decimals(), negative, magnitude);
        if (parsed == AmountParse::NotANumber)
            return rowFault(line, Reason::BadAmount, AmountColumn, decodedForDisplay(amountText));
        std::int64_t amount = negative ? -magnitude : magnitude;
        if (!hasDirection) {
            // Without a direction the sign is the direction.
            income = !negative;
            amount = magnitude;
        }
        if (parsed == AmountParse::OutOfRange || amount > INT32_MAX || amount < INT32_MIN)
            return rowFault(line, Reason::AmountOutOfRange, AmountColumn,
                            decodedForDisplay(trimmed(amountText, Blanks::spaceAndTab)));

        const std::string_view typeField = trimmed(field(record, TypeColumn), Blanks::spaceAndTab);
        int typeSlot = -1;
        const auto cached = typeSlots.find(typeField);
        if (cached != typeSlots.end()) {
            typeSlot = cached->second;
        } else {
            if (const auto reason = storable(typeField, StoredTextKind::Name, storedType))
                return textFault(line, *reason, TypeColumn, typeField, storedType, StoredTextKind::Name);
        }

        const std::string_view commentField = field(record, CommentColumn);
        if (const auto reason = storable(commentField, StoredTextKind::Comment, storedComment))
            return textFault(line, *reason, CommentColumn, commentField, storedComment, StoredTextKind::Comment);

        if (typeSlot < 0) {
            const std::optional<int> slot = additions.typeSlot(storedType);
            if (!slot) return rowFault(line, Reason::TooManyTypes, TypeColumn, decodedForDisplay(typeField));
            typeSlot = *slot;
            typeSlots.emplace(std::string(typeField), typeSlot);
        }

        if (acceptedRows == INT_MAX || acceptedRows >= db.indexesLeft()) return rowFault(line, Reason::NoIndexLeft);
        ++acceptedRows;
        // Once the file is refused, the rows are only checked.
        if (report.faultyRows > 0) return;
        additions.addTransaction(date.year, date.month, date.day, static_cast<std::int32_t>(amount), income, typeSlot,
                                 storedComment);
    }

    AccountDB& db;
    std::string_view input;
    ImportReport report;
    BookTextCodec codec;  // the book's texts
    Big5Codec fileCodec;  // a Big5 file's
    std::string utf8Field;
    int headerLine = 1;
    int fieldCount = 0;
    std::array<int, ColumnCount> columnOf{};
    std::unordered_map<std::string, int, TextHash, std::equal_to<>> typeSlots;  // type field as written -> slot
    BookAdditions additions;
    int acceptedRows = 0;
    std::string storedType;
    std::string storedComment;
};

}  // namespace

ImportReport importCsv(AccountDB& db, std::string_view bytes, CsvEncoding encoding, bool dryRun) {
    return Importer(db, bytes, encoding).run(dryRun);
}

}  // namespace PwText
