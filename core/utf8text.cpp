#include "core/utf8text.h"

#include <array>
#include <cstdint>
#include <cstring>

// A book of a million comments passes here on every load, so plain ASCII is
// taken eight bytes at a time and the three-byte characters of Chinese and
// Japanese have a path of their own.

namespace KestLib {
namespace {

constexpr std::uint64_t ones = 0x0101010101010101;
constexpr std::uint64_t highs = 0x8080808080808080;

// True when each of the eight bytes is printable ASCII (0x20 to 0x7E).
bool plainAscii(std::uint64_t v) {
    const std::uint64_t belowSpace = (v - ones * 0x20) & ~v & highs;
    const std::uint64_t del = ((v ^ (ones * 0x7F)) - ones) & ~(v ^ (ones * 0x7F)) & highs;
    return ((v & highs) | belowSpace | del) == 0;
}

// The length of the character a byte starts: 1 for printable ASCII and the
// tab, 2 to 4 for the lead bytes of longer forms, 0 for a byte no storable
// character starts with (a control, a continuation byte, C0, C1, F5 to FF).
constexpr std::array<std::uint8_t, 256> lengths = [] {
    std::array<std::uint8_t, 256> table{};
    for (int b = 0x20; b < 0x7F; ++b) table[static_cast<std::size_t>(b)] = 1;
    table['\t'] = 1;
    for (int b = 0xC2; b <= 0xDF; ++b) table[static_cast<std::size_t>(b)] = 2;
    for (int b = 0xE0; b <= 0xEF; ++b) table[static_cast<std::size_t>(b)] = 3;
    for (int b = 0xF0; b <= 0xF4; ++b) table[static_cast<std::size_t>(b)] = 4;
    return table;
}();

// By length: the bits the continuation bytes must show, and the least
// character of that length (a longer form of a smaller one is refused).
constexpr std::uint32_t continuationMask[5] = {0, 0, 0x00C00000, 0x00C0C000, 0x00C0C0C0};
constexpr std::uint32_t continuationBits[5] = {0, 0, 0x00800000, 0x00808000, 0x00808080};
constexpr std::uint32_t leadBits[5] = {0, 0x7F, 0x1F, 0x0F, 0x07};
constexpr char32_t least[5] = {0, 0, 0x80, 0x800, 0x10000};

}  // namespace

std::optional<std::size_t> storableCharacters(std::string_view utf8) {
    std::size_t characters = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
    const auto* end = p + utf8.size();
    while (p < end) {
        if (end - p >= 8) {
            std::uint64_t v;
            std::memcpy(&v, p, sizeof v);
            if (plainAscii(v)) {
                p += 8;
                characters += 8;
                continue;
            }
        }
        // Every length takes the same steps, so that text mixing ASCII with
        // longer characters costs no mispredicted branch a character.
        const unsigned length = lengths[*p];
        if (length == 0 || end - p < length) return std::nullopt;
        // The character's bytes big-endian in one word, whatever follows them.
        std::uint32_t w = 0;
        if (end - p >= 4)
            w = std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
        else
            for (unsigned k = 0; k < 4; ++k) w = w << 8 | (p + k < end ? p[k] : 0);
        const char32_t c = (((w >> 24) & leadBits[length]) << 18 | ((w >> 16) & 0x3F) << 12 | ((w >> 8) & 0x3F) << 6 |
                            (w & 0x3F)) >>
                           (6 * (4 - length));
        // Well formed, shortest, no surrogate, past U+10FFFF, C1 control or noncharacter.
        const bool refused = (w & continuationMask[length]) != continuationBits[length] || c < least[length] ||
                             c > 0x10FFFF || c - 0xD800 < 0x800 || c - 0x80 < 0x20 || c - 0xFDD0 < 0x20 ||
                             (c & 0xFFFE) == 0xFFFE;
        if (refused) return std::nullopt;
        p += length;
        ++characters;
    }
    return characters;
}

}  // namespace KestLib
