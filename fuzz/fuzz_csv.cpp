// Feeds arbitrary bytes to the CSV import, read as detected and as Big5. A
// refused file must leave the book exactly as it was and name at least one
// fault; an accepted one must add exactly what it reports, and the book
// written as CSV again (in the encoding the file was read in) and imported
// into a new book must read the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/accountdb.h"
#include "core/databaseformat.h"
#include "text/bookcsv.h"

namespace {

using KestLib::AccountDB;

AccountDB bookBeforeImport() {
    AccountDB db;
    db.reset();
    db.setName("before");
    db.addType("kept");
    KestLib::Transaction t;
    t.setType(db.findType("kept").id());
    t.setAmount(42);
    t.setYear(2004);
    t.setMonth(3);
    t.setDay(15);
    db.addTransaction(t);
    return db;
}

void check(bool condition) {
    if (!condition) std::abort();
}

// What a transaction is to its user, the index aside.
std::vector<std::string> transactionLines(const AccountDB& db) {
    std::vector<std::string> lines;
    for (int position = 0; position < db.transCount(); ++position) {
        const KestLib::Transaction& t = db.transaction(position, false);
        lines.push_back(std::to_string(t.dateCode()) + '|' + (t.isIncome() ? "+" : "-") + std::to_string(t.amount()) +
                        '|' + db.typeById(t.type()).name() + '|' + std::string(t.comment()));
    }
    return lines;
}

void importOnce(std::string_view bytes, PwText::CsvEncoding encoding) {
    AccountDB db = bookBeforeImport();
    const std::string before = KestLib::encodeDatabase(db);
    const PwText::ImportReport report = PwText::importCsv(db, bytes, encoding);
    if (!report.accepted) {
        check(KestLib::encodeDatabase(db) == before && db.isModified());
        check(!report.faults.empty() && report.faults.size() <= PwText::ImportReport::maxListedFaults);
        check(report.faultyRows >= 1);
        check(!PwText::describeRefusal(report).isEmpty());
        return;
    }
    check(db.transCount() == 1 + report.transactions);
    check(db.typeCount() == 2 + static_cast<int>(report.newTypes.size()));
    // Whatever was accepted fits the file format.
    const std::string encoded = KestLib::encodeDatabase(db);

    AccountDB again;
    again.reset();
    const PwText::CsvEncoding written =
        report.encoding == PwText::CsvEncoding::Big5 ? PwText::CsvEncoding::Big5 : PwText::CsvEncoding::Utf8;
    const PwText::ImportReport second = PwText::importCsv(again, PwText::exportCsv(db, written), written);
    check(second.accepted);
    check(transactionLines(again) == transactionLines(db));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    importOnce(bytes, PwText::CsvEncoding::Detect);
    importOnce(bytes, PwText::CsvEncoding::Big5);
    return 0;
}
