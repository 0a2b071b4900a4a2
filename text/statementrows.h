#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/statement.h"

// What the statement readers share in turning fields into rows and faults.

namespace PwText {

// The bytes as UTF-8 text in the encoding asked for; for Detect, UTF-8 when
// the bytes are valid UTF-8, else what the file declares (a single-byte
// encoding), else Windows-1252. Text in UTF-8 already is the bytes
// themselves, less a byte-order mark; other text is converted into buffer.
// False (and a NotInEncoding fault) when the bytes aren't valid in the
// encoding asked for.
bool decodeStatementBytes(std::string_view bytes, StatementEncoding requested, StatementEncoding declared,
                          Statement& statement, std::string& buffer, std::string_view& text);

// The encoding a CHARSET or encoding="" value names; Detect for any other.
StatementEncoding encodingNamed(std::string_view name);

// A statement's two texts of a transaction (a payee and a memo) as one
// comment: joined by a space, the second left out when it repeats the first.
std::string joinedComment(std::string_view first, std::string_view second);
// Adds part to a comment made of several texts, after a space; a part the
// comment holds already is left out, and a part that holds the whole
// comment so far replaces it: a memo that repeats the name isn't added twice.
void appendCommentPart(std::string& comment, std::string_view part);

// The rows and faults of a statement as a reader finds them, held to the
// limits every statement has: once a row is past the book's room, or the
// faults reach statementFaultLimit, the collector is full, with a last
// fault saying why, and the reader stops.
class StatementCollector {
public:
    StatementCollector(Statement& statement, const StatementOptions& options)
        : statement(statement), rowRoom(options.rowRoom) {}

    void fault(int line, StatementFault::Reason reason, std::string_view text = {});
    void row(StatementRow row);
    void row(int line, int year, int month, int day, const ParsedAmount& amount, std::string comment, std::string type);
    // The amount, or a BadAmount or AmountOutOfRange fault on line with the
    // text as given.
    bool amount(int line, std::string_view text, bool decimalComma, AmountRule rule, ParsedAmount& amount);
    // Nothing more is taken: reading ends.
    bool full() const { return isFull; }

private:
    Statement& statement;
    std::int64_t rowRoom;
    bool isFull = false;
};

// Faults found out of line order (a record's fields come in any order) put
// back in line order.
void sortStatementFaults(Statement& statement);

}  // namespace PwText
