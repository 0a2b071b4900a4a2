#pragma once

#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <string>
#include <string_view>

#include "core/accountdb.h"
#include "core/errormsg.h"

namespace KestLib {

// Format 2 of the book file, beside format 1 (databaseformat.h, whose two
// functions choose between them). The bytes of db in format 2. Throws when a
// text is not one the format stores or is too long.
std::string encodeFormat2(const AccountDB& db);
// The book of a file whose header named a version other than 1, read on from
// just after that header byte; size counts the whole file. Throws
// wrongVersion when what follows is not a checked header of a later format,
// newerVersion when it names a format after 2, else as decodeDatabase does.
AccountDB decodeLaterDatabase(std::istream& in, std::uint64_t size, unsigned version);
// Throws notStorableText unless format 2 stores text, and tooLong when it has
// more than characters.
void checkFormat2Text(std::string_view text, std::size_t characters, ErrorCode tooLong);

}  // namespace KestLib
