// Feeds arbitrary bytes to the database reader. A refused file must leave the
// database exactly as it was; an accepted one must hold together (the tests'
// consistency check: usage counts, type ids, indexes and every sum) and must
// come back byte for byte when written and read again; a book of format 2
// comes back as the very bytes it was read from.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/accountdb.h"
#include "core/databaseformat.h"
#include "core/errormsg.h"
#include "tests/support/consistencycheck.h"

namespace {

using KestLib::AccountDB;

// What the reader must not disturb when it refuses a file.
AccountDB databaseBeforeLoad() {
    AccountDB db;
    db.reset();
    db.setName("before");
    db.addType("kept");
    KestLib::Transaction t;
    t.setType(1);
    t.setAmount(42);
    db.addTransaction(t);
    return db;
}

void check(bool condition) {
    if (!condition) std::abort();
}

void checkConsistent(const AccountDB& db) {
    const std::string fault = consistencyFault(db);
    if (fault.empty()) return;
    std::fprintf(stderr, "inconsistent database: %s\n", fault.c_str());
    std::abort();
}

// A file of format 2 without the sections a reader passes over (those whose
// tag starts in lower case), which is what writing it again must give.
std::string withoutPassedSections(std::string_view bytes) {
    std::string kept(bytes.substr(0, 9));
    for (std::size_t at = 9; at + 12 <= bytes.size();) {
        std::uint64_t length = 0;
        for (std::size_t k = 0; k < 8; ++k) length = length << 8 | static_cast<unsigned char>(bytes[at + 4 + k]);
        const std::size_t end = at + 16 + static_cast<std::size_t>(length);
        if (bytes[at] < 'a' || bytes[at] > 'z') kept.append(bytes.substr(at, end - at));
        at = end;
    }
    return kept;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    AccountDB first = databaseBeforeLoad();
    const std::string before = KestLib::encodeDatabase(first);
    try {
        first.loadBytes(bytes);
    } catch (const KestLib::ErrorMsg&) {
        check(KestLib::encodeDatabase(first) == before && first.isModified());
        return 0;
    }
    check(!first.isModified());
    checkConsistent(first);

    // Nothing read from a file can be too long to write again, so any
    // exception from here on is a fault and ends the run.
    const std::string encoded = KestLib::encodeDatabase(first);
    // Format 2 holds one spelling of each book: what was read is written back
    // byte for byte, but for the parts passed over.
    if (first.format() == 2) check(encoded == withoutPassedSections(bytes));
    AccountDB second;
    second.loadBytes(encoded);
    check(KestLib::encodeDatabase(second) == encoded);
    return 0;
}
