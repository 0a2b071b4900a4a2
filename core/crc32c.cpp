#include "core/crc32c.h"

#include <array>
#include <cstring>

#if defined(__x86_64__)
#include <nmmintrin.h>
#endif

// The processor's own instruction where it has one (SSE 4.2 on x86-64),
// else eight bytes a step through eight tables ("slicing by 8"), so that the
// checksum of a million transactions costs a few milliseconds. Small enough
// to keep here rather than depend on a library for it.

namespace KestLib {
namespace {

constexpr std::uint32_t polynomial = 0x82F63B78;  // 0x1EDC6F41 reflected

using Tables = std::array<std::array<std::uint32_t, 256>, 8>;

constexpr Tables makeTables() {
    Tables t{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1) != 0 ? (c >> 1) ^ polynomial : c >> 1;
        t[0][i] = c;
    }
    for (std::size_t i = 0; i < 256; ++i)
        for (std::size_t k = 1; k < 8; ++k) t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFF];
    return t;
}

constexpr Tables tables = makeTables();

#if defined(__x86_64__)
__attribute__((target("sse4.2"))) std::uint32_t byInstruction(const unsigned char* p, std::size_t n, std::uint32_t c) {
    std::uint64_t wide = c;
    for (; n >= 8; p += 8, n -= 8) {
        std::uint64_t v;
        std::memcpy(&v, p, sizeof v);
        wide = _mm_crc32_u64(wide, v);
    }
    c = static_cast<std::uint32_t>(wide);
    for (; n > 0; ++p, --n) c = _mm_crc32_u8(c, *p);
    return c;
}

const bool hasInstruction = __builtin_cpu_supports("sse4.2");
#endif

}  // namespace

std::uint32_t crc32c(std::string_view bytes, std::uint32_t previous) {
    std::uint32_t c = ~previous;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t n = bytes.size();
#if defined(__x86_64__)
    if (hasInstruction) return ~byInstruction(p, n, c);
#endif
    while (n >= 8) {
        const std::uint32_t low = c ^ (std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 |
                                       std::uint32_t{p[3]} << 24);
        c = tables[7][low & 0xFF] ^ tables[6][(low >> 8) & 0xFF] ^ tables[5][(low >> 16) & 0xFF] ^
            tables[4][low >> 24] ^ tables[3][p[4]] ^ tables[2][p[5]] ^ tables[1][p[6]] ^ tables[0][p[7]];
        p += 8;
        n -= 8;
    }
    while (n-- > 0) c = (c >> 8) ^ tables[0][(c ^ *p++) & 0xFF];
    return ~c;
}

}  // namespace KestLib
