#include "tests/support/coretestsupport.h"

#include <sstream>

#include "core/databaseformat.h"

std::string fingerprint(const KestLib::AccountDB& db) {
    std::ostringstream out;
    out << KestLib::encodeDatabase(db) << (db.isModified() ? "|modified" : "|unmodified");
    for (int i = 0; i < db.typeCount(); ++i) out << '|' << db.typeAt(i).count();
    return out.str();
}
