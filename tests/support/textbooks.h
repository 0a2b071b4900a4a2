#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "accountdb.h"
#include "coretestsupport.h"
#include "isodate.h"

// Big5 bytes of the Chinese words the books use.
inline const std::string big5Chinese = "\xA4\xA4\xA4\xE5";  // 中文
inline const std::string big5Food = "\xAD\xB9\xAA\xAB";     // 食物

// A small book with what CSV and journals must carry through: Big5 names and
// comments, a comment with a comma, quotes and a line break, an empty
// comment, a negative amount, a zero amount, the unnamed type in use, a type
// whose name a journal must make safe, and a gap in the type ids.
inline KestLib::AccountDB smallTextBook() {
    KestLib::AccountDB db;
    db.reset();
    db.setName("Family " + big5Chinese);
    db.addType("Gone");
    db.addType(big5Food);
    db.addType("Salary");
    db.addType("R&D: lab (2)");
    db.deleteType(db.findType("Gone"));
    const int food = db.findType(big5Food).id();
    const int salary = db.findType("Salary").id();
    const int lab = db.findType("R&D: lab (2)").id();
    auto add = [&](KestLib::Transaction t) { db.addTransaction(t); };
    add(makeTransaction(salary, 52000, true, 2024, 1, 25, "January"));
    add(makeTransaction(food, 120, false, 2024, 2, 29, "rice, \"jasmine\"\r\nand tea"));
    add(makeTransaction(food, -75, false, 1999, 12, 31));
    add(makeTransaction(0, 0, true, 2024, 3, 1, big5Chinese + " note"));
    add(makeTransaction(lab, 300, false, 2024, 3, 2, "kit"));
    return db;
}

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
