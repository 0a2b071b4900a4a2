// OFX statements: 1.x, SGML whose leaf elements have no closing tag, and
// 2.x, XML. Only the bank and card statements' transactions are read, four
// fields of each, so a small reader of tags does, without a DTD.
#include <cstdint>

#include "core/calendar.h"
#include "text/asciitext.h"
#include "text/statementformats.h"
#include "text/statementrows.h"

namespace PwText {

namespace {

using Reason = StatementFault::Reason;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view withoutMark(std::string_view text) {
    return text.substr(0, 3) == "\xEF\xBB\xBF" ? text.substr(3) : text;
}

// What the header declares: CHARSET in 1.x's header lines, the XML
// declaration's encoding in 2.x.
StatementEncoding declaredEncoding(std::string_view bytes) {
    bytes = withoutMark(bytes);
    const std::size_t firstTag = bytes.find('<');
    std::string_view header = bytes.substr(0, firstTag);
    while (!header.empty()) {
        const std::size_t end = header.find_first_of("\r\n");
        const std::string_view line = trimmed(header.substr(0, end), Blanks::withLineEnds);
        header = end == std::string_view::npos ? std::string_view{} : header.substr(end + 1);
        if (startsWithIgnoringCase(line, "CHARSET:")) {
            const StatementEncoding named = encodingNamed(line.substr(8));
            if (named != StatementEncoding::Detect) return named;
        }
    }
    if (firstTag == std::string_view::npos || !startsWithIgnoringCase(bytes.substr(firstTag), "<?XML")) {
        return StatementEncoding::Detect;
    }
    const std::string_view declaration = bytes.substr(firstTag, bytes.find("?>", firstTag) - firstTag);
    const std::size_t at = declaration.find("encoding");
    if (at == std::string_view::npos) return StatementEncoding::Detect;
    const std::size_t open = declaration.find_first_of("\"'", at);
    if (open == std::string_view::npos) return StatementEncoding::Detect;
    const std::size_t close = declaration.find(declaration[open], open + 1);
    if (close == std::string_view::npos) return StatementEncoding::Detect;
    return encodingNamed(declaration.substr(open + 1, close - open - 1));
}

// An OFXHEADER line first, or an <OFX> element anywhere.
bool looksLikeOfx(std::string_view text) {
    text = withoutMark(text);
    std::size_t start = 0;
    while (start < text.size() && isSpace(text[start])) ++start;
    if (startsWithIgnoringCase(text.substr(start), "OFXHEADER")) return true;
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
        const std::string_view rest = text.substr(at + 1);
        if (startsWithIgnoringCase(rest, "OFX") && rest.size() > 3 && (rest[3] == '>' || isSpace(rest[3]))) return true;
    }
    return false;
}

// The line of each position, for positions that only go forward.
class LineCounter {
public:
    explicit LineCounter(std::string_view text) : text(text) {}

    int lineAt(std::size_t position) {
        for (; counted < position && counted < text.size(); ++counted) {
            const char c = text[counted];
            if (c == '\n' || (c == '\r' && (counted + 1 == text.size() || text[counted + 1] != '\n'))) ++line;
        }
        return line;
    }

private:
    std::string_view text;
    std::size_t counted = 0;
    int line = 1;
};

void appendUtf8(std::uint32_t code, std::string& out) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// The character of a numeric reference's digits ("#38", "#x26"); 0 for none.
std::uint32_t numericReference(std::string_view digits) {
    if (digits.size() < 2 || digits[0] != '#') return 0;
    const bool hex = digits[1] == 'x' || digits[1] == 'X';
    digits.remove_prefix(hex ? 2 : 1);
    if (digits.empty() || digits.size() > 8) return 0;
    std::uint32_t code = 0;
    for (const char c : digits) {
        int value;
        if (c >= '0' && c <= '9')
            value = c - '0';
        else if (hex && asciiUpper(c) >= 'A' && asciiUpper(c) <= 'F')
            value = asciiUpper(c) - 'A' + 10;
        else
            return 0;
        code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
    }
    // Neither a surrogate nor past Unicode: such a reference stays as written.
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
    return code;
}

// An element's text with its entities decoded (not in a CDATA section,
// which holds its text as written) and its runs of white space, line breaks
// among them, made one space: a comment is one line.
std::string elementText(std::string_view raw, bool cdata) {
    raw = trimmed(raw, Blanks::withLineEnds);
    std::string out;
    out.reserve(raw.size());
    for (std::size_t k = 0; k < raw.size(); ++k) {
        const char c = raw[k];
        if (isSpace(c)) {
            if (out.empty() || out.back() != ' ') out += ' ';
            continue;
        }
        if (c == '&' && !cdata) {
            const std::size_t end = raw.find(';', k);
            if (end != std::string_view::npos && end - k <= 10) {
                const std::string_view name = raw.substr(k + 1, end - k - 1);
                static constexpr struct {
                    std::string_view name;
                    char c;
                } named[] = {{"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
                bool decoded = false;
                for (const auto& entity : named) {
                    if (name == entity.name) {
                        out += entity.c;
                        decoded = true;
                    }
                }
                if (const std::uint32_t code = decoded ? 0 : numericReference(name); code != 0) {
                    // A line break or a tab written as a reference is white space too.
                    if (code < 0x80 && isSpace(static_cast<char>(code))) {
                        if (!out.empty() && out.back() != ' ') out += ' ';
                    } else {
                        appendUtf8(code, out);
                    }
                    decoded = true;
                }
                if (decoded) {
                    k = end;
                    continue;
                }
            }
        }
        out += c;
    }
    return out;
}

struct Field {
    int line = 0;  // 0: not in the transaction
    std::string_view raw;
    bool cdata = false;  // raw is a CDATA section's content
};

std::string elementText(const Field& field) { return elementText(field.raw, field.cdata); }

struct Transaction {
    int line = 0;
    Field posted;
    Field amount;
    Field name;
    Field memo;
};

// DTPOSTED: YYYYMMDD, then optionally HHMMSS, .XXX and [offset:zone].
bool readPostedDate(std::string_view text, int& year, int& month, int& day) {
    text = trimmed(text, Blanks::withLineEnds);
    if (text.size() < 8) return false;
    std::size_t k = 0;
    while (k < text.size() && text[k] >= '0' && text[k] <= '9') ++k;
    if (k < 8 || k > 14) return false;
    if (k < text.size() && text[k] == '.') {
        ++k;
        while (k < text.size() && text[k] >= '0' && text[k] <= '9') ++k;
    }
    if (k < text.size() && (text[k] != '[' || text.back() != ']')) return false;
    // The first eight characters are digits: checked above.
    const auto number = [&](std::size_t from, std::size_t width) {
        int value = 0;
        for (std::size_t i = from; i < from + width; ++i) value = value * 10 + (text[i] - '0');
        return value;
    };
    year = number(0, 4), month = number(4, 2), day = number(6, 2);
    return KestLib::isCalendarDate(year, month, day);
}

void addTransaction(StatementCollector& rows, const Transaction& transaction, AmountRule rule) {
    int year = 0, month = 0, day = 0;
    bool good = true;
    if (transaction.posted.line == 0) {
        rows.fault(transaction.line, Reason::BadDate);
        good = false;
    } else if (!readPostedDate(transaction.posted.raw, year, month, day)) {
        rows.fault(transaction.posted.line, Reason::BadDate, trimmed(transaction.posted.raw, Blanks::withLineEnds));
        good = false;
    }
    ParsedAmount amount;
    if (transaction.amount.line == 0) {
        rows.fault(transaction.line, Reason::BadAmount);
        good = false;
    } else {
        // OFX has no group marks, so a comma, as some banks write, is the decimal mark.
        const std::string_view text = trimmed(transaction.amount.raw, Blanks::withLineEnds);
        const bool comma = text.find(',') != std::string_view::npos && text.find('.') == std::string_view::npos;
        good = rows.amount(transaction.amount.line, text, comma, rule, amount) && good;
    }
    if (good) {
        rows.row(transaction.line, year, month, day, amount,
                 joinedComment(elementText(transaction.name), elementText(transaction.memo)), {});
    }
}

// Where transactions are read: a bank or card statement, and an investment
// statement's bank lines (its cash moving in and out of the account).
bool isStatementElement(std::string_view tag) {
    return equalsIgnoringCase(tag, "STMTRS") || equalsIgnoringCase(tag, "CCSTMTRS") ||
           equalsIgnoringCase(tag, "INVBANKTRAN");
}

// An account's statement: each counts once, when a transaction is read in it.
bool isAccountElement(std::string_view tag) {
    return equalsIgnoringCase(tag, "STMTRS") || equalsIgnoringCase(tag, "CCSTMTRS") ||
           equalsIgnoringCase(tag, "INVSTMTRS");
}

// The fields that make a transaction, each once in it: met where no
// <STMTTRN> is open, or a second time in one, they are a transaction whose
// opening tag is missing.
bool isTransactionKey(std::string_view tag) {
    return equalsIgnoringCase(tag, "DTPOSTED") || equalsIgnoringCase(tag, "TRNAMT");
}

// Reads every STMTTRN inside a STMTRS, CCSTMTRS or INVBANKTRAN element. A
// transaction ends at its closing tag or, where that is missing, at the
// next one or at the end of its list. A transaction can't be lost without a
// word: one outside a bank or card statement, or the fields of one whose
// <STMTTRN> is missing, are faults at their line. Only an investment
// statement's other transactions (buys, sells, income of securities), which
// aren't read, are passed over. accounts counts the statements read from.
void readTransactions(std::string_view text, StatementCollector& rows, AmountRule rule, bool& sawTransaction,
                      int& accounts) {
    LineCounter lines(text);
    int statementDepth = 0;
    int investmentDepth = 0;
    Transaction open;
    bool orphanReported = false;  // till the next transaction
    bool accountCounted = false;  // the account open has a transaction read
    auto close = [&] {
        if (open.line != 0) addTransaction(rows, open, rule);
        open = Transaction{};
        orphanReported = false;
    };
    auto depth = [](int& count, bool closing, bool empty) {
        if (closing)
            count = count > 0 ? count - 1 : 0;
        else if (!empty)
            ++count;
    };
    std::size_t at = text.find('<');
    while (at != std::string_view::npos && !rows.full()) {
        const std::string_view rest = text.substr(at);
        if (rest.substr(0, 4) == "<!--") {
            const std::size_t end = text.find("-->", at + 4);
            at = end == std::string_view::npos ? end : text.find('<', end + 3);
            continue;
        }
        const std::size_t tagEnd = text.find('>', at);
        if (tagEnd == std::string_view::npos) break;
        std::string_view tag = text.substr(at + 1, tagEnd - at - 1);
        std::size_t next = text.find('<', tagEnd + 1);
        const std::size_t valueEnd = next == std::string_view::npos ? text.size() : next;
        std::string_view value = text.substr(tagEnd + 1, valueEnd - tagEnd - 1);
        // <NAME><![CDATA[ALDI STORE]]>: the section is the element's text.
        bool cdata = false;
        constexpr std::string_view cdataOpen = "<![CDATA[";
        if (next != std::string_view::npos && trimmed(value, Blanks::withLineEnds).empty() &&
            text.substr(next, cdataOpen.size()) == cdataOpen) {
            const std::size_t contentAt = next + cdataOpen.size();
            const std::size_t cdataEnd = text.find("]]>", contentAt);
            if (cdataEnd != std::string_view::npos) {
                value = text.substr(contentAt, cdataEnd - contentAt);
                next = text.find('<', cdataEnd + 3);
                cdata = true;
            }
        }
        const std::size_t tagAt = at;
        at = next;
        if (tag.empty() || tag[0] == '?' || tag[0] == '!') continue;

        const bool closing = tag[0] == '/';
        if (closing) tag.remove_prefix(1);
        const bool empty = !closing && !tag.empty() && tag.back() == '/';
        if (empty) tag.remove_suffix(1);
        tag = tag.substr(0, tag.find_first_of(" \t\r\n"));

        if (isAccountElement(tag) && !closing) accountCounted = false;
        if (isStatementElement(tag)) {
            close();
            depth(statementDepth, closing, empty);
        } else if (equalsIgnoringCase(tag, "INVSTMTRS")) {
            close();
            depth(investmentDepth, closing, empty);
        } else if (equalsIgnoringCase(tag, "STMTTRN") || equalsIgnoringCase(tag, "BANKTRANLIST")) {
            close();
            if (closing || !equalsIgnoringCase(tag, "STMTTRN")) continue;
            if (statementDepth > 0) {
                open.line = lines.lineAt(tagAt);
                sawTransaction = true;
                if (!accountCounted) ++accounts;
                accountCounted = true;
            } else if (investmentDepth == 0) {
                rows.fault(lines.lineAt(tagAt), Reason::OfxTransactionOutsideStatement);
                sawTransaction = true;
            }
        } else if (!closing && statementDepth > 0) {
            Field* field = equalsIgnoringCase(tag, "DTPOSTED") ? &open.posted
                           : equalsIgnoringCase(tag, "TRNAMT") ? &open.amount
                           : equalsIgnoringCase(tag, "NAME")   ? &open.name
                           : equalsIgnoringCase(tag, "MEMO")   ? &open.memo
                                                               : nullptr;
            if (field == nullptr) continue;
            const bool orphan = open.line == 0 || field->line != 0;
            if (orphan && isTransactionKey(tag)) {
                if (!orphanReported) rows.fault(lines.lineAt(tagAt), Reason::OfxFieldOutsideTransaction, tag);
                orphanReported = true;
                sawTransaction = true;
            } else if (!orphan) {
                field->line = lines.lineAt(tagAt);
                field->raw = empty ? std::string_view{} : value;
                field->cdata = cdata;
            }
        }
    }
    close();
}

}  // namespace

Statement readOfx(std::string_view bytes, const StatementOptions& options) {
    Statement statement;
    statement.format = StatementFormat::Ofx;
    // Dates are fixed as YYYYMMDD; the nearest the formats name.
    statement.dateFormat = StatementDateFormat::YearMonthDayDash;
    StatementCollector rows(statement, options);
    if (trimmed(withoutMark(bytes), Blanks::withLineEnds).empty()) {
        rows.fault(0, Reason::EmptyFile);
        return statement;
    }
    std::string buffer;
    std::string_view text;
    if (!decodeStatementBytes(bytes, options.encoding, declaredEncoding(bytes), statement, buffer, text))
        return statement;
    if (!looksLikeOfx(text)) {
        rows.fault(0, Reason::UnknownFormat);
        return statement;
    }
    bool sawTransaction = false;
    readTransactions(withoutMark(text), rows, options.amountRule, sawTransaction, statement.accounts);
    if (!sawTransaction) rows.fault(0, Reason::NoTransactions);
    sortStatementFaults(statement);
    return statement;
}

}  // namespace PwText
