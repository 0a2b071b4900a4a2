#include "text/bookamount.h"

#include <charconv>
#include <cstdint>

namespace PwText {

void appendAmount(std::string& out, std::int64_t minorUnits, int decimals) {
    // The magnitude as unsigned, so that the most negative value has one.
    const bool negative = minorUnits < 0;
    std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(minorUnits) : static_cast<std::uint64_t>(minorUnits);
    char digits[24];
    char* end = std::to_chars(digits, digits + sizeof digits, magnitude).ptr;
    auto count = static_cast<int>(end - digits);
    if (negative) out.push_back('-');
    if (decimals <= 0) {
        out.append(digits, end);
        return;
    }
    if (count <= decimals) {
        out.append("0.");
        out.append(static_cast<std::size_t>(decimals - count), '0');
        out.append(digits, end);
        return;
    }
    out.append(digits, end - decimals);
    out.push_back('.');
    out.append(end - decimals, end);
}

std::string formatAmount(std::int64_t minorUnits, int decimals) {
    std::string out;
    appendAmount(out, minorUnits, decimals);
    return out;
}

std::optional<std::int64_t> parseAmount(std::string_view text, int decimals) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() && fraction.empty()) return std::nullopt;
    if (point != std::string_view::npos && fraction.empty()) return std::nullopt;
    if (static_cast<int>(fraction.size()) > decimals) return std::nullopt;
    std::int64_t value = 0;
    auto take = [&](char c) {
        if (c < '0' || c > '9' || value > (INT64_MAX - (c - '0')) / 10) return false;
        value = value * 10 + (c - '0');
        return true;
    };
    for (char c : whole)
        if (!take(c)) return std::nullopt;
    for (char c : fraction)
        if (!take(c)) return std::nullopt;
    for (auto k = static_cast<int>(fraction.size()); k < decimals; ++k)
        if (!take('0')) return std::nullopt;
    return negative ? -value : value;
}

}  // namespace PwText
