#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

#include "text/big5codec.h"
#include "text/bookadditions.h"

namespace KestLib {
class AccountDB;
}  // namespace KestLib

namespace PwText {

// What a stored text is to the book: a comment, or a name (the book's, a type's).
enum class StoredTextKind { Comment, Name };

// The one place that turns a book's stored bytes into text and back, by the
// book's format: Big5 for format 1, UTF-8 for format 2. Built once for many
// texts, as an export or an import of a whole book converts them.
class BookTextCodec {
public:
    explicit BookTextCodec(const KestLib::AccountDB& db);
    explicit BookTextCodec(int format) : utf8(format == 2) {}

    bool storesUtf8() const { return utf8; }
    // The text of stored bytes in UTF-8; a byte Big5 can't read is replaced.
    std::string toUtf8(std::string_view stored);
    QString toText(std::string_view stored);
    // The bytes the book stores for utf8; false when its format can't hold
    // every character of it exactly.
    bool fromUtf8(std::string_view utf8Text, std::string& stored);
    bool fromText(const QString& text, std::string& stored);
    // Why stored bytes can't be kept as a text of kind, by the book's limits.
    StoredTextFault fault(std::string_view stored, StoredTextKind kind) const;
    // The limit a TooLong fault speaks of, and the size it found: bytes in
    // format 1, characters in format 2.
    std::size_t limit(StoredTextKind kind) const;
    std::size_t size(std::string_view stored) const;

private:
    bool utf8;
    Big5Codec big5;
};

// Converts db to format 2 with decimals: every Big5 text to UTF-8, every
// amount times 10^decimals, all or nothing (see AccountDB::convertToFormat2).
void convertToFormat2(KestLib::AccountDB& db, int decimals);
// The way back: every text to Big5, every amount divided by 10^decimals,
// all or nothing (see AccountDB::convertToFormat1).
void convertToFormat1(KestLib::AccountDB& db);
// True when every text of the format 1 book db comes back to the same bytes
// through UTF-8. A few Big5 codes read as the same character as another
// code, and go back as that one.
bool convertsBackExactly(const KestLib::AccountDB& db);

}  // namespace PwText
