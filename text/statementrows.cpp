// Rows and faults as the OFX and QIF readers make them.
#include "text/statementrows.h"

#include <algorithm>

#include "text/asciitext.h"
#include "text/big5codec.h"

namespace PwText {

StatementEncoding encodingNamed(std::string_view name) {
    name = trimmed(name, Blanks::withLineEnds);
    for (const char* n : {"1252", "WINDOWS-1252", "CP1252"})
        if (equalsIgnoringCase(name, n)) return StatementEncoding::Windows1252;
    for (const char* n : {"ISO-8859-1", "8859-1", "ISO8859-1", "LATIN1", "LATIN-1"})
        if (equalsIgnoringCase(name, n)) return StatementEncoding::Latin1;
    for (const char* n : {"UTF-8", "UTF8"})
        if (equalsIgnoringCase(name, n)) return StatementEncoding::Utf8;
    return StatementEncoding::Detect;
}

bool decodeStatementBytes(std::string_view bytes, StatementEncoding requested, StatementEncoding declared,
                          Statement& statement, std::string& buffer, std::string_view& text) {
    const std::string_view unmarked = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? bytes.substr(3) : bytes;
    StatementEncoding encoding = requested;
    const bool utf8 =
        (encoding == StatementEncoding::Detect || encoding == StatementEncoding::Utf8) && isValidUtf8(unmarked);
    if (encoding == StatementEncoding::Detect) {
        if (utf8) encoding = StatementEncoding::Utf8;
        // A file that says UTF-8 but isn't has been through a single-byte editor.
        else if (declared == StatementEncoding::Latin1)
            encoding = StatementEncoding::Latin1;
        else
            encoding = StatementEncoding::Windows1252;
    }
    statement.encoding = encoding;
    if (utf8) {
        text = unmarked;  // a statement of 100,000 rows is not copied
        return true;
    }
    if (encoding != StatementEncoding::Utf8 && decodeStatementText(bytes, encoding, buffer)) {
        text = buffer;
        return true;
    }
    statement.faults.push_back(StatementFault{0, StatementFault::Reason::NotInEncoding, {}});
    return false;
}

std::string joinedComment(std::string_view first, std::string_view second) {
    std::string comment(trimmed(first, Blanks::withLineEnds));
    appendCommentPart(comment, second);
    return comment;
}

namespace {

// Whether text holds words as whole words ("ALDI" in "ALDI STORE", not in "ALDIS").
bool holdsWords(std::string_view text, std::string_view words) {
    if (words.empty()) return true;
    for (std::size_t at = text.find(words); at != std::string_view::npos; at = text.find(words, at + 1)) {
        const std::size_t end = at + words.size();
        if ((at == 0 || text[at - 1] == ' ') && (end == text.size() || text[end] == ' ')) return true;
    }
    return false;
}

}  // namespace

void appendCommentPart(std::string& comment, std::string_view part) {
    part = trimmed(part, Blanks::withLineEnds);
    if (part.empty() || holdsWords(comment, part)) return;
    if (holdsWords(part, comment)) {
        comment.assign(part);
        return;
    }
    comment.reserve(comment.size() + 1 + part.size());
    comment.append(1, ' ').append(part);
}

void StatementCollector::fault(int line, StatementFault::Reason reason, std::string_view text) {
    if (isFull) return;
    if (statement.faults.size() >= statementFaultLimit) {
        statement.faults.push_back(StatementFault{line, StatementFault::Reason::TooManyFaults, {}});
        isFull = true;
        return;
    }
    statement.faults.push_back(StatementFault{line, reason, std::string(text)});
}

void StatementCollector::row(StatementRow row) {
    if (isFull) return;
    if (static_cast<std::int64_t>(statement.rows.size()) >= rowRoom) {
        // The book has no room for it, however many rows are duplicates.
        statement.faults.push_back(StatementFault{row.line, StatementFault::Reason::NoIndexLeft, {}});
        isFull = true;
        return;
    }
    statement.rows.push_back(std::move(row));
}

void StatementCollector::row(int line, int year, int month, int day, const ParsedAmount& amount, std::string comment,
                             std::string type) {
    StatementRow added;
    added.line = line;
    added.year = year;
    added.month = month;
    added.day = day;
    added.income = !amount.negative;
    added.amount = amount.magnitude;
    added.rounded = amount.rounded;
    added.comment = std::move(comment);
    added.type = std::move(type);
    row(std::move(added));
}

bool StatementCollector::amount(int line, std::string_view text, bool decimalComma, AmountRule rule,
                                ParsedAmount& amount) {
    if (parseStatementAmount(text, decimalComma, rule, amount)) return true;
    fault(line, amount.outOfRange ? StatementFault::Reason::AmountOutOfRange : StatementFault::Reason::BadAmount, text);
    return false;
}

void sortStatementFaults(Statement& statement) {
    std::stable_sort(statement.faults.begin(), statement.faults.end(),
                     [](const StatementFault& a, const StatementFault& b) { return a.line < b.line; });
}

}  // namespace PwText
