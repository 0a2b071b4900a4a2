#pragma once

#include <QComboBox>
#include <string>
#include <vector>

#include "accountdb.h"

// Books for the GUI tests, built in memory through the core's own operations.

struct BookRow {
    int year, month, day;
    bool income;
    int amount;
    std::string type;
    std::string comment;
};

// Types come in the order they are first named (after the nameless type
// every book has), or in the order of types when given.
inline KestLib::AccountDB makeBook(const std::vector<BookRow>& rows, const std::vector<std::string>& types = {}) {
    KestLib::AccountDB book;
    book.reset();
    auto ensureType = [&book](const std::string& name) {
        for (int position = 0; position < book.typeCount(); ++position)
            if (book.typeAt(position).name() == name) return book.typeAt(position).id();
        book.addType(name);
        return book.findType(name).id();
    };
    for (const std::string& name : types) ensureType(name);
    for (const BookRow& row : rows) {
        KestLib::Transaction record;
        record.setYear(row.year);
        record.setMonth(row.month);
        record.setDay(row.day);
        record.setIncome(row.income);
        record.setAmount(row.amount);
        record.setType(ensureType(row.type));
        record.setComment(row.comment);
        book.addTransaction(record);
    }
    return book;
}

// Chooses an item of a combo box as the user does: it becomes current and
// the box reports it activated.
inline void choose(QComboBox* box, int item) {
    box->setCurrentIndex(item);
    emit box->activated(item);
}
