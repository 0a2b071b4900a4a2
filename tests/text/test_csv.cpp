#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/asciitext.h"
#include "text/csv.h"

using PwText::CsvReader;
using PwText::CsvRecord;
using Fault = CsvRecord::Fault;

namespace {

struct ReadRecord {
    std::vector<std::string> fields;
    int line;
    Fault fault = Fault::None;
    bool blank = false;

    bool operator==(const ReadRecord&) const = default;
};

std::vector<std::string> fieldsOf(const CsvRecord& record) {
    return std::vector<std::string>(record.fields.begin(), record.fields.end());
}

std::vector<ReadRecord> readAll(std::string_view bytes, char delimiter = ',',
                                std::size_t maxRecordBytes = CsvReader::unlimited) {
    CsvReader reader(bytes, delimiter, maxRecordBytes);
    CsvRecord record;
    std::vector<ReadRecord> records;
    while (reader.next(record))
        records.push_back({record.fault == Fault::None ? fieldsOf(record) : std::vector<std::string>{}, record.line,
                           record.fault, record.isBlank()});
    return records;
}

void PrintTo(const ReadRecord& r, std::ostream* out) {
    *out << "line " << r.line << " fault " << static_cast<int>(r.fault) << (r.blank ? " blank" : "") << " [";
    for (const auto& f : r.fields) *out << '<' << f << '>';
    *out << ']';
}

struct ReadCase {
    const char* name;
    std::string input;
    std::vector<ReadRecord> expected;
};

const ReadCase readCases[] = {
    {"crlf records", "a,b,c\r\n1,2,3\r\n", {{{"a", "b", "c"}, 1}, {{"1", "2", "3"}, 2}}},
    {"no trailing line break", "a,b\n1,2", {{{"a", "b"}, 1}, {{"1", "2"}, 2}}},
    {"comma inside quotes", "\"x,y\",z\n", {{{"x,y", "z"}, 1}}},
    {"doubled quote", "\"he said \"\"hi\"\"\",2\n", {{{"he said \"hi\"", "2"}, 1}}},
    {"line breaks inside quotes are kept as written",
     "\"l1\r\nl2\nl3\",x\r\nnext,y\r\n",
     {{{"l1\r\nl2\nl3", "x"}, 1}, {{"next", "y"}, 4}}},
    {"empty fields", ",,\n,\"\",x", {{{"", "", ""}, 1}, {{"", "", "x"}, 2}}},
    {"blank line, and a quoted empty field that is not one",
     "a\n\n\"\"\n",
     {{{"a"}, 1}, {{""}, 2, Fault::None, true}, {{""}, 3}}},
    {"lone CR ends a record", "a\rb\nc", {{{"a"}, 1}, {{"b"}, 2}, {{"c"}, 3}}},
    {"spaces belong to the field", " a , b ", {{{" a ", " b "}, 1}}},
    {"quote inside an unquoted field skips to the next line",
     "ab\"c,d\nok\n",
     {{{}, 1, Fault::QuoteInUnquotedField}, {{"ok"}, 2}}},
    {"text after a closing quote", "\"ab\"c,d\r\nok", {{{}, 1, Fault::TextAfterClosingQuote}, {{"ok"}, 2}}},
    {"unclosed quote runs to the end", "ok\n\"abc\nmore,1\n", {{{"ok"}, 1}, {{}, 2, Fault::UnclosedQuote}}},
    {"bytes of other encodings pass through",
     "\xA4\xA4\xA4\xE5,\xE4\xB8\xAD\n",
     {{{"\xA4\xA4\xA4\xE5", "\xE4\xB8\xAD"}, 1}}},
    {"empty input", "", {}},
};

}  // namespace

TEST(CsvReader, ReadsRfc4180AndItsCommonVariants) {
    for (const ReadCase& c : readCases) EXPECT_EQ(readAll(c.input), c.expected) << c.name;
}

TEST(CsvReader, SplitsByTheDelimiterGivenOnly) {
    struct Case {
        char delimiter;
        std::string input;
        std::vector<ReadRecord> expected;
    };
    const Case cases[] = {
        {';', "a;\"b;c\";1,5\n", {{{"a", "b;c", "1,5"}, 1}}},
        {'\t', "a\tb, c\t\n\"x\"\ty", {{{"a", "b, c", ""}, 1}, {{"x", "y"}, 2}}},
        {';', "\"x\",y\nok", {{{}, 1, Fault::TextAfterClosingQuote}, {{"ok"}, 2}}},
    };
    for (const Case& c : cases) EXPECT_EQ(readAll(c.input, c.delimiter), c.expected) << c.input;
}

// A record past the limit ends the reading, split into no fields: a line of
// a gigabyte of commas is never a billion fields.
TEST(CsvReader, EndsAtARecordLongerThanItsLimit) {
    const struct {
        const char* name;
        std::string input;
        std::vector<ReadRecord> expected;
    } cases[] = {
        {"a line exactly at the limit", "abcde\nok", {{{"abcde"}, 1}, {{"ok"}, 2}}},
        {"a line of fields past it", "abc\na,b,c,d\nok\n", {{{"abc"}, 1}, {{}, 2, Fault::TooLong}}},
        {"a quote left open past it", "\"ab\ncd\nef\"\nok", {{{}, 1, Fault::TooLong}}},
        {"doubled quotes within it", "\"a\"\"\"\n\"\"\"\"", {{{"a\""}, 1}, {{"\""}, 2}}},
    };
    for (const auto& c : cases) EXPECT_EQ(readAll(c.input, ',', 5), c.expected) << c.name;
}

TEST(CsvReader, ReusedRecordHoldsOnlyTheNewFields) {
    CsvReader reader("a,b,c\nd\n\"e\nf,g\n");
    CsvRecord record;
    ASSERT_TRUE(reader.next(record));
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(fieldsOf(record), std::vector<std::string>{"d"});
    ASSERT_TRUE(reader.next(record));
    EXPECT_EQ(record.fault, Fault::UnclosedQuote);
    EXPECT_FALSE(reader.next(record));
    EXPECT_TRUE(record.fields.empty());
}

TEST(CsvWriter, QuotesOnlyWhatNeedsIt) {
    std::string out;
    PwText::appendCsvRecord(out, {"plain", "with,comma", "say \"hi\"", "two\nlines", "", " spaced "});
    EXPECT_EQ(out, "plain,\"with,comma\",\"say \"\"hi\"\"\",\"two\nlines\",, spaced \r\n");
}

TEST(CsvWriter, WhatItWritesReadsBackTheSame) {
    const std::vector<std::vector<std::string_view>> records = {
        {"plain", "with,comma", "say \"hi\"", "crlf\r\ninside", "", " spaced "},
        {"\"", ",", "\r", "\n", "\"\"", "\xE4\xB8\xAD\xE6\x96\x87"},
        // One empty field alone must not turn into a blank line, which readers skip.
        {""},
        {"", ""},
    };
    std::string out;
    for (const auto& record : records) PwText::appendCsvRecord(out, record);

    CsvReader reader(out);
    CsvRecord record;
    for (const auto& expected : records) {
        ASSERT_TRUE(reader.next(record));
        EXPECT_EQ(record.fault, Fault::None);
        EXPECT_FALSE(record.isBlank());
        EXPECT_EQ(fieldsOf(record), std::vector<std::string>(expected.begin(), expected.end()));
    }
    EXPECT_FALSE(reader.next(record));
}

// Each set of blanks a reader trims its fields by: spaces and tabs always,
// line ends only with withLineEnds, the UTF-8 no-break space only with
// withNoBreakSpace; what is inside the text stays.
TEST(Trimmed, TakesAwayTheNamedBlanksAroundTheTextOnly) {
    using PwText::Blanks;
    struct Case {
        std::string text;
        Blanks blanks;
        std::string expected;
    };
    const std::string nbsp = "\xC2\xA0";
    const Case cases[] = {
        {" \t a b \t ", Blanks::spaceAndTab, "a b"},
        {"\r\n a \r\n", Blanks::spaceAndTab, "\r\n a \r\n"},
        {"\r\n a \r\n", Blanks::withLineEnds, "a"},
        {nbsp + " 1" + nbsp + "234 " + nbsp, Blanks::withNoBreakSpace, "1" + nbsp + "234"},
        {nbsp + "1" + nbsp, Blanks::withLineEnds, nbsp + "1" + nbsp},
        {"\xC2"
         " 1",
         Blanks::withNoBreakSpace,
         "\xC2"
         " 1"},  // half a no-break space is text
        {" \t ", Blanks::withNoBreakSpace, ""},
        {"", Blanks::withLineEnds, ""},
    };
    for (const Case& c : cases) EXPECT_EQ(PwText::trimmed(c.text, c.blanks), c.expected) << c.text;
}
