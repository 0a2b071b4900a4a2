// The .pwdb file, front to back, with no index, padding, trailer or checksum:
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

#include "databaseformat.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

namespace KestLib {
namespace {

constexpr std::string_view magic = "PWDB";
constexpr unsigned char version = 1;
constexpr std::size_t maxText = 255;
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
    void text(const std::string& s) {
        u8(static_cast<unsigned>(s.size()));
        for (char c : s) u8(static_cast<unsigned char>(c));
    }

private:
    std::string& out;
};

// Reads from the bytes of a whole file; running past the end is damage.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes(bytes) {}
    std::size_t remaining() const { return bytes.size() - pos; }
    unsigned u8() {
        need(1);
        return swapNibbles(static_cast<unsigned char>(bytes[pos++]));
    }
    unsigned u16() {
        const unsigned high = u8();
        return (high << 8) | u8();
    }
    std::int32_t s32() {
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v = (v << 8) | u8();
        return static_cast<std::int32_t>(v);
    }
    std::string text() {
        const std::size_t length = u8();
        need(length);
        std::string s(bytes.substr(pos, length));
        for (char& c : s) c = static_cast<char>(swapNibbles(static_cast<unsigned char>(c)));
        pos += length;
        return s;
    }

private:
    void need(std::size_t n) const {
        if (remaining() < n) throw ErrorMsg(Msg::damaged);
    }
    std::string_view bytes;
    std::size_t pos = 0;
};

void checkLength(const std::string& text, const char* message) {
    if (text.size() > maxText) throw ErrorMsg(message);
}

}  // namespace

std::string encodeDatabase(const AccountDB& db) {
    std::size_t size = magic.size() + 1;
    checkLength(db.name(), Msg::nameTooLong);
    size += 1 + db.name().size() + 1;
    for (int i = 0; i < db.typeCount(); ++i) {
        const TransType& type = db.typeAt(i);
        checkLength(type.name(), Msg::typeNameTooLong);
        size += 2 + type.name().size();
    }
    size += 8;
    for (int i = 0; i < db.transCount(); ++i) {
        const Transaction& record = db.transaction(i, false);
        checkLength(record.comment(), Msg::commentTooLong);
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
    if (bytes.substr(0, magic.size()) != magic) throw ErrorMsg(Msg::notDatabase);
    if (bytes.size() == magic.size()) throw ErrorMsg(Msg::damaged);
    if (static_cast<unsigned char>(bytes[magic.size()]) != version) throw ErrorMsg(Msg::wrongVersion);
    Reader in(bytes.substr(magic.size() + 1));

    AccountDB db;
    db.name_ = in.text();

    // Types must come in strictly ascending id order, which also rules out an
    // id given twice; positionOfId lets each transaction find its type at once.
    std::vector<int> positionOfId(TypeIdTable::capacity, -1);
    const unsigned typeCount = in.u8();
    for (unsigned i = 0; i < typeCount; ++i) {
        const int id = static_cast<int>(in.u8());
        std::string name = in.text();
        const bool ascending = db.types.size() == 0 || id > db.types.at(db.types.size() - 1).id();
        if (id >= TypeIdTable::capacity || !ascending) throw ErrorMsg(Msg::damaged);
        for (int j = 0; j < db.types.size(); ++j)
            if (db.types.at(j).name() == name) throw ErrorMsg(Msg::damaged);
        TransType type;
        type.setId(id);
        type.setName(std::move(name));
        positionOfId[static_cast<std::size_t>(id)] = db.types.size();
        db.types.append(std::move(type));
        db.typeIds.reserveTypeId(id);
    }

    db.lastIndex_ = in.s32();
    const std::int32_t count = in.s32();
    if (count > 0) {
        // The count must be backed by bytes before anything is allocated for it.
        if (static_cast<std::size_t>(count) > in.remaining() / fixedTransactionBytes) throw ErrorMsg(Msg::damaged);
        db.transactions.reserve(count);
    }
    bool indexesAscend = true;
    for (std::int32_t i = 0; i < count; ++i) {
        Transaction record;
        record.setIndex(in.s32());
        record.setYear(static_cast<int>(in.u16()));
        record.setMonth(static_cast<int>(in.u8()));
        record.setDay(static_cast<int>(in.u8()));
        record.setAmount(in.s32());
        record.setIncome(in.u8() != 0);
        const unsigned typeId = in.u8();
        record.setComment(in.text());
        const int typePosition = typeId < positionOfId.size() ? positionOfId[typeId] : -1;
        if (typePosition < 0) throw ErrorMsg(Msg::outOfBound);
        record.setType(static_cast<int>(typeId));
        db.types.at(typePosition).incCount();
        if (i > 0 && record.index() <= db.transactions.at(i - 1).index()) indexesAscend = false;
        // New indexes must stay unique even when the stored last index lags.
        if (record.index() > db.lastIndex_) db.lastIndex_ = record.index();
        db.transactions.append(std::move(record));
    }
    if (in.remaining() != 0) throw ErrorMsg(Msg::damaged);

    if (!indexesAscend) {
        std::vector<int> indexes(static_cast<std::size_t>(db.transCount()));
        for (int i = 0; i < db.transCount(); ++i) indexes[static_cast<std::size_t>(i)] = db.transactions.at(i).index();
        std::sort(indexes.begin(), indexes.end());
        if (std::adjacent_find(indexes.begin(), indexes.end()) != indexes.end()) throw ErrorMsg(Msg::damaged);
    }
    db.modified = false;
    return db;
}

}  // namespace KestLib
