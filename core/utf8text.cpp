#include "core/utf8text.h"

namespace KestLib {
namespace {

bool storable(char32_t c) {
    if (c < 0x20) return c == U'\t';
    if (c >= 0x7F && c <= 0x9F) return false;            // DEL and the C1 controls
    if (c >= 0xFDD0 && c <= 0xFDEF) return false;         // noncharacters
    return (c & 0xFFFE) != 0xFFFE;                        // U+xFFFE and U+xFFFF of every plane
}

}  // namespace

std::optional<std::size_t> storableCharacters(std::string_view utf8) {
    std::size_t characters = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    while (p < end) {
        const unsigned char lead = *p;
        if (lead < 0x80) {
            if (!storable(lead)) return std::nullopt;
            ++p;
            ++characters;
            continue;
        }
        int length = 0;
        char32_t c = 0;
        char32_t least = 0;
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
            c = lead & 0x1F;
            least = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            c = lead & 0x0F;
            least = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            c = lead & 0x07;
            least = 0x10000;
        } else {
            return std::nullopt;
        }
        if (end - p < length) return std::nullopt;
        for (int k = 1; k < length; ++k) {
            if ((p[k] & 0xC0) != 0x80) return std::nullopt;
            c = c << 6 | (p[k] & 0x3F);
        }
        if (c < least || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF) || !storable(c)) return std::nullopt;
        p += length;
        ++characters;
    }
    return characters;
}

}  // namespace KestLib
