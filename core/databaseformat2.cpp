// Format 2 of the .pwdb file: a checked header, then sections, each closed by
// a checksum of its own, so that any changed byte is found and a later
// version can add sections an older reader passes over.
//
//   "PWDB"            4 bytes
//   version           1 byte, the value 2
//   header check      4 bytes, the CRC-32C of the five bytes before
//   sections, each:
//     tag             4 ASCII bytes
//     length L        8 bytes
//     payload         L bytes
//     check           4 bytes, the CRC-32C of tag, length and payload
//
// The sections come in this order, each once: BOOK, TYPE, TRAN, and last
// "END." with no payload and nothing after it. A section of another tag may
// stand before "END.": a tag that starts with a lower-case letter names a
// part a reader may pass over; any other names one it must understand, so
// the file is from a newer Pennywell.
//
//   BOOK   decimals (1: 0, 2 or 3), the book's name (text)
//   TYPE   type count T (1), then T entries in ascending id order:
//            id (1), name (text)
//   TRAN   lastIndex (4, signed), transaction count C (4, signed), then C
//          entries: index (4, signed), year (2), month (1), day (1),
//          amount (4, signed, in minor units: 1250 is 12.50 at 2 decimals),
//          income 1 or 0 (1), type id (1), comment (text)
//   text   its length in bytes (2), then that many bytes of UTF-8, which
//          storableCharacters accepts, within the characters of booklimits.h
//
// Numbers are big-endian and, unlike format 1, no byte is nibble-swapped.

#include "core/databaseformat2.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "core/bookassembly.h"
#include "core/booklimits.h"
#include "core/crc32c.h"
#include "core/utf8text.h"

namespace KestLib {
namespace {

constexpr unsigned char format = 2;
constexpr std::size_t headerBytes = 9;
constexpr std::size_t sectionHeadBytes = 12;  // tag and length
constexpr std::size_t checkBytes = 4;
constexpr std::size_t fixedTransactionBytes = 16;  // the fixed fields and the comment's length
constexpr std::string_view bookTag = "BOOK";
constexpr std::string_view typeTag = "TYPE";
constexpr std::string_view transactionTag = "TRAN";
constexpr std::string_view endTag = "END.";

std::uint32_t headerCheck(unsigned version) {
    const char header[] = {'P', 'W', 'D', 'B', static_cast<char>(version)};
    return crc32c(std::string_view(header, sizeof header));
}

// Writes into a buffer sized beforehand to what will be written, a record's
// bytes at once, so that a million transactions cost no check of the
// string's capacity a byte. A wrong size only costs a reallocation.
class Writer {
public:
    Writer(std::string& out, std::size_t size) : out(out) {
        out.resize(size);
        next = out.data();
    }
    // The n bytes written next.
    char* take(std::size_t n) {
        if (n > static_cast<std::size_t>(out.data() + out.size() - next)) {
            const std::size_t at = offset();
            out.resize(std::max(out.size() * 2, at + n));
            next = out.data() + at;
        }
        char* bytes = next;
        next += n;
        return bytes;
    }
    void u8(unsigned b) { *take(1) = static_cast<char>(b); }
    void u32(std::uint32_t v) { put32(take(4), v); }
    void text(std::string_view s) { putText(take(2 + s.size()), s); }
    void beginSection(std::string_view tag) {
        sectionStart = offset();
        char* head = take(sectionHeadBytes);
        std::memcpy(head, tag.data(), 4);
    }
    void endSection() {
        const std::uint64_t length = offset() - sectionStart - sectionHeadBytes;
        char* head = out.data() + sectionStart;
        put32(head + 4, static_cast<std::uint32_t>(length >> 32));
        put32(head + 8, static_cast<std::uint32_t>(length));
        u32(crc32c(std::string_view(head, offset() - sectionStart)));
    }
    // The bytes written, the buffer cut to them.
    void finish() { out.resize(offset()); }

    static void put16(char* at, unsigned v) {
        at[0] = static_cast<char>((v >> 8) & 0xFF);
        at[1] = static_cast<char>(v & 0xFF);
    }
    static void put32(char* at, std::uint32_t v) {
        put16(at, v >> 16);
        put16(at + 2, v & 0xFFFF);
    }
    // Its length, then its bytes.
    static void putText(char* at, std::string_view s) {
        put16(at, static_cast<unsigned>(s.size()));
        std::memcpy(at + 2, s.data(), s.size());
    }

private:
    std::size_t offset() const { return static_cast<std::size_t>(next - out.data()); }

    std::string& out;
    char* next = nullptr;
    std::size_t sectionStart = 0;
};

// Reads a file of known size front to back in pieces of its own, as format
// 1's reader does, and keeps the checksum of the bytes handed out since the
// start of the section. A read past the section's end is damage.
class SectionReader {
public:
    SectionReader(std::istream& in, std::uint64_t size, std::uint64_t consumed)
        : in(in), size(size), consumed(consumed), fetched(consumed) {}

    std::uint64_t fileLeft() const { return size - consumed; }
    std::uint64_t sectionLeft() const { return sectionEnd - consumed; }

    // A section of this many bytes after its head starts here.
    void beginSection() {
        foldCheck();
        check = 0;
        sectionEnd = size;
    }
    void setSectionEnd(std::uint64_t payload) {
        if (payload > fileLeft() || fileLeft() - payload < checkBytes) throw ErrorMsg(ErrorCode::damaged);
        sectionEnd = consumed + payload;
    }
    // Refuses the section unless its payload was read to its end and the
    // stored check matches.
    void endSection() {
        if (sectionLeft() != 0) throw ErrorMsg(ErrorCode::damaged);
        foldCheck();
        const std::uint32_t computed = check;
        sectionEnd = size;
        if (u32() != computed) throw ErrorMsg(ErrorCode::damaged);
    }

    void read(unsigned char* out, std::size_t n) {
        if (sectionLeft() < n) throw ErrorMsg(ErrorCode::damaged);
        consumed += n;
        while (n > 0) {
            if (position == filled) refill();
            const std::size_t take = std::min(n, filled - position);
            std::memcpy(out, buffer.data() + position, take);
            position += take;
            out += take;
            n -= take;
        }
    }
    void skip(std::uint64_t n) {
        unsigned char scratch[4096];
        while (n > 0) {
            const std::size_t take = static_cast<std::size_t>(std::min<std::uint64_t>(n, sizeof scratch));
            read(scratch, take);
            n -= take;
        }
    }
    unsigned u8() {
        unsigned char b;
        read(&b, 1);
        return b;
    }
    unsigned u16() {
        unsigned char b[2];
        read(b, 2);
        return be16(b);
    }
    std::uint32_t u32() {
        unsigned char b[4];
        read(b, 4);
        return be32(b);
    }
    std::uint64_t u64() {
        const std::uint64_t high = u32();
        return high << 32 | u32();
    }
    // A text within characters, checked as the writer checks it.
    std::string_view text(std::size_t characters) {
        const std::string_view bytes = uncheckedText();
        const auto count = storableCharacters(bytes);
        if (!count || *count > characters) throw ErrorMsg(ErrorCode::damaged);
        return bytes;
    }
    // A text's bytes, valid until the next read: in the buffer itself when
    // they lie there whole, else copied out of it.
    std::string_view uncheckedText() {
        const unsigned length = u16();
        if (length > format2TextBytes) throw ErrorMsg(ErrorCode::damaged);
        if (length <= filled - position && sectionLeft() >= length) {
            consumed += length;
            const auto* bytes = reinterpret_cast<const char*>(buffer.data() + position);
            position += length;
            return std::string_view(bytes, length);
        }
        read(textBuffer, length);
        return std::string_view(reinterpret_cast<const char*>(textBuffer), length);
    }

    static unsigned be16(const unsigned char* b) { return unsigned{b[0]} << 8 | b[1]; }
    static std::uint32_t be32(const unsigned char* b) {
        return std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 | std::uint32_t{b[2]} << 8 | b[3];
    }

private:
    void foldCheck() {
        check =
            crc32c(std::string_view(reinterpret_cast<const char*>(buffer.data()) + checkedUpTo, position - checkedUpTo),
                   check);
        checkedUpTo = position;
    }
    void refill() {
        foldCheck();
        if (buffer.empty()) buffer.resize(static_cast<std::size_t>(std::min<std::uint64_t>(size, 256 * 1024)));
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), size - fetched));
        in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(want));
        if (static_cast<std::size_t>(in.gcount()) != want) {
            if (in.bad()) throw ErrorMsg(ErrorCode::fileOpen, {}, EIO);
            throw ErrorMsg(ErrorCode::damaged);
        }
        fetched += want;
        position = 0;
        checkedUpTo = 0;
        filled = want;
    }

    std::istream& in;
    std::uint64_t size;
    std::uint64_t consumed;  // handed out, the header included
    std::uint64_t fetched;   // read from the stream
    std::uint64_t sectionEnd = 0;
    std::vector<unsigned char> buffer;
    std::size_t position = 0;
    std::size_t filled = 0;
    std::size_t checkedUpTo = 0;
    std::uint32_t check = 0;
    unsigned char textBuffer[format2TextBytes];
};

// The tag of the next section, its length known to the reader.
std::string nextSection(SectionReader& reader) {
    reader.beginSection();
    unsigned char tag[4];
    reader.read(tag, sizeof tag);
    reader.setSectionEnd(reader.u64());
    return std::string(reinterpret_cast<const char*>(tag), sizeof tag);
}

// Passes over sections until one this reader knows; an unknown one that it
// may not pass over, checked first so that damage is not taken for age, means
// a newer file.
std::string nextKnownSection(SectionReader& reader) {
    for (;;) {
        std::string tag = nextSection(reader);
        if (tag == bookTag || tag == typeTag || tag == transactionTag || tag == endTag) return tag;
        reader.skip(reader.sectionLeft());
        reader.endSection();
        if (tag[0] < 'a' || tag[0] > 'z') throw ErrorMsg(ErrorCode::newerVersion);
    }
}

void expectSection(SectionReader& reader, std::string_view tag) {
    if (nextKnownSection(reader) != tag) throw ErrorMsg(ErrorCode::damaged);
}

// Checks the comments of a section many at a time, as the writer checks
// them one by one. Storable texts put one after another are storable; and
// when the bytes put together are storable and no text starts with a
// continuation byte, no character runs from one text into the next, so each
// text is storable on its own. A text of at most as many bytes as a comment
// may have characters is within them; a longer one is counted by itself.
class CommentChecks {
public:
    CommentChecks() { pending.reserve(batchBytes); }
    void add(std::string_view comment) {
        if (comment.empty()) return;
        if ((static_cast<unsigned char>(comment.front()) & 0xC0) == 0x80) throw ErrorMsg(ErrorCode::damaged);
        if (comment.size() > format2CommentCharacters) {
            if (!isStorableComment(comment)) throw ErrorMsg(ErrorCode::damaged);
            return;
        }
        if (pending.size() + comment.size() > batchBytes) finish();
        pending.append(comment);
    }
    // Checks what is still waiting; damage throws.
    void finish() {
        if (!pending.empty() && !storableCharacters(pending)) throw ErrorMsg(ErrorCode::damaged);
        pending.clear();
    }

private:
    // Small enough to stay in the processor's cache while it is checked.
    static constexpr std::size_t batchBytes = 64 * 1024;
    std::string pending;
};

void readTransactions(SectionReader& reader, BookAssembly& book) {
    const auto lastIndex = static_cast<std::int32_t>(reader.u32());
    book.setLastIndex(lastIndex);
    const auto count = static_cast<std::int32_t>(reader.u32());
    // The count must be backed by bytes before anything is allocated for it.
    if (count < 0 || static_cast<std::uint64_t>(count) > reader.sectionLeft() / fixedTransactionBytes)
        throw ErrorMsg(ErrorCode::damaged);
    CommentChecks checks;
    for (std::int32_t i = 0; i < count; ++i) {
        book.makeRoom(i, count);
        // index (4), year (2), month, day, amount (4), income, type id, comment length (2)
        unsigned char fixed[fixedTransactionBytes - 2];
        reader.read(fixed, sizeof fixed);
        if (fixed[12] > 1) throw ErrorMsg(ErrorCode::damaged);
        Transaction record;
        record.setIndex(static_cast<std::int32_t>(SectionReader::be32(fixed)));
        record.setDate(static_cast<int>(SectionReader::be16(fixed + 4)), fixed[6], fixed[7]);
        record.setAmount(static_cast<std::int32_t>(SectionReader::be32(fixed + 8)));
        record.setIncome(fixed[12] == 1);
        record.setType(fixed[13]);
        // Marked as checked: should the check that follows fail, the whole
        // book is refused.
        const std::string_view comment = reader.uncheckedText();
        checks.add(comment);
        book.addTransaction(std::move(record), comment, true);
    }
    checks.finish();
    // The writer never lets the last index lag behind an index in use; a
    // file that does was not written by it.
    if (book.lastIndex() != lastIndex) throw ErrorMsg(ErrorCode::damaged);
}

}  // namespace

void checkFormat2Text(std::string_view text, std::size_t characters, ErrorCode tooLong) {
    const auto count = storableCharacters(text);
    if (!count) throw ErrorMsg(ErrorCode::notStorableText);
    if (*count > characters) throw ErrorMsg(tooLong);
}

std::string encodeFormat2(const AccountDB& db) {
    if (!isBookDecimals(db.decimals())) throw ErrorMsg(ErrorCode::badDecimals);
    checkFormat2Text(db.name(), format2NameCharacters, ErrorCode::nameTooLongFormat2);
    // The header, four sections' heads and checks, decimals, the name, the
    // type count, the last index and the transaction count.
    std::size_t size = headerBytes + 4 * (sectionHeadBytes + checkBytes) + 1 + 2 + db.name().size() + 1 + 8;
    for (int i = 0; i < db.typeCount(); ++i) {
        checkFormat2Text(db.typeAt(i).name(), format2NameCharacters, ErrorCode::typeNameTooLongFormat2);
        size += 3 + db.typeAt(i).name().size();
    }
    for (int i = 0; i < db.transCount(); ++i) {
        const Transaction& record = db.transaction(i, false);
        const TextView comment = record.comment();
        // A comment the book checked as it stored it is storable still: the
        // book's records change only through it, and a change clears the mark.
        if (!record.isCommentChecked())
            checkFormat2Text(comment, format2CommentCharacters, ErrorCode::commentTooLongFormat2);
        size += fixedTransactionBytes + comment.size();
    }

    std::string bytes;
    Writer out(bytes, size);
    std::memcpy(out.take(4), "PWDB", 4);
    out.u8(format);
    out.u32(headerCheck(format));

    out.beginSection(bookTag);
    out.u8(static_cast<unsigned>(db.decimals()));
    out.text(db.name());
    out.endSection();

    out.beginSection(typeTag);
    out.u8(static_cast<unsigned>(db.typeCount()));
    for (int i = 0; i < db.typeCount(); ++i) {
        out.u8(static_cast<unsigned>(db.typeAt(i).id()));
        out.text(db.typeAt(i).name());
    }
    out.endSection();

    out.beginSection(transactionTag);
    out.u32(static_cast<std::uint32_t>(db.lastIndex()));
    out.u32(static_cast<std::uint32_t>(db.transCount()));
    for (int i = 0; i < db.transCount(); ++i) {
        const Transaction& record = db.transaction(i, false);
        const TextView comment = record.comment();
        char* at = out.take(fixedTransactionBytes + comment.size());
        Writer::put32(at, static_cast<std::uint32_t>(record.index()));
        Writer::put16(at + 4, static_cast<unsigned>(record.year()) & 0xFFFF);
        at[6] = static_cast<char>(static_cast<unsigned>(record.month()) & 0xFF);
        at[7] = static_cast<char>(static_cast<unsigned>(record.day()) & 0xFF);
        Writer::put32(at + 8, static_cast<std::uint32_t>(record.amount()));
        at[12] = static_cast<char>(record.isIncome() ? 1 : 0);
        at[13] = static_cast<char>(static_cast<unsigned>(record.type()) & 0xFF);
        Writer::putText(at + 14, comment);
    }
    out.endSection();

    out.beginSection(endTag);
    out.endSection();
    out.finish();
    return bytes;
}

AccountDB decodeLaterDatabase(std::istream& in, std::uint64_t size, unsigned version) {
    // The header's check tells a later format from a format 1 file whose
    // version byte is wrong: only the first is a newer book.
    unsigned char check[checkBytes] = {};
    if (size >= headerBytes) in.read(reinterpret_cast<char*>(check), sizeof check);
    if (in.bad()) throw ErrorMsg(ErrorCode::fileOpen, {}, EIO);
    if (size < headerBytes || SectionReader::be32(check) != headerCheck(version))
        throw ErrorMsg(ErrorCode::wrongVersion);
    if (version != format) throw ErrorMsg(ErrorCode::newerVersion);

    SectionReader reader(in, size, headerBytes);
    BookAssembly book;
    expectSection(reader, bookTag);
    const auto decimals = static_cast<int>(reader.u8());
    if (!isBookDecimals(decimals)) throw ErrorMsg(ErrorCode::damaged);
    book.setFormat(format, decimals);
    book.setName(std::string(reader.text(format2NameCharacters)));
    reader.endSection();

    expectSection(reader, typeTag);
    const unsigned typeCount = reader.u8();
    for (unsigned i = 0; i < typeCount; ++i) {
        const auto id = static_cast<int>(reader.u8());
        book.addType(id, std::string(reader.text(format2NameCharacters)));
    }
    reader.endSection();

    expectSection(reader, transactionTag);
    try {
        readTransactions(reader, book);
    } catch (const ErrorMsg& error) {
        // A transaction of a type the file lacks is found before the
        // section's check, which would have caught a changed byte: in a
        // checked format it is damage all the same.
        if (error.code() == ErrorCode::outOfBound) throw ErrorMsg(ErrorCode::damaged);
        throw;
    }
    reader.endSection();

    expectSection(reader, endTag);
    reader.endSection();
    if (reader.fileLeft() != 0) throw ErrorMsg(ErrorCode::damaged);
    return book.finish();
}

}  // namespace KestLib
