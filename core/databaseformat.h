#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "core/accountdb.h"

namespace KestLib {

// The bytes of a whole database file. Throws when a text is over 255 bytes.
std::string encodeDatabase(const AccountDB& db);
// A database read from the bytes of a whole file, not modified. Throws on a
// foreign, newer or damaged file.
AccountDB decodeDatabase(std::string_view bytes);
// The same from a stream holding size bytes, read front to back without
// holding the whole file in memory.
AccountDB decodeDatabase(std::istream& in, std::uint64_t size);
// True when bytes begin with the magic every book file starts with, whatever
// follows: a damaged or newer book is a book too.
bool startsAsDatabase(std::string_view bytes);
// How many bytes startsAsDatabase needs.
std::size_t databaseMagicSize();

}  // namespace KestLib
