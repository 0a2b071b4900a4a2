#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace PwText {

// One record of a CSV file as CsvReader reads it.
struct CsvRecord {
    enum class Fault {
        None,
        // A quote inside a field that doesn't start with one.
        QuoteInUnquotedField,
        // Something other than the delimiter or a line end after a closing quote.
        TextAfterClosingQuote,
        // The input ends inside a quoted field.
        UnclosedQuote,
        // The record is longer than the reader's limit; nothing after it is read.
        TooLong,
    };

    // Views into the input, or into the record's own copy of a field whose
    // doubled quotes had to be made single; valid until the next record is
    // read. No field is copied otherwise, so a line of a million commas costs
    // a million views, not a million strings.
    std::vector<std::string_view> fields;
    // The line the record starts on, 1 for the first line of the input.
    int line = 0;
    Fault fault = Fault::None;

    // A line with nothing on it, which readers of spreadsheets' CSV skip.
    bool isBlank() const { return fault == Fault::None && fields.size() == 1 && fields[0].empty() && !quotedEmpty; }

    bool quotedEmpty = false;  // the only field was written as ""

private:
    friend class CsvReader;
    std::string unquoted;  // the fields with doubled quotes, made single, back to back
    struct UnquotedField {
        std::size_t field, start, size;
    };
    std::vector<UnquotedField> unquotedFields;
};

// Reads CSV as RFC 4180 writes it: fields separated by commas (or the
// delimiter given: banks also write ';' and tabs), records by
// line breaks (CRLF, LF or a lone CR), a field that holds a comma, a quote or
// a line break enclosed in quotes with its quotes doubled. The bytes are
// taken as they are, so any encoding that never puts the bytes of a comma, a
// quote, CR or LF inside a multi-byte character (UTF-8, Big5) reads right.
// The last record needs no line break after it. A record whose quoting is
// broken is returned with its fault, and reading goes on at the next line.
// A record longer than maxRecordBytes (when given) is returned with the
// fault TooLong and without its fields, and ends the reading: a file of one
// endless line is never split into fields.
class CsvReader {
public:
    static constexpr std::size_t unlimited = static_cast<std::size_t>(-1);

    explicit CsvReader(std::string_view bytes, char delimiter = ',', std::size_t maxRecordBytes = unlimited)
        : input(bytes), delimiter(delimiter), maxRecordBytes(maxRecordBytes) {}

    // The next record; false when the input is used up.
    bool next(CsvRecord& record);
    // Where the next record starts, in bytes from the start of the input.
    std::size_t offset() const { return pos; }

private:
    // Skips the rest of the current line after a fault.
    void skipLine();
    // Consumes a line break at pos if there is one; true if it did.
    bool takeLineBreak();
    // Reads the quoted field at pos (past its opening quote) into record.
    bool readQuoted(CsvRecord& record, std::size_t field);

    std::string_view input;
    char delimiter;
    std::size_t maxRecordBytes;
    std::size_t pos = 0;
    std::size_t recordEnd = 0;  // where the limit ends the current record
    int line = 1;
};

// Appends one record, fields quoted where RFC 4180 needs it, ended by CRLF.
void appendCsvRecord(std::string& out, const std::vector<std::string_view>& fields);
void appendCsvField(std::string& out, std::string_view field);

}  // namespace PwText
