#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// The keywords and column names of a book's CSV and of bank statements are
// ASCII, written the same in every encoding those files come in: their case
// and the blanks around a field are told apart here, once, byte by byte.

namespace PwText {

inline char asciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
inline char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

inline std::string asciiLowered(std::string text) {
    for (char& c : text) c = asciiLower(c);
    return text;
}

inline bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

inline bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsIgnoringCase(text.substr(0, prefix.size()), prefix);
}

// The blanks a trim takes away: spaces and tabs always; the line ends a
// statement's field may span; or the no-break space (UTF-8) some banks pad
// and group numbers with.
enum class Blanks { spaceAndTab, withLineEnds, withNoBreakSpace };

// Without the blanks around it.
inline std::string_view trimmed(std::string_view text, Blanks blanks) {
    const auto isBlank = [blanks](char c) {
        return c == ' ' || c == '\t' || (blanks == Blanks::withLineEnds && (c == '\r' || c == '\n'));
    };
    constexpr std::string_view noBreakSpace = "\xC2\xA0";
    const bool noBreak = blanks == Blanks::withNoBreakSpace;
    while (!text.empty()) {
        if (isBlank(text.front()))
            text.remove_prefix(1);
        else if (noBreak && text.starts_with(noBreakSpace))
            text.remove_prefix(noBreakSpace.size());
        else
            break;
    }
    while (!text.empty()) {
        if (isBlank(text.back()))
            text.remove_suffix(1);
        else if (noBreak && text.ends_with(noBreakSpace))
            text.remove_suffix(noBreakSpace.size());
        else
            break;
    }
    return text;
}

}  // namespace PwText
