#pragma once

#include <cstddef>
#include <string>

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// What a statement's comment becomes in the book, where it can't be stored
// as written: rather than refusing a whole statement for one row, a
// character the book can't hold is replaced and a comment longer than the
// book holds is cut, and the preview marks the row.

namespace PwText {

class Big5Codec;

// The bytes a comment of db holds at most, stored. Every cut asks here, so
// that a book format that holds more plugs in at this one place.
std::size_t statementCommentRoom(const KestLib::AccountDB& db);

// Each character of utf8 that Big5 lacks, and a zero byte, replaced by "?".
// True when any was.
bool replaceUnstorable(std::string& utf8, Big5Codec& codec);

// big5 cut to room bytes at most, on a character's boundary, and utf8 made
// the same text. True when it was cut.
bool cutToRoom(std::string& big5, std::string& utf8, std::size_t room, Big5Codec& codec);

// utf8 cut after its first characters code points, never inside one. True
// when it was cut.
bool cutUtf8ToCharacters(std::string& utf8, std::size_t characters);

}  // namespace PwText
