#include "tests/support/bookbuilder.h"

#include <filesystem>
#include <optional>
#include <string_view>
#include <utility>

KestLib::Transaction makeTransaction(int typeId, int amount, bool income, int year, int month, int day,
                                     std::string comment) {
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

BookBuilder::BookBuilder(const std::string& name) {
    db.reset();
    db.setName(name);
}

BookBuilder& BookBuilder::type(const std::string& name) {
    idOf(name);
    return *this;
}

BookBuilder& BookBuilder::types(const std::vector<std::string>& names) {
    for (const std::string& name : names) idOf(name);
    return *this;
}

BookBuilder& BookBuilder::income(const std::string& typeName, int amount, int year, int month, int day,
                                 const std::string& comment) {
    return row({year, month, day, true, amount, typeName, comment});
}

BookBuilder& BookBuilder::outgoing(const std::string& typeName, int amount, int year, int month, int day,
                                   const std::string& comment) {
    return row({year, month, day, false, amount, typeName, comment});
}

BookBuilder& BookBuilder::row(const Row& row) {
    KestLib::Transaction record =
        makeTransaction(idOf(row.type), row.amount, row.income, row.year, row.month, row.day, row.comment);
    db.addTransaction(record);
    lastIndex = record.index();
    return *this;
}

BookBuilder& BookBuilder::rows(const std::vector<Row>& rows) {
    for (const Row& each : rows) row(each);
    return *this;
}

BookBuilder& BookBuilder::withoutType(const std::string& name) {
    db.deleteType(db.findType(name));
    return *this;
}

BookBuilder& BookBuilder::withoutLastTransaction() {
    db.deleteTransaction(lastIndex);
    return *this;
}

int BookBuilder::id(const std::string& name) const { return db.findType(name).id(); }

BookBuilder& BookBuilder::inFormat2(int decimals) {
    db.convertToFormat2(decimals, [](std::string_view text) { return std::optional<std::string>(text); });
    return *this;
}

KestLib::AccountDB BookBuilder::build() { return std::move(db); }

void BookBuilder::writeTo(const std::string& path) {
    std::string written = path;
    db.saveFile(written);
    if (written != path) std::filesystem::rename(written, path);
}

int BookBuilder::idOf(const std::string& name) {
    for (int position = 0; position < db.typeCount(); ++position)
        if (db.typeAt(position).name() == name) return db.typeAt(position).id();
    db.addType(name);
    return db.findType(name).id();
}
