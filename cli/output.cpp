#include "cli/output.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iostream>
#include <utility>

namespace {

bool isWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0x303E) || (c >= 0x3041 && c <= 0x33FF) ||
           (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0xA000 && c <= 0xA4CF) ||
           (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) ||
           (c >= 0xFF00 && c <= 0xFF60) || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

void appendPadding(std::string& out, int count) { out.append(static_cast<std::size_t>(std::max(0, count)), ' '); }

void appendEscape(std::string& out, const char* prefix, unsigned char code) {
    static constexpr char hex[] = "0123456789abcdef";
    out.append(prefix);
    out.push_back(hex[code >> 4]);
    out.push_back(hex[code & 0xF]);
}

// The errno of the first write to standard output that failed; 0 while all
// went well.
int outputFailure = 0;

// What noteSaved was told: work done for good, whatever standard output does.
std::string saved;

void noteOutputFailure() {
    if (outputFailure == 0) outputFailure = errno != 0 ? errno : EIO;
}

}  // namespace

int displayWidth(std::string_view utf8) {
    int width = 0;
    std::size_t k = 0;
    while (k < utf8.size()) {
        const unsigned char lead = static_cast<unsigned char>(utf8[k]);
        int length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        if (k + static_cast<std::size_t>(length) > utf8.size()) length = 1;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (int i = 1; i < length; ++i) c = (c << 6) | (static_cast<unsigned char>(utf8[k + i]) & 0x3F);
        width += isWide(c) ? 2 : 1;
        k += static_cast<std::size_t>(length);
    }
    return width;
}

std::string terminalText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t k = 0; k < utf8.size(); ++k) {
        const unsigned char c = static_cast<unsigned char>(utf8[k]);
        const unsigned char next = k + 1 < utf8.size() ? static_cast<unsigned char>(utf8[k + 1]) : 0;
        if (c < 0x20 || c == 0x7F) {
            appendEscape(out, "\\x", c);
        } else if (c == '\\') {
            out.append("\\\\");
        } else if (c == 0xC2 && next >= 0x80 && next <= 0x9F) {  // U+0080 to U+009F
            appendEscape(out, "\\u00", next);
            ++k;
        } else {
            out.push_back(static_cast<char>(c));
        }
    }
    return out;
}

void TextTable::addRow(std::vector<std::string> cells) {
    for (std::string& cell : cells) cell = terminalText(cell);
    rows.push_back(std::move(cells));
}

std::string TextTable::render() const {
    std::vector<int> widths;
    for (const Column& column : columns) widths.push_back(displayWidth(column.title));
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], displayWidth(row[c]));

    std::string out;
    auto appendLine = [&](const std::vector<std::string>& cells) {
        std::string line;
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const std::string empty;
            const std::string& cell = c < cells.size() ? cells[c] : empty;
            const int pad = widths[c] - displayWidth(cell);
            if (c > 0) line.append("  ");
            if (columns[c].align == Align::Right) appendPadding(line, pad);
            line.append(cell);
            if (columns[c].align == Align::Left) appendPadding(line, pad);
        }
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out.append(line);
        out.push_back('\n');
    };
    std::vector<std::string> titles;
    for (const Column& column : columns) titles.push_back(column.title);
    appendLine(titles);
    for (const auto& row : rows) {
        if (row.empty()) {
            int total = 0;
            for (const int width : widths) total += width;
            out.append(static_cast<std::size_t>(total + 2 * (static_cast<int>(widths.size()) - 1)), '-');
            out.push_back('\n');
        } else {
            appendLine(row);
        }
    }
    return out;
}

void writeOut(std::string_view bytes) {
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size()) noteOutputFailure();
}

void flushOut() {
    errno = 0;
    if (std::fflush(stdout) != 0) noteOutputFailure();
}

void report(const std::string& message) {
    flushOut();
    std::cerr << programName << ": " << message << '\n';
}

int closeOut() {
    flushOut();
    if (std::ferror(stdout)) noteOutputFailure();
    errno = 0;
    // A descriptor that was never open fails only here, and only when
    // nothing was written to it: there was nothing to lose.
    if (std::fclose(stdout) != 0 && errno != EBADF) noteOutputFailure();
    return outputFailure;
}

void noteSaved(std::string what) { saved = std::move(what); }

const std::string& savedNote() { return saved; }
