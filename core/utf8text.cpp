#include "core/utf8text.h"

#include <array>
#include <cstdint>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "core/booklimits.h"

// A book of a million comments passes here on every load, and on a save
// those the book had not checked as it stored them.
// Where the processor has SSSE3, sixteen bytes are checked at a time by the
// table look-ups Keiser and Lemire describe ("Validating UTF-8 in less than
// one instruction per byte", 2021), with the controls and noncharacters a
// book refuses checked beside them; else one character a step, the same
// steps for every length.

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

#if defined(__x86_64__)
// Bits of the three look-ups, each the faults a pair of bytes can show.
constexpr std::uint8_t tooShort = 1 << 0;   // a lead or ASCII, then a lead or ASCII where a continuation must be
constexpr std::uint8_t tooLong = 1 << 1;    // ASCII, then a continuation
constexpr std::uint8_t overlong3 = 1 << 2;  // E0 then 80 to 9F
constexpr std::uint8_t tooLarge = 1 << 3;   // past U+10FFFF
constexpr std::uint8_t surrogate = 1 << 4;  // ED then A0 to BF
constexpr std::uint8_t overlong2 = 1 << 5;  // C0 or C1
constexpr std::uint8_t tooLarge1000 = 1 << 6;
constexpr std::uint8_t overlong4 = 1 << 6;  // F0 then 80 to 8F
constexpr std::uint8_t twoContinuations = 1 << 7;
constexpr std::uint8_t carry = tooShort | tooLong | twoContinuations;

__m128i table(std::array<std::uint8_t, 16> bytes) {
    __m128i t;
    std::memcpy(&t, bytes.data(), sizeof t);
    return t;
}

__m128i byte(int b) { return _mm_set1_epi8(static_cast<char>(b)); }
__m128i atMost(__m128i x, __m128i bound) { return _mm_cmpeq_epi8(_mm_min_epu8(x, bound), x); }
__m128i atLeast(__m128i x, __m128i bound) { return _mm_cmpeq_epi8(_mm_max_epu8(x, bound), x); }

// Sixteen bytes at a time, each block checked with the three before it.
class SixteenAtATime {
public:
    __attribute__((target("ssse3,popcnt"))) void check(__m128i in);
    bool failed() const { return _mm_movemask_epi8(_mm_cmpeq_epi8(fault, _mm_setzero_si128())) != 0xFFFF; }
    std::size_t continuations = 0;

private:
    const __m128i firstHigh =
        table({tooLong, tooLong, tooLong, tooLong, tooLong, tooLong, tooLong, tooLong, twoContinuations,
               twoContinuations, twoContinuations, twoContinuations, tooShort | overlong2, tooShort,
               tooShort | overlong3 | surrogate, tooShort | tooLarge | tooLarge1000 | overlong4});
    static constexpr std::uint8_t large = carry | tooLarge | tooLarge1000;
    const __m128i firstLow =
        table({carry | overlong3 | overlong2 | overlong4, carry | overlong2, carry, carry, carry | tooLarge, large,
               large, large, large, large, large, large, large, large | surrogate, large, large});
    static constexpr std::uint8_t continued = tooLong | overlong2 | twoContinuations;
    const __m128i secondHigh = table({tooShort, tooShort, tooShort, tooShort, tooShort, tooShort, tooShort, tooShort,
                                      continued | overlong3 | tooLarge1000 | overlong4,
                                      continued | overlong3 | tooLarge, continued | surrogate | tooLarge,
                                      continued | surrogate | tooLarge, tooShort, tooShort, tooShort, tooShort});
    __m128i previous = _mm_setzero_si128();
    __m128i fault = _mm_setzero_si128();
};

void SixteenAtATime::check(__m128i in) {
    const __m128i nibble = byte(0x0F);
    const __m128i prev1 = _mm_alignr_epi8(in, previous, 15);
    const __m128i prev2 = _mm_alignr_epi8(in, previous, 14);
    const __m128i prev3 = _mm_alignr_epi8(in, previous, 13);
    const __m128i pairs =
        _mm_and_si128(_mm_and_si128(_mm_shuffle_epi8(firstHigh, _mm_and_si128(_mm_srli_epi16(prev1, 4), nibble)),
                                    _mm_shuffle_epi8(firstLow, _mm_and_si128(prev1, nibble))),
                      _mm_shuffle_epi8(secondHigh, _mm_and_si128(_mm_srli_epi16(in, 4), nibble)));
    const __m128i mustContinue = _mm_and_si128(
        _mm_or_si128(_mm_subs_epu8(prev2, byte(0xE0 - 0x80)), _mm_subs_epu8(prev3, byte(0xF0 - 0x80))), byte(0x80));
    fault = _mm_or_si128(fault, _mm_xor_si128(mustContinue, pairs));
    // Controls but the tab, DEL, and the C1 controls (C2 80 to C2 9F).
    fault = _mm_or_si128(fault, _mm_andnot_si128(_mm_cmpeq_epi8(in, byte('\t')), atMost(in, byte(0x1F))));
    fault = _mm_or_si128(fault, _mm_cmpeq_epi8(in, byte(0x7F)));
    fault = _mm_or_si128(fault, _mm_and_si128(_mm_cmpeq_epi8(prev1, byte(0xC2)), atMost(in, byte(0x9F))));
    // Noncharacters: U+FDD0 to U+FDEF, and U+xFFFE and U+xFFFF of every plane.
    const __m128i endsFFFE =
        _mm_and_si128(_mm_cmpeq_epi8(prev1, byte(0xBF)), _mm_cmpeq_epi8(_mm_or_si128(in, byte(1)), byte(0xBF)));
    const __m128i ef = _mm_cmpeq_epi8(prev2, byte(0xEF));
    fault = _mm_or_si128(
        fault, _mm_and_si128(ef, _mm_and_si128(_mm_cmpeq_epi8(prev1, byte(0xB7)),
                                               _mm_and_si128(atLeast(in, byte(0x90)), atMost(in, byte(0xAF))))));
    const __m128i planeEnd =
        _mm_and_si128(atLeast(prev3, byte(0xF0)), _mm_cmpeq_epi8(_mm_and_si128(prev2, nibble), nibble));
    fault = _mm_or_si128(fault, _mm_and_si128(endsFFFE, _mm_or_si128(ef, planeEnd)));
    continuations += static_cast<std::size_t>(
        __builtin_popcount(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmplt_epi8(in, byte(0xC0))))));
    previous = in;
}

std::optional<std::size_t> sixteenAtATime(const unsigned char* p, std::size_t n) {
    SixteenAtATime blocks;
    std::size_t at = 0;
    for (; at + 16 <= n; at += 16) blocks.check(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p + at)));
    // The rest, and always one block of spaces after it, which a character
    // cut short at the end fails against.
    unsigned char rest[16];
    std::memset(rest, ' ', sizeof rest);
    std::memcpy(rest, p + at, n - at);
    blocks.check(_mm_loadu_si128(reinterpret_cast<const __m128i*>(rest)));
    if (blocks.failed()) return std::nullopt;
    return n - blocks.continuations;
}

const bool hasSixteen = __builtin_cpu_supports("ssse3") && __builtin_cpu_supports("popcnt");
#endif

}  // namespace

std::optional<std::size_t> storableCharacters(std::string_view utf8) {
#if defined(__x86_64__)
    if (hasSixteen && utf8.size() >= 16)
        return sixteenAtATime(reinterpret_cast<const unsigned char*>(utf8.data()), utf8.size());
#endif
    return storableCharactersStepwise(utf8);
}

bool isStorableComment(std::string_view comment) {
    const auto characters = storableCharacters(comment);
    return characters && *characters <= format2CommentCharacters;
}

std::optional<std::size_t> storableCharactersStepwise(std::string_view utf8) {
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
        const char32_t c =
            (((w >> 24) & leadBits[length]) << 18 | ((w >> 16) & 0x3F) << 12 | ((w >> 8) & 0x3F) << 6 | (w & 0x3F)) >>
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
