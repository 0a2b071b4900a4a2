#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "core/accountdb.h"
#include "tests/support/coretestsupport.h"
#include "text/isodate.h"

// The transactions as the user sees them, indexes aside: one line each,
// with the type by name.
inline std::vector<std::string> transactionLines(const KestLib::AccountDB& db) {
    std::vector<std::string> lines;
    for (int position = 0; position < db.transCount(); ++position) {
        const KestLib::Transaction& t = db.transaction(position, false);
        std::ostringstream line;
        line << PwText::isoDate(t.year(), t.month(), t.day()) << '|' << (t.isIncome() ? "in" : "out") << '|'
             << t.amount() << '|' << db.typeById(t.type()).name() << '|' << t.comment();
        lines.push_back(line.str());
    }
    return lines;
}
