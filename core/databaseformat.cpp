// Format 1 of the .pwdb file, front to back, with no index, padding, trailer or checksum:
//
//   "PWDB"            4 bytes, as they are
//   version           1 byte, the value 1, as it is
//   --- from here on every byte is stored with its two nibbles exchanged ---
//   name length N     1 byte, then N name bytes
//   type count T      1 byte, then T type entries in ascending id order:
//                       id (1), name length L (1), L name bytes
//   lastIndex         4 bytes, big-endian
//   transaction count 4 bytes, big-endian, signed
//   transactions      index (4), year (2), month (1), day (1), amount (4),
//                     income 1/0 (1), type id (1), comment length K (1),
//                     K comment bytes
//
// Numbers wider than a byte are split big-endian first and each byte is then
// swapped on its own. Texts carry no terminator and no character set.

#include "core/databaseformat.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <istream>
#include <streambuf>
#include <vector>

#include "core/bookassembly.h"
#include "core/booklimits.h"
#include "core/databaseformat2.h"

namespace KestLib {
namespace {

constexpr std::string_view magic = "PWDB";
constexpr unsigned char version = 1;
constexpr std::size_t maxText = format1TextBytes;
constexpr std::size_t fixedTransactionBytes = 15;  // the fixed fields and the comment length

unsigned char swapNibbles(unsigned char b) { return static_cast<unsigned char>((b >> 4) | (b << 4)); }

// Appends to a buffer reserved beforehand.
class Writer {
public:
    explicit Writer(std::string& out) : out(out) {}
    void raw(unsigned char b) { out.push_back(static_cast<char>(b)); }
    void u8(unsigned b) { raw(swapNibbles(static_cast<unsigned char>(b))); }
    void u16(unsigned v) {
        u8(v >> 8);
        u8(v);
    }
    void u32(std::uint32_t v) {
        u8(v >> 24);
        u8(v >> 16);
        u8(v >> 8);
        u8(v);
    }
    void text(std::string_view s) {
        u8(static_cast<unsigned>(s.size()));
        for (char c : s) u8(static_cast<unsigned char>(c));
    }

private:
    std::string& out;
};

// Reads a file of known size from a stream, front to back, with every byte
// swapped back as it is read. Running past the end is damage; a stream that
// fails for another reason could not be read. The stream is read in pieces
// of its own, so a million small fields cost a million copies, not a million
// calls into the stream.
class Reader {
public:
    Reader(std::istream& in, std::uint64_t size) : in(in), size(size) {}
    std::uint64_t remaining() const { return size - consumed; }

    void read(unsigned char* out, std::size_t n) {
        if (remaining() < n) throw ErrorMsg(ErrorCode::damaged);
        consumed += n;
        while (n > 0) {
            if (position == filled) refill();
            const std::size_t take = std::min(n, filled - position);
            std::copy_n(buffer.data() + position, take, out);
            position += take;
            out += take;
            n -= take;
        }
    }
    unsigned u8() {
        unsigned char b;
        read(&b, 1);
        return b;
    }
    std::int32_t s32() {
        unsigned char b[4];
        read(b, 4);
        return be32(b);
    }
    std::string text(std::size_t length) {
        std::string s(length, '\0');
        read(reinterpret_cast<unsigned char*>(s.data()), length);
        return s;
    }
    std::string text() { return text(u8()); }

    static std::int32_t be32(const unsigned char* b) {
        return static_cast<std::int32_t>(std::uint32_t{b[0]} << 24 | std::uint32_t{b[1]} << 16 |
                                         std::uint32_t{b[2]} << 8 | b[3]);
    }

private:
    void refill() {
        if (buffer.empty()) buffer.resize(static_cast<std::size_t>(std::min<std::uint64_t>(size, 256 * 1024)));
        const auto want = static_cast<std::size_t>(std::min<std::uint64_t>(buffer.size(), size - fetched));
        in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(want));
        if (static_cast<std::size_t>(in.gcount()) != want) {
            // A stream keeps no errno; a read that fails on a file is an I/O error.
            if (in.bad()) throw ErrorMsg(ErrorCode::fileOpen, {}, EIO);
            throw ErrorMsg(ErrorCode::damaged);
        }
        for (std::size_t i = 0; i < want; ++i) buffer[i] = swapNibbles(buffer[i]);
        fetched += want;
        position = 0;
        filled = want;
    }

    std::istream& in;
    std::uint64_t size;
    std::uint64_t consumed = 0;  // handed out
    std::uint64_t fetched = 0;   // read from the stream
    std::vector<unsigned char> buffer;
    std::size_t position = 0;
    std::size_t filled = 0;
};

// A stream over bytes in memory, without copying them.
class MemoryBuffer : public std::streambuf {
public:
    explicit MemoryBuffer(std::string_view bytes) {
        char* begin = const_cast<char*>(bytes.data());  // only ever read
        setg(begin, begin, begin + bytes.size());
    }
};

void checkLength(std::string_view text, ErrorCode code) {
    if (text.size() > maxText) throw ErrorMsg(code);
}

}  // namespace

std::string encodeDatabase(const AccountDB& db) {
    if (db.format() != version) return encodeFormat2(db);
    std::size_t size = magic.size() + 1;
    checkLength(db.name(), ErrorCode::nameTooLong);
    size += 1 + db.name().size() + 1;
    for (int i = 0; i < db.typeCount(); ++i) {
        const TransType& type = db.typeAt(i);
        checkLength(type.name(), ErrorCode::typeNameTooLong);
        size += 2 + type.name().size();
    }
    size += 8;
    for (int i = 0; i < db.transCount(); ++i) {
        const Transaction& record = db.transaction(i, false);
        checkLength(record.comment(), ErrorCode::commentTooLong);
        size += fixedTransactionBytes + record.comment().size();
    }

    std::string bytes;
    bytes.reserve(size);
    Writer out(bytes);
    for (char c : magic) out.raw(static_cast<unsigned char>(c));
    out.raw(version);
    out.text(db.name());
    out.u8(static_cast<unsigned>(db.typeCount()));
    for (int i = 0; i < db.typeCount(); ++i) {
        const TransType& type = db.typeAt(i);
        out.u8(static_cast<unsigned>(type.id()));
        out.text(type.name());
    }
    out.u32(static_cast<std::uint32_t>(db.lastIndex()));
    out.u32(static_cast<std::uint32_t>(db.transCount()));
    for (int i = 0; i < db.transCount(); ++i) {
        const Transaction& record = db.transaction(i, false);
        out.u32(static_cast<std::uint32_t>(record.index()));
        out.u16(static_cast<unsigned>(record.year()));
        out.u8(static_cast<unsigned>(record.month()));
        out.u8(static_cast<unsigned>(record.day()));
        out.u32(static_cast<std::uint32_t>(record.amount()));
        out.u8(record.isIncome() ? 1 : 0);
        out.u8(static_cast<unsigned>(record.type()));
        out.text(record.comment());
    }
    return bytes;
}

AccountDB decodeDatabase(std::string_view bytes) {
    MemoryBuffer buffer(bytes);
    std::istream in(&buffer);
    return decodeDatabase(in, bytes.size());
}

bool startsAsDatabase(std::string_view bytes) { return bytes.starts_with(magic); }

std::size_t databaseMagicSize() { return magic.size(); }

AccountDB decodeDatabase(std::istream& in, std::uint64_t size) {
    char header[5] = {};
    in.read(header, size < sizeof header ? static_cast<std::streamsize>(size) : 5);
    if (in.bad()) throw ErrorMsg(ErrorCode::fileOpen, {}, EIO);
    if (size < magic.size() || std::string_view(header, magic.size()) != magic) throw ErrorMsg(ErrorCode::notDatabase);
    if (size == magic.size()) throw ErrorMsg(ErrorCode::damaged);
    if (static_cast<unsigned char>(header[magic.size()]) != version)
        return decodeLaterDatabase(in, size, static_cast<unsigned char>(header[magic.size()]));
    Reader reader(in, size - sizeof header);

    BookAssembly book;
    book.setName(reader.text());
    const unsigned typeCount = reader.u8();
    for (unsigned i = 0; i < typeCount; ++i) {
        const int id = static_cast<int>(reader.u8());
        book.addType(id, reader.text());
    }

    book.setLastIndex(reader.s32());
    const std::int32_t count = reader.s32();
    // The count must be backed by bytes before anything is allocated for it.
    if (count > 0 && static_cast<std::uint64_t>(count) > reader.remaining() / fixedTransactionBytes)
        throw ErrorMsg(ErrorCode::damaged);
    for (std::int32_t i = 0; i < count; ++i) {
        book.makeRoom(i, count);
        // index (4), year (2), month, day, amount (4), income, type id, comment length
        unsigned char fixed[fixedTransactionBytes];
        reader.read(fixed, sizeof fixed);
        unsigned char comment[maxText];
        reader.read(comment, fixed[14]);
        Transaction record;
        record.setIndex(Reader::be32(fixed));
        record.setDate(fixed[4] << 8 | fixed[5], fixed[6], fixed[7]);
        record.setAmount(Reader::be32(fixed + 8));
        record.setIncome(fixed[12] != 0);
        record.setType(fixed[13]);
        book.addTransaction(std::move(record), std::string_view(reinterpret_cast<const char*>(comment), fixed[14]));
    }
    if (reader.remaining() != 0) throw ErrorMsg(ErrorCode::damaged);
    return book.finish();
}

}  // namespace KestLib
