#include "text/statementreader.h"

#include <algorithm>

#include "text/asciitext.h"
#include "text/statementformats.h"

namespace PwText {

namespace {

// An <OFX> element, or <OFX with attributes, anywhere in text.
bool holdsOfxElement(std::string_view text) {
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
        const std::string_view rest = text.substr(at + 1);
        if (startsWithIgnoringCase(rest, "ofx") && rest.size() > 3 &&
            (rest[3] == '>' || rest[3] == ' ' || rest[3] == '\t' || rest[3] == '\r' || rest[3] == '\n'))
            return true;
    }
    return false;
}

// Lines a QIF file may start with: each a comment ("#", ";", "//", "%").
bool isQifComment(std::string_view lines) {
    while (!lines.empty()) {
        const std::size_t end = std::min(lines.find('\n'), lines.size());
        const std::string_view line = trimmed(lines.substr(0, end), Blanks::withLineEnds);
        if (!line.empty() && line[0] != '#' && line[0] != ';' && line[0] != '%' && line.substr(0, 2) != "//")
            return false;
        lines.remove_prefix(std::min(end + 1, lines.size()));
    }
    return true;
}

}  // namespace

StatementFormat detectStatementFormat(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    // Both formats say what they are at the start; a CSV that mentions
    // <OFX> in a comment further down stays a CSV.
    const std::string_view head = bytes.substr(0, 4096);
    std::size_t start = head.find_first_not_of(" \t\r\n");
    if (start == std::string_view::npos) return StatementFormat::Csv;
    // A QIF file may start with comment lines before its first section.
    for (std::size_t line = start, lines = 0; line < head.size() && lines < 20; ++lines) {
        const std::string_view rest = head.substr(line);
        if (startsWithIgnoringCase(rest, "!type:") || startsWithIgnoringCase(rest, "!option") ||
            startsWithIgnoringCase(rest, "!account"))
            return lines == 0 || isQifComment(head.substr(start, line - start)) ? StatementFormat::Qif
                                                                                : StatementFormat::Csv;
        line = head.find('\n', line);
        if (line == std::string_view::npos) break;
        line = head.find_first_not_of(" \t\r\n", line);
    }
    for (std::size_t line = start; line < head.size();) {
        if (startsWithIgnoringCase(head.substr(line), "OFXHEADER")) return StatementFormat::Ofx;
        line = head.find('\n', line);
        if (line == std::string_view::npos) break;
        line = head.find_first_not_of(" \t\r\n", line);
    }
    // OFX 2 and bare OFX start with markup, which no CSV does.
    return head[start] == '<' && holdsOfxElement(head) ? StatementFormat::Ofx : StatementFormat::Csv;
}

Statement readStatement(std::string_view bytes, const StatementOptions& options) {
    StatementFormat format = options.format;
    if (format == StatementFormat::Auto) format = detectStatementFormat(bytes);
    const std::size_t afterMark = bytes.substr(0, 3) == "\xEF\xBB\xBF" ? 3 : 0;
    if (bytes.find_first_not_of(" \t\r\n", afterMark) == std::string_view::npos) {
        Statement empty;
        empty.format = format;
        empty.faults.push_back({0, StatementFault::Reason::EmptyFile, {}});
        return empty;
    }
    if (bytes.size() > statementFileLimit) {
        // Not even looked into: no bank writes a statement that long.
        Statement tooLarge;
        tooLarge.format = format;
        tooLarge.faults.push_back({0, StatementFault::Reason::FileTooLarge, {}});
        return tooLarge;
    }
    Statement statement;
    switch (format) {
    case StatementFormat::Ofx: statement = readOfx(bytes, options); break;
    case StatementFormat::Qif: statement = readQif(bytes, options); break;
    case StatementFormat::Auto:
    case StatementFormat::Csv: statement = readBankCsv(bytes, options); break;
    }
    statement.format = format;
    return statement;
}

}  // namespace PwText
