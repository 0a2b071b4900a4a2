#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace KestLib {

// How many characters utf8 holds, when a book of format 2 can store it: well
// formed UTF-8 (shortest forms, no surrogates, nothing past U+10FFFF), no
// noncharacter, and no control character other than the tab. Characters not
// assigned yet are stored, so that a book written by a newer system opens.
// None when the text can't be stored.
std::optional<std::size_t> storableCharacters(std::string_view utf8);
// True when a book of format 2 can store comment: storable, and within the
// characters booklimits.h gives a comment.
bool isStorableComment(std::string_view comment);
// The same one character a step, as on a processor without the vector
// instructions storableCharacters takes where it can.
std::optional<std::size_t> storableCharactersStepwise(std::string_view utf8);

}  // namespace KestLib
