#include "csv.h"

namespace PwText {

bool CsvReader::takeLineBreak() {
    if (pos >= input.size()) return false;
    if (input[pos] == '\r') {
        ++pos;
        if (pos < input.size() && input[pos] == '\n') ++pos;
    } else if (input[pos] == '\n') {
        ++pos;
    } else {
        return false;
    }
    ++line;
    return true;
}

void CsvReader::skipLine() {
    while (pos < input.size() && input[pos] != '\r' && input[pos] != '\n') ++pos;
    takeLineBreak();
}

bool CsvReader::next(CsvRecord& record) {
    record.fault = CsvRecord::Fault::None;
    record.quotedEmpty = false;
    record.line = line;
    if (pos >= input.size()) {
        record.fields.clear();
        return false;
    }

    // Fields of the previous record are cleared and refilled, keeping their memory.
    std::size_t used = 0;
    auto nextField = [&]() -> std::string& {
        if (used < record.fields.size()) {
            std::string& reused = record.fields[used++];
            reused.clear();
            return reused;
        }
        ++used;
        return record.fields.emplace_back();
    };
    auto finish = [&] {
        record.fields.resize(used);
        return true;
    };

    while (true) {
        std::string& field = nextField();
        if (pos < input.size() && input[pos] == '"') {
            ++pos;
            bool closed = false;
            while (pos < input.size()) {
                // Copy the run up to the next quote or line break in one go.
                std::size_t end = pos;
                while (end < input.size() && input[end] != '"' && input[end] != '\n' && input[end] != '\r') ++end;
                field.append(input.substr(pos, end - pos));
                pos = end;
                if (pos >= input.size()) break;
                const char c = input[pos];
                if (c == '"') {
                    if (pos + 1 < input.size() && input[pos + 1] == '"') {
                        field.push_back('"');
                        pos += 2;
                        continue;
                    }
                    ++pos;
                    closed = true;
                    break;
                }
                // A line break inside quotes belongs to the field, as written.
                const std::size_t breakStart = pos;
                takeLineBreak();
                field.append(input.substr(breakStart, pos - breakStart));
            }
            if (!closed) {
                record.fault = CsvRecord::Fault::UnclosedQuote;
                return finish();
            }
            if (used == 1 && field.empty()) record.quotedEmpty = true;
            if (pos < input.size() && input[pos] != delimiter && input[pos] != '\r' && input[pos] != '\n') {
                record.fault = CsvRecord::Fault::TextAfterClosingQuote;
                skipLine();
                return finish();
            }
        } else {
            std::size_t end = pos;
            while (end < input.size() && input[end] != delimiter && input[end] != '\n' && input[end] != '\r' &&
                   input[end] != '"')
                ++end;
            field.assign(input.substr(pos, end - pos));
            pos = end;
            if (pos < input.size() && input[pos] == '"') {
                record.fault = CsvRecord::Fault::QuoteInUnquotedField;
                skipLine();
                return finish();
            }
        }
        if (pos < input.size() && input[pos] == delimiter) {
            ++pos;
            continue;
        }
        takeLineBreak();
        return finish();
    }
}

void appendCsvField(std::string& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(field);
        return;
    }
    out.push_back('"');
    for (const char c : field) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

void appendCsvRecord(std::string& out, const std::vector<std::string_view>& fields) {
    // A record of one empty field would be an empty line, which readers skip.
    if (fields.size() == 1 && fields[0].empty()) {
        out.append("\"\"\r\n");
        return;
    }
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) out.push_back(',');
        appendCsvField(out, fields[i]);
    }
    out.append("\r\n");
}

}  // namespace PwText
