#include "text/csv.h"

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

bool CsvReader::readQuoted(CsvRecord& record, std::size_t field) {
    const std::size_t contentStart = pos;
    bool doubled = false;
    while (pos < recordEnd) {
        while (pos < recordEnd && input[pos] != '"' && input[pos] != '\r' && input[pos] != '\n') ++pos;
        if (pos == recordEnd) break;
        if (input[pos] != '"') {
            takeLineBreak();  // a line break inside quotes belongs to the field, as written
            continue;
        }
        if (pos + 1 < input.size() && input[pos + 1] == '"') {
            doubled = true;
            pos += 2;
            continue;
        }
        const std::string_view content = input.substr(contentStart, pos - contentStart);
        ++pos;
        if (!doubled) {
            record.fields.push_back(content);
            return true;
        }
        // Only such a field is copied, its doubled quotes made single; its
        // view is set once the record is whole, as the copies may move.
        const std::size_t copyStart = record.unquoted.size();
        for (std::size_t k = 0; k < content.size(); ++k) {
            record.unquoted.push_back(content[k]);
            if (content[k] == '"') ++k;
        }
        record.unquotedFields.push_back({field, copyStart, record.unquoted.size() - copyStart});
        record.fields.emplace_back();
        return true;
    }
    record.fields.push_back(input.substr(contentStart, pos - contentStart));
    return false;
}

bool CsvReader::next(CsvRecord& record) {
    record.fault = CsvRecord::Fault::None;
    record.quotedEmpty = false;
    record.line = line;
    record.fields.clear();
    record.unquoted.clear();
    record.unquotedFields.clear();
    if (pos >= input.size()) return false;

    const std::size_t start = pos;
    // Nothing past the limit is looked at: a line of a gigabyte is refused
    // after its first megabyte.
    recordEnd = maxRecordBytes == unlimited || input.size() - start <= maxRecordBytes ? input.size()
                                                                                      : start + maxRecordBytes + 1;
    auto finish = [&] {
        for (const CsvRecord::UnquotedField& copied : record.unquotedFields)
            record.fields[copied.field] = std::string_view(record.unquoted).substr(copied.start, copied.size);
        return true;
    };
    auto tooLong = [&] {
        if (pos - start <= maxRecordBytes) return false;
        record.fields.clear();
        record.unquotedFields.clear();
        record.fault = CsvRecord::Fault::TooLong;
        pos = input.size();
        return true;
    };

    while (true) {
        const std::size_t field = record.fields.size();
        if (pos < input.size() && input[pos] == '"') {
            ++pos;
            const bool closed = readQuoted(record, field);
            if (tooLong()) return true;
            if (!closed) {
                record.fault = CsvRecord::Fault::UnclosedQuote;
                return finish();
            }
            if (field == 0 && record.fields[0].empty() && record.unquotedFields.empty()) record.quotedEmpty = true;
            if (pos < input.size() && input[pos] != delimiter && input[pos] != '\r' && input[pos] != '\n') {
                record.fault = CsvRecord::Fault::TextAfterClosingQuote;
                skipLine();
                return finish();
            }
        } else {
            std::size_t end = pos;
            while (end < recordEnd && input[end] != delimiter && input[end] != '\n' && input[end] != '\r' &&
                   input[end] != '"')
                ++end;
            record.fields.push_back(input.substr(pos, end - pos));
            pos = end;
            if (tooLong()) return true;
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
