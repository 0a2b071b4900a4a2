#include "text/statementcsvdetect.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <utility>

#include "text/asciitext.h"
#include "text/big5codec.h"
#include "text/csv.h"
#include "text/statementheadernames.h"

namespace PwText::StatementCsv {

namespace {

bool isHigh(unsigned char c) { return c >= 0x80; }

std::optional<StatementField> headerWord(const QString& folded) {
    const QByteArray utf8 = folded.toUtf8();
    const std::string_view name(utf8.constData(), static_cast<std::size_t>(utf8.size()));
    for (const StatementHeaderName& known : statementHeaderNames())
        if (name == known.name) return known.field;
    return std::nullopt;
}

// The formats a date is tried in, the first that reads every date winning.
constexpr std::array<StatementDateFormat, datesTriedCount> datesTried = {StatementDateFormat::YearMonthDayDash,
                                                                         StatementDateFormat::YearMonthDaySlash,
                                                                         StatementDateFormat::YearMonthDayDigits,
                                                                         StatementDateFormat::DayMonthYearDot,
                                                                         StatementDateFormat::DayMonthShortYearDot,
                                                                         StatementDateFormat::DayMonthYearDash,
                                                                         StatementDateFormat::DayMonthYearSlash,
                                                                         StatementDateFormat::MonthDayYearSlash,
                                                                         StatementDateFormat::DayMonthShortYearSlash,
                                                                         StatementDateFormat::MonthDayShortYearSlash,
                                                                         StatementDateFormat::Roc};

// The other reading of a date written with the day and month either way round.
std::optional<StatementDateFormat> otherWayRound(StatementDateFormat format) {
    switch (format) {
    case StatementDateFormat::DayMonthYearSlash: return StatementDateFormat::MonthDayYearSlash;
    case StatementDateFormat::MonthDayYearSlash: return StatementDateFormat::DayMonthYearSlash;
    case StatementDateFormat::DayMonthShortYearSlash: return StatementDateFormat::MonthDayShortYearSlash;
    case StatementDateFormat::MonthDayShortYearSlash: return StatementDateFormat::DayMonthShortYearSlash;
    default: return std::nullopt;
    }
}

std::size_t positionTried(StatementDateFormat format) {
    return static_cast<std::size_t>(std::find(datesTried.begin(), datesTried.end(), format) - datesTried.begin());
}

bool readsAsAnyDate(std::string_view text) {
    int year, month, day;
    for (const auto format : datesTried)
        if (parseStatementDate(text, format, year, month, day)) return true;
    return false;
}

bool readsAsAmount(std::string_view text) {
    ParsedAmount amount;
    for (const bool comma : {false, true})
        if (parseStatementAmount(text, comma, AmountRule::Round, amount) || amount.outOfRange) return true;
    return false;
}

// The decimal mark an amount's end shows: ',' or '.' before one or two
// final digits, else 0.
char decimalMarkAtEnd(std::string_view amount) {
    amount = trimmed(amount, Blanks::spaceAndTab);
    while (!amount.empty() && (amount.back() == ')' || amount.back() == '-' || amount.back() == ' '))
        amount.remove_suffix(1);
    std::size_t digits = 0;
    while (digits < amount.size() && digits < 3 && amount[amount.size() - 1 - digits] >= '0' &&
           amount[amount.size() - 1 - digits] <= '9')
        ++digits;
    if (digits < 1 || digits > 2 || digits == amount.size()) return 0;
    const char mark = amount[amount.size() - 1 - digits];
    return mark == ',' || mark == '.' ? mark : 0;
}

}  // namespace

StatementEncoding detectEncoding(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF" || isValidUtf8(bytes)) return StatementEncoding::Utf8;
    return looksLikeBig5(bytes) ? StatementEncoding::Big5 : StatementEncoding::Windows1252;
}

bool looksLikeBig5(std::string_view bytes) {
    Big5Codec codec;
    bool common = false;
    bool longRun = false;
    bool stray = false;   // a high byte that starts no Big5 pair
    int run = 0;          // bytes at or above 0x80 in a row
    int chineseRuns = 0;  // runs of four or more high bytes that are valid Big5
    const auto* const begin = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = begin + bytes.size();
    const unsigned char* runStart = nullptr;
    auto endRun = [&](const unsigned char* at) {
        // A run's last lead byte takes the plain trail byte after it.
        if (run >= 4 && chineseRuns < 2 &&
            codec.isValidBig5(
                std::string_view(reinterpret_cast<const char*>(runStart), static_cast<std::size_t>(at - runStart))))
            ++chineseRuns;
        run = 0;
    };
    for (const unsigned char* p = begin; p < end;) {
        if (!isHigh(*p)) {
            if (run > 0) endRun(p);
            ++p;
            continue;
        }
        if (!isBig5Lead(*p) || p + 1 == end || !isBig5Trail(p[1])) {
            stray = true;
            if (run > 0) endRun(p);
            ++p;
            continue;
        }
        if (*p >= 0xA4 && *p <= 0xF9) common = true;
        if (run == 0) runStart = p;
        // The lead byte continues a run; a plain trail byte ends it.
        if (++run >= 3) longRun = true;
        if (!isHigh(p[1])) {
            endRun(p + 2);
        } else if (++run >= 3) {
            longRun = true;
        }
        p += 2;
    }
    if (run > 0) endRun(end);
    if (!stray && common && longRun && codec.isValidBig5(bytes)) return true;
    return chineseRuns >= 2;
}

char detectDelimiter(std::string_view text) {
    constexpr int linesCompared = 20;
    constexpr std::size_t sampleBytes = std::size_t{64} << 10;
    char best = ',';
    std::pair<bool, std::size_t> bestScore{false, 1};  // (the same count on every line, fields)
    CsvRecord record;
    for (const char delimiter : {',', ';', '\t'}) {
        CsvReader reader(text, delimiter, statementLineLimit);
        std::size_t fields = 0;
        bool same = true;
        for (int lines = 0; lines < linesCompared && reader.offset() < sampleBytes && reader.next(record);) {
            if (record.isBlank()) continue;
            ++lines;
            // Broken quoting counts against the delimiter, but one bad line
            // doesn't hide how the others split.
            if (record.fault != CsvRecord::Fault::None) {
                same = false;
                continue;
            }
            // The table's count decides, not that of a preamble above it.
            if (fields != 0 && record.fields.size() != fields) same = false;
            fields = record.fields.size();
        }
        const std::pair<bool, std::size_t> score{same, fields};
        if (fields > 1 && score > bestScore) {
            best = delimiter;
            bestScore = score;
        }
    }
    return best;
}

StatementField fieldOfHeaderName(std::string_view name) {
    QString key = QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())).trimmed();
    for (const QChar bracket : {QLatin1Char('('), QLatin1Char('[')})
        if (const qsizetype unit = key.indexOf(bracket); unit > 0) key = key.left(unit).trimmed();
    key = key.toCaseFolded();
    if (const auto field = headerWord(key)) return *field;
    // "Auftraggeber/Empfänger": the first part that is a known word.
    for (const QString& part : key.split(QLatin1Char('/')))
        if (const auto field = headerWord(part.trimmed())) return *field;
    return StatementField::Ignore;
}

std::vector<StatementField> columnsOfHeader(const std::vector<std::string>& names) {
    std::vector<StatementField> columns;
    columns.reserve(names.size());
    std::vector<StatementField> taken;
    for (const std::string& name : names) {
        StatementField field = fieldOfHeaderName(name);
        if (field != StatementField::Comment && field != StatementField::Ignore) {
            if (std::find(taken.begin(), taken.end(), field) != taken.end())
                field = StatementField::Ignore;
            else
                taken.push_back(field);
        }
        columns.push_back(field);
    }
    return columns;
}

bool namesDateAndAmount(const std::vector<std::string>& fields) {
    const std::vector<StatementField> columns = columnsOfHeader(fields);
    const auto names = [&](StatementField field) {
        return std::find(columns.begin(), columns.end(), field) != columns.end();
    };
    return names(StatementField::Date) &&
           (names(StatementField::Amount) || names(StatementField::Debit) || names(StatementField::Credit));
}

bool looksLikeHeader(const std::vector<std::string>& fields) {
    return std::none_of(fields.begin(), fields.end(),
                        [](const std::string& field) { return readsAsAnyDate(field) || readsAsAmount(field); });
}

void DecimalMarkTally::add(std::string_view amount) {
    const char mark = decimalMarkAtEnd(amount);
    if (mark == '.') sawPoint = true;
    if (mark == ',') sawComma = true;
}

bool detectDecimalComma(const std::vector<std::string_view>& amounts) {
    DecimalMarkTally tally;
    for (const std::string_view amount : amounts) tally.add(amount);
    return tally.comma();
}

bool DateFormatTally::add(std::string_view date, int line) {
    int year, month, day;
    bool readable = false;
    std::array<bool, datesTriedCount> read{};
    for (std::size_t k = 0; k < datesTried.size(); ++k) {
        const StatementDateFormat format = datesTried[k];
        read[k] = parseStatementDate(date, format, year, month, day) &&
                  (format != StatementDateFormat::Roc || trimmed(date, Blanks::spaceAndTab).find('/') == 3);
        if (!read[k]) ++misread[k];
        readable = readable || read[k];
    }
    if (readable && firstDate.empty()) firstDate = trimmed(date, Blanks::spaceAndTab);
    for (std::size_t k = 0; k < datesTried.size(); ++k)
        if (const auto other = otherWayRound(datesTried[k]); other && read[k] && !read[positionTried(*other)])
            if (decidingLine[k] == 0) decidingLine[k] = line;
    return readable;
}

StatementDateFormat DateFormatTally::best() const {
    const auto fewest = std::min_element(misread.begin(), misread.end());
    return datesTried[static_cast<std::size_t>(fewest - misread.begin())];
}

bool DateFormatTally::ambiguous() const {
    const StatementDateFormat format = best();
    const auto other = otherWayRound(format);
    return other && !firstDate.empty() && misread[positionTried(*other)] == misread[positionTried(format)];
}

int DateFormatTally::decidedAt() const {
    const StatementDateFormat format = best();
    return otherWayRound(format) ? decidingLine[positionTried(format)] : 0;
}

StatementDateFormat detectDateFormat(const std::vector<std::string_view>& dates) {
    DateFormatTally tally;
    for (const std::string_view date : dates) tally.add(date);
    return tally.best();
}

std::optional<bool> parseDirection(std::string_view text) {
    text = trimmed(text, Blanks::spaceAndTab);
    for (const char* word : {"income", "credit", "c", "cr", "h", "haben", "gutschrift", "bij"})
        if (equalsIgnoringCase(text, word)) return true;
    for (const char* word : {"outgoing", "debit", "d", "dr", "s", "soll", "lastschrift", "af"})
        if (equalsIgnoringCase(text, word)) return false;
    return std::nullopt;
}

}  // namespace PwText::StatementCsv
