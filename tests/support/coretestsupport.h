#pragma once

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "accountdb.h"
#include "databaseformat.h"
#include "errormsg.h"

// Runs an action and gives the message of the ErrorMsg it throws, or a
// marker when it throws nothing, so a test can compare the exact text.
template <typename Action>
std::string messageOf(Action&& action) {
    try {
        action();
    } catch (const KestLib::ErrorMsg& error) {
        return error.message();
    }
    return "<nothing thrown>";
}

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Everything a caller can observe of a database: its file bytes (name, types
// with ids, lastIndex, transactions), the modified flag and the usage counts.
inline std::string fingerprint(const KestLib::AccountDB& db) {
    std::ostringstream out;
    out << KestLib::encodeDatabase(db) << (db.isModified() ? "|modified" : "|unmodified");
    for (int i = 0; i < db.typeCount(); ++i) out << '|' << db.typeAt(i).count();
    return out.str();
}

inline KestLib::Transaction makeTransaction(int typeId, int amount, bool income, int year = 2004, int month = 3,
                                            int day = 15, std::string comment = {}) {
    KestLib::Transaction t;
    t.setType(typeId);
    t.setAmount(amount);
    t.setIncome(income);
    t.setYear(year);
    t.setMonth(month);
    t.setDay(day);
    t.setComment(std::move(comment));
    return t;
}

// A small book that exercises every field: Big5 bytes in the names and
// comments, an empty comment, a negative amount, a gap in the type ids
// (0, 2, 3) and a deleted transaction, so lastIndex is above the last index.
inline KestLib::AccountDB sampleDatabase() {
    KestLib::AccountDB db;
    db.reset();
    db.setName("\xA4\xA4\xA4\xE5 book");
    db.addType("Gone");
    db.addType("\xAD\xB9\xAA\xAB");  // Big5 "food"
    db.addType("Salary");
    db.deleteType(db.findType("Gone"));
    const int food = db.findType("\xAD\xB9\xAA\xAB").id();
    const int salary = db.findType("Salary").id();
    KestLib::Transaction t = makeTransaction(salary, 52000, true, 2004, 1, 25, "January");
    db.addTransaction(t);
    t = makeTransaction(food, 120, false, 2004, 2, 29, "\xA4\xA4\xA4\xE5\xFF\x80");
    db.addTransaction(t);
    t = makeTransaction(food, -75, false, 1999, 12, 31);
    db.addTransaction(t);
    t = makeTransaction(0, 1, true, 2038, 1, 19, "deleted");
    db.addTransaction(t);
    db.deleteTransaction(t.index());
    return db;
}

// A new database filled entry by entry; each type is added when it is first
// named, so a test says only what it is about.
class BookBuilder {
public:
    BookBuilder() { db.reset(); }

    BookBuilder& type(const std::string& name) {
        idOf(name);
        return *this;
    }
    BookBuilder& income(const std::string& typeName, int amount, int year = 2004, int month = 3, int day = 15) {
        return add(typeName, amount, true, year, month, day);
    }
    BookBuilder& outgoing(const std::string& typeName, int amount, int year = 2004, int month = 3, int day = 15) {
        return add(typeName, amount, false, year, month, day);
    }
    int id(const std::string& name) const { return db.findType(name).id(); }
    KestLib::AccountDB build() { return std::move(db); }

    KestLib::AccountDB db;

private:
    int idOf(const std::string& name) {
        for (int position = 0; position < db.typeCount(); ++position)
            if (db.typeAt(position).name() == name) return db.typeAt(position).id();
        db.addType(name);
        return db.findType(name).id();
    }
    BookBuilder& add(const std::string& typeName, int amount, bool isIncome, int year, int month, int day) {
        KestLib::Transaction record = makeTransaction(idOf(typeName), amount, isIncome, year, month, day);
        db.addTransaction(record);
        return *this;
    }
};
