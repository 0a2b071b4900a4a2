#pragma once

#include <cstddef>

namespace KestLib {

// What one book can hold, by the format of its file. Format 1 counts a
// text's bytes in a single length byte; format 2 counts characters, so that a
// limit means the same in every script.
inline constexpr std::size_t format1TextBytes = 255;
inline constexpr std::size_t format2CommentCharacters = 1000;
// The book's name and each type name.
inline constexpr std::size_t format2NameCharacters = 100;
// UTF-8 takes at most four bytes a character.
inline constexpr std::size_t format2TextBytes = 4 * format2CommentCharacters;

// A format 2 book keeps its amounts in minor units with one of these numbers
// of decimals; format 1 keeps whole units (0).
constexpr bool isBookDecimals(int decimals) { return decimals == 0 || decimals == 2 || decimals == 3; }

}  // namespace KestLib
