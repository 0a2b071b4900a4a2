#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/statement.h"

// How a bank's CSV is written, guessed from its bytes: the encoding, the
// delimiter, whether there is a header and what its columns hold, the date
// format and the decimal mark. Each guess is a rule of its own, so that the
// reader stays a plain loop and each rule can be tested alone.

namespace PwText::StatementCsv {

// A UTF-8 mark or valid UTF-8: UTF-8. Else Big5 when looksLikeBig5, else
// Windows-1252. Each test is one pass over the bytes that keeps nothing of
// them.
StatementEncoding detectEncoding(std::string_view bytes);

// Chinese in Big5: valid Big5 with at least one common character (lead byte
// 0xA4-0xF9) and somewhere three bytes at or above 0x80 in a row. Western
// text in Windows-1252 puts one or two accented letters between plain ones
// ("Größe"), and is often valid Big5 by chance ("Bäcker"); Chinese comments
// of two characters or more almost always have such a run. Or, where some
// bytes aren't valid Big5, two runs or more of four such bytes that are (two
// Chinese characters in a row, which Western text never has): then the file
// is Big5 with faults, which the reader reports with their line rather than
// reading the whole file as Windows-1252.
bool looksLikeBig5(std::string_view bytes);

// Of ',' ';' and tab, the one that splits the first lines into the same
// number of fields, the most fields winning; ',' when none splits at all.
// Only the first 20 records starting in the first 64 KB count, each cut at
// statementLineLimit.
char detectDelimiter(std::string_view text);

// What a header name says its column holds (statementheadernames.h), case
// aside and a unit in brackets aside ("Betrag (EUR)").
StatementField fieldOfHeaderName(std::string_view name);
// The fields of a whole header: the first date, amount, debit, credit, type
// and direction column count, later ones are ignored; every comment column counts.
std::vector<StatementField> columnsOfHeader(const std::vector<std::string>& names);

// A first record none of whose fields reads as a date or an amount.
bool looksLikeHeader(const std::vector<std::string>& fields);
// A header whose names give a date column and an amount (or a debit or a
// credit) column: where the table starts below a bank's preamble.
bool namesDateAndAmount(const std::vector<std::string>& fields);

// Comma when some amount ends in a comma and one or two digits and none ends
// so with a point. The amounts are told one at a time, so that a file's are
// never gathered.
class DecimalMarkTally {
public:
    void add(std::string_view amount);
    bool comma() const { return sawComma && !sawPoint; }

private:
    bool sawComma = false;
    bool sawPoint = false;
};
bool detectDecimalComma(const std::vector<std::string_view>& amounts);

inline constexpr std::size_t datesTriedCount = 11;

// The first format that reads every date (the Republic of China's only with
// three-digit years), else the one that reads the most, so that the faults
// point at the odd rows. The dates are told one at a time.
class DateFormatTally {
public:
    // True when some format reads the date; line is the date's own.
    bool add(std::string_view date, int line = 0);
    StatementDateFormat best() const;
    // Every date reads as well with the day first as with the month first:
    // best() is a guess.
    bool ambiguous() const;
    // Where best() puts the day and the month one way round, the first
    // line whose date reads only so; 0 otherwise.
    int decidedAt() const;
    // The first date that read, as written.
    const std::string& first() const { return firstDate; }

private:
    std::array<std::size_t, datesTriedCount> misread{};  // by format, in the order tried
    std::array<int, datesTriedCount> decidingLine{};
    std::string firstDate;
};
StatementDateFormat detectDateFormat(const std::vector<std::string_view>& dates);

// The words banks write for a direction, case aside: "income"/"outgoing",
// "credit"/"debit", "C"/"D", "CR"/"DR", "H"/"S", "Haben"/"Soll",
// "Gutschrift"/"Lastschrift", "Bij"/"Af". True for income; nothing for
// other text.
std::optional<bool> parseDirection(std::string_view text);

}  // namespace PwText::StatementCsv
