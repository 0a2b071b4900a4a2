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
    };

    std::vector<std::string> fields;
    // The line the record starts on, 1 for the first line of the input.
    int line = 0;
    Fault fault = Fault::None;

    // A line with nothing on it, which readers of spreadsheets' CSV skip.
    bool isBlank() const { return fault == Fault::None && fields.size() == 1 && fields[0].empty() && !quotedEmpty; }

    bool quotedEmpty = false;  // the only field was written as ""
};

// Reads CSV as RFC 4180 writes it: fields separated by commas (or the
// delimiter given: banks also write ';' and tabs), records by
// line breaks (CRLF, LF or a lone CR), a field that holds a comma, a quote or
// a line break enclosed in quotes with its quotes doubled. The bytes are
// taken as they are, so any encoding that never puts the bytes of a comma, a
// quote, CR or LF inside a multi-byte character (UTF-8, Big5) reads right.
// The last record needs no line break after it. A record whose quoting is
// broken is returned with its fault, and reading goes on at the next line.
class CsvReader {
public:
    explicit CsvReader(std::string_view bytes, char delimiter = ',') : input(bytes), delimiter(delimiter) {}

    // The next record; false when the input is used up. The record's field
    // strings are reused, so reading into one record allocates little.
    bool next(CsvRecord& record);

private:
    // Skips the rest of the current line after a fault.
    void skipLine();
    // Consumes a line break at pos if there is one; true if it did.
    bool takeLineBreak();

    std::string_view input;
    char delimiter;
    std::size_t pos = 0;
    int line = 1;
};

// Appends one record, fields quoted where RFC 4180 needs it, ended by CRLF.
void appendCsvRecord(std::string& out, const std::vector<std::string_view>& fields);
void appendCsvField(std::string& out, std::string_view field);

}  // namespace PwText
