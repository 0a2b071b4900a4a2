#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace PwText {

// The form the find bar compares texts in, one UTF-16 unit at a time so that
// a million stored comments fold through one table look-up a character:
// case-folded, and a Latin or Greek letter without its accents, so that
// "muller" finds "Müller" and "MULLER". Other scripts keep their marks: a
// kana with its voicing mark or a Cyrillic letter with its breve is another
// letter to its reader, not the same one accented. A unit outside the basic
// plane (an emoji, a rare ideograph) has no case and stays as it is.
class TextFolding {
public:
    // What unit marks: a combining accent of a Latin or Greek letter written
    // apart from it, which a folded text leaves out.
    static constexpr char16_t leftOut = 0;

    static char16_t unit(char16_t unit) { return units()[unit]; }
    static QString text(const QString& text);
    // The folded form of every unit, by its code: taken once by a loop over
    // many texts, which then looks each unit up without a call.
    static const char16_t* units();
};

// Writes the UTF-16 of utf8 at out, room for one unit a byte, each unit as
// map makes it and none that map makes TextFolding::leftOut; the end
// written. utf8 is as a book of format 2 stores it, well formed; a byte that
// starts no character shows as U+FFFD. Inline, so that a million comments
// cost no call per character.
template <typename Map>
char16_t* writeUtf16(std::string_view utf8, char16_t* out, Map map) {
    const auto* const data = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t size = utf8.size();
    // Written whatever it is, kept unless left out: no branch a unit.
    auto put = [&out, &map](char16_t unit) {
        const char16_t mapped = map(unit);
        *out = mapped;
        out += mapped != TextFolding::leftOut;
    };
    for (std::size_t at = 0; at < size;) {
        const unsigned lead = data[at];
        if (lead < 0x80) {
            put(static_cast<char16_t>(lead));
            ++at;
        } else if (lead >= 0xC0 && lead < 0xE0 && at + 2 <= size) {
            put(static_cast<char16_t>((lead & 0x1Fu) << 6 | (data[at + 1] & 0x3Fu)));
            at += 2;
        } else if (lead >= 0xE0 && lead < 0xF0 && at + 3 <= size) {
            put(static_cast<char16_t>((lead & 0x0Fu) << 12 | (data[at + 1] & 0x3Fu) << 6 | (data[at + 2] & 0x3Fu)));
            at += 3;
        } else if (lead >= 0xF0 && at + 4 <= size) {
            // Outside the basic plane: a surrogate pair, which no map changes.
            const char32_t code = ((lead & 0x07u) << 18 | (data[at + 1] & 0x3Fu) << 12 | (data[at + 2] & 0x3Fu) << 6 |
                                   (data[at + 3] & 0x3Fu)) -
                                  0x10000;
            *out++ = static_cast<char16_t>(0xD800 + (code >> 10));
            *out++ = static_cast<char16_t>(0xDC00 + (code & 0x3FF));
            at += 4;
        } else {
            put(u'\uFFFD');
            ++at;
        }
    }
    return out;
}
// The same, appended to text.
template <typename Map>
void appendUtf16(std::string_view utf8, std::u16string& text, Map map) {
    const std::size_t start = text.size();
    text.resize(start + utf8.size());
    char16_t* const end = writeUtf16(utf8, text.data() + start, map);
    text.resize(static_cast<std::size_t>(end - text.data()));
}
inline void appendUtf16(std::string_view utf8, std::u16string& text) {
    appendUtf16(utf8, text, [](char16_t unit) { return unit; });
}

}  // namespace PwText
