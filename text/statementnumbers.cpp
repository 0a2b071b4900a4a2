// The amounts, dates and encodings every statement format shares.
#include <QDate>
#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <string>

#include "core/calendar.h"
#include "text/asciitext.h"
#include "text/big5codec.h"
#include "text/statement.h"
#include "text/statementformats.h"

namespace PwText {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Up to three numbers of 1 to maxDigits digits each, split by separator.
bool splitDate(std::string_view text, char separator, int (&parts)[3], int (&widths)[3]) {
    int part = 0;
    parts[0] = parts[1] = parts[2] = 0;
    widths[0] = widths[1] = widths[2] = 0;
    for (const char c : text) {
        if (c == separator) {
            if (++part > 2) return false;
        } else if (isDigit(c)) {
            if (++widths[part] > 4) return false;
            parts[part] = parts[part] * 10 + (c - '0');
        } else {
            return false;
        }
    }
    return part == 2 && widths[0] > 0 && widths[1] > 0 && widths[2] > 0;
}

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }

// The currency signs banks write beside their amounts, the longer first.
constexpr std::string_view currencySigns[] = {"NT$",      "US$",          "A$",       "C$",          "HK$", "$",
                                              "\xC2\xA3", "\xE2\x82\xAC", "\xC2\xA5", "\xEF\xBF\xA5"};  // £ € ¥ ￥

// A currency sign or a three-letter code ("EUR") at either end of text,
// taken off it into currency, once.
void takeCurrency(std::string_view& text, std::string_view& currency) {
    if (!currency.empty() || text.empty()) return;
    const auto code = [](std::string_view part) {
        return part.size() == 3 && isUpper(part[0]) && isUpper(part[1]) && isUpper(part[2]);
    };
    for (const std::string_view sign : currencySigns) {
        if (text.size() > sign.size() && text.substr(0, sign.size()) == sign) {
            currency = text.substr(0, sign.size());
            text = trimmed(text.substr(sign.size()), Blanks::withNoBreakSpace);
            return;
        }
        if (text.size() > sign.size() && text.substr(text.size() - sign.size()) == sign) {
            currency = text.substr(text.size() - sign.size());
            text = trimmed(text.substr(0, text.size() - sign.size()), Blanks::withNoBreakSpace);
            return;
        }
    }
    if (text.size() > 3 && code(text.substr(0, 3)) && !isUpper(text[3])) {
        currency = text.substr(0, 3);
        text = trimmed(text.substr(3), Blanks::withNoBreakSpace);
    } else if (text.size() > 3 && code(text.substr(text.size() - 3)) && !isUpper(text[text.size() - 4])) {
        currency = text.substr(text.size() - 3);
        text = trimmed(text.substr(0, text.size() - 3), Blanks::withNoBreakSpace);
    }
}

}  // namespace

bool parseStatementAmount(std::string_view text, bool decimalComma, AmountRule rule, ParsedAmount& amount) {
    amount = ParsedAmount{};
    text = trimmed(text, Blanks::withNoBreakSpace);
    // "$1,234.56", "-12,50 €", "(£8.99)", "-€5", "EUR 3,00": the sign or
    // code may stand outside or inside the sign of the amount.
    std::string_view currency;
    takeCurrency(text, currency);
    bool negative = false;
    if (text.size() >= 2 && text.front() == '(' && text.back() == ')') {
        negative = true;
        text = trimmed(text.substr(1, text.size() - 2), Blanks::withNoBreakSpace);
        takeCurrency(text, currency);
    }
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = negative != (text.front() == '-');
        text = trimmed(text.substr(1), Blanks::withNoBreakSpace);
    } else if (!text.empty() && text.back() == '-') {  // "35,50-", as some banks write debits
        negative = !negative;
        text = trimmed(text.substr(0, text.size() - 1), Blanks::withNoBreakSpace);
    }
    takeCurrency(text, currency);
    const char decimalMark = decimalComma ? ',' : '.';
    const char groupMark = decimalComma ? '.' : ',';

    // Digits with optional group marks (a space, a no-break space, an
    // apostrophe or the other mark) before an optional decimal part. Groups
    // after the first have three digits each: "12,50" read with a decimal
    // point is not 1250 but no amount at all.
    auto groupMarkLength = [&](std::size_t at) -> std::size_t {
        const char c = text[at];
        if (c == groupMark || c == ' ' || c == '\'') return 1;
        const std::string_view rest = text.substr(at);
        if (rest.substr(0, 2) == "\xC2\xA0") return 2;      // no-break space
        if (rest.substr(0, 3) == "\xE2\x80\xAF") return 3;  // narrow no-break space
        return 0;
    };
    long long whole = 0;
    bool tooBig = false;
    int wholeDigits = 0;
    int groupDigits = 0;  // since the last group mark
    bool grouped = false;
    std::size_t k = 0;
    for (; k < text.size(); ++k) {
        const char c = text[k];
        if (isDigit(c)) {
            ++wholeDigits;
            ++groupDigits;
            if (whole > 100000000000LL)
                tooBig = true;
            else
                whole = whole * 10 + (c - '0');
        } else if (const std::size_t length = wholeDigits > 0 ? groupMarkLength(k) : 0; length > 0) {
            if (grouped ? groupDigits != 3 : groupDigits > 3) return false;
            grouped = true;
            groupDigits = 0;
            k += length - 1;
        } else {
            break;
        }
    }
    if (grouped && groupDigits != 3) return false;
    int fraction[2] = {0, 0};
    int fractionDigits = 0;
    bool beyondCents = false;  // a digit past the cents that isn't zero
    int thirdDigit = 0;
    if (k < text.size() && text[k] == decimalMark) {
        ++k;
        for (; k < text.size() && isDigit(text[k]); ++k, ++fractionDigits) {
            if (fractionDigits < 2) fraction[fractionDigits] = text[k] - '0';
            if (fractionDigits == 2) thirdDigit = text[k] - '0';
            if (fractionDigits >= 2 && text[k] != '0') beyondCents = true;
        }
        if (fractionDigits == 0 && wholeDigits == 0) return false;
    }
    if (k != text.size() || (wholeDigits == 0 && fractionDigits == 0)) return false;

    long long value;
    bool rounded;
    const int cents = fraction[0] * 10 + fraction[1];
    if (rule == AmountRule::Cents) {
        // A part of a cent is rounded half away from zero by its first digit.
        value = whole * 100 + cents + (thirdDigit >= 5 ? 1 : 0);
        rounded = beyondCents;
    } else {
        value = whole + (cents >= 50 ? 1 : 0);
        rounded = cents != 0 || beyondCents;
    }
    if (tooBig || value > INT32_MAX) {
        amount.outOfRange = true;
        return false;
    }
    // The sign as written: -0,15 rounded to 0 is still a debit.
    amount.written = whole != 0 || cents != 0 || beyondCents;
    amount.negative = negative && amount.written;
    amount.magnitude = static_cast<std::int32_t>(value);
    amount.rounded = rounded;
    amount.currency = currency;
    return true;
}

std::span<const StatementDateFormatName> statementDateFormatNames() {
    using F = StatementDateFormat;
    static constexpr StatementDateFormatName names[] = {{F::YearMonthDayDash, "YYYY-MM-DD"},
                                                        {F::YearMonthDaySlash, "YYYY/MM/DD"},
                                                        {F::YearMonthDayDigits, "YYYYMMDD"},
                                                        {F::DayMonthYearDot, "DD.MM.YYYY"},
                                                        {F::DayMonthShortYearDot, "DD.MM.YY"},
                                                        {F::DayMonthYearDash, "DD-MM-YYYY"},
                                                        {F::DayMonthYearSlash, "DD/MM/YYYY"},
                                                        {F::DayMonthShortYearSlash, "D/M/YY"},
                                                        {F::MonthDayYearSlash, "MM/DD/YYYY"},
                                                        {F::MonthDayShortYearSlash, "MM/DD/YY"},
                                                        {F::Roc, "ROC"}};
    return names;
}

int nearestCenturyYear(int twoDigitYear) {
    // Within 50 years of today, so that 26 is 2026 and 85 is 1985.
    const int today = QDate::currentDate().year();
    int year = today - today % 100 + twoDigitYear;
    if (year > today + 50)
        year -= 100;
    else if (year <= today - 50)
        year += 100;
    return year;
}

bool parseStatementDate(std::string_view text, StatementDateFormat format, int& year, int& month, int& day) {
    text = trimmed(text, Blanks::withNoBreakSpace);
    int parts[3];
    int widths[3];
    // Day, month and year in the given order of parts, the year's width as given.
    const auto dayMonthYear = [&](char separator, int dayAt, int monthAt, int yearWidth) {
        if (!splitDate(text, separator, parts, widths) || widths[dayAt] > 2 || widths[monthAt] > 2 ||
            widths[2] != yearWidth)
            return false;
        day = parts[dayAt], month = parts[monthAt];
        year = yearWidth == 2 ? nearestCenturyYear(parts[2]) : parts[2];
        return true;
    };
    switch (format) {
    case StatementDateFormat::YearMonthDayDash:
    case StatementDateFormat::YearMonthDaySlash:
        if (!splitDate(text, format == StatementDateFormat::YearMonthDayDash ? '-' : '/', parts, widths) ||
            widths[0] != 4 || widths[1] > 2 || widths[2] > 2)
            return false;
        year = parts[0], month = parts[1], day = parts[2];
        break;
    case StatementDateFormat::YearMonthDayDigits:
        if (text.size() != 8 || !std::all_of(text.begin(), text.end(), isDigit)) return false;
        year = std::stoi(std::string(text.substr(0, 4)));
        month = (text[4] - '0') * 10 + (text[5] - '0');
        day = (text[6] - '0') * 10 + (text[7] - '0');
        break;
    case StatementDateFormat::DayMonthYearDot:
        if (!dayMonthYear('.', 0, 1, 4)) return false;
        break;
    case StatementDateFormat::DayMonthShortYearDot:
        if (!dayMonthYear('.', 0, 1, 2)) return false;
        break;
    case StatementDateFormat::DayMonthYearDash:
        if (!dayMonthYear('-', 0, 1, 4)) return false;
        break;
    case StatementDateFormat::DayMonthYearSlash:
        if (!dayMonthYear('/', 0, 1, 4)) return false;
        break;
    case StatementDateFormat::MonthDayYearSlash:
        if (!dayMonthYear('/', 1, 0, 4)) return false;
        break;
    case StatementDateFormat::DayMonthShortYearSlash:
        if (!dayMonthYear('/', 0, 1, 2)) return false;
        break;
    case StatementDateFormat::MonthDayShortYearSlash:
        if (!dayMonthYear('/', 1, 0, 2)) return false;
        break;
    case StatementDateFormat::Roc:
        // Minguo years have had three digits since 2011 (year 100); older files
        // write two, which are read too (detection takes only three).
        // The calendar starts at year 1 (1912): a year 0 is no date.
        if (!splitDate(text, '/', parts, widths) || widths[0] < 2 || widths[0] > 3 || widths[1] > 2 || widths[2] > 2 ||
            parts[0] < 1)
            return false;
        year = parts[0] + 1911, month = parts[1], day = parts[2];
        break;
    case StatementDateFormat::Detect: return false;
    }
    return KestLib::isCalendarDate(year, month, day);
}

namespace {

// The single-byte encodings' converter, fed a block at a time, so that its
// text of the whole file never exists at once: a statement decodes into its
// UTF-8 and a block's worth more.
bool appendSingleByteText(std::string_view bytes, StatementEncoding encoding, std::string& utf8) {
    constexpr std::size_t blockBytes = std::size_t{1} << 20;
    QStringDecoder decoder = encoding == StatementEncoding::Latin1 ? QStringDecoder(QStringConverter::Latin1)
                                                                   : QStringDecoder("windows-1252");
    for (std::size_t start = 0; start < bytes.size(); start += blockBytes) {
        const std::string_view block = bytes.substr(start, blockBytes);
        if (isAscii(block)) {
            utf8.append(block);
            continue;
        }
        if (!decoder.isValid()) return false;
        const QString text = decoder.decode(QByteArrayView(block.data(), static_cast<qsizetype>(block.size())));
        if (decoder.hasError()) return false;
        const QByteArray out = text.toUtf8();
        utf8.append(out.constData(), static_cast<std::size_t>(out.size()));
    }
    return true;
}

}  // namespace

bool decodeStatementText(std::string_view bytes, StatementEncoding encoding, std::string& utf8) {
    utf8.clear();
    switch (encoding) {
    case StatementEncoding::Detect: return false;
    case StatementEncoding::Utf8:
        if (bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
        if (!isValidUtf8(bytes)) return false;
        utf8.assign(bytes);
        return true;
    case StatementEncoding::Big5: {
        Big5Codec codec;
        return holdsOnlyBig5Pairs(bytes) && codec.big5ToUtf8(bytes, utf8);
    }
    case StatementEncoding::Windows1252:
    case StatementEncoding::Latin1: return appendSingleByteText(bytes, encoding, utf8);
    }
    return false;
}

int firstLineNotInEncoding(std::string_view bytes, StatementEncoding encoding) {
    if (encoding == StatementEncoding::Utf8 && bytes.substr(0, 3) == "\xEF\xBB\xBF") bytes.remove_prefix(3);
    Big5Codec codec;
    std::string scratch;
    int line = 1;
    for (std::size_t start = 0; start <= bytes.size(); ++line) {
        const std::size_t end = std::min(bytes.find_first_of("\r\n", start), bytes.size());
        const std::string_view content = bytes.substr(start, end - start);
        if (!isAscii(content)) {
            bool valid = false;
            switch (encoding) {
            case StatementEncoding::Detect: return 0;
            case StatementEncoding::Utf8: valid = isValidUtf8(content); break;
            case StatementEncoding::Big5: valid = holdsOnlyBig5Pairs(content) && codec.isValidBig5(content); break;
            case StatementEncoding::Windows1252:
            case StatementEncoding::Latin1: valid = decodeStatementText(content, encoding, scratch); break;
            }
            if (!valid) return line;
        }
        if (end == bytes.size()) break;
        start = end + (bytes.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return 0;
}

const char* statementEncodingName(StatementEncoding encoding) {
    switch (encoding) {
    case StatementEncoding::Detect: break;
    case StatementEncoding::Utf8: return "UTF-8";
    case StatementEncoding::Big5: return "Big5";
    case StatementEncoding::Windows1252: return "Windows-1252";
    case StatementEncoding::Latin1: return "ISO-8859-1";
    }
    return "";
}

}  // namespace PwText
