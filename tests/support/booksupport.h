#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QFile>
#include <QString>
#include <QTest>
#include <string>
#include <vector>

#include "accountdb.h"

// Builders of book files shared by the GUI tests.
namespace BookSupport {

struct Row {
    int year, month, day;
    bool income;
    int amount;
    std::string type;
    std::string comment;
};

// Indexes 1 to 4 in this order.
inline const std::vector<Row> standardRows = {
    {2004, 3, 7, false, 9, "Food", "rice"},
    {2004, 10, 1, true, 10, "Salary", "pay"},
    {2004, 11, 15, false, 100, "Food", "dinner"},
    {2004, 3, 20, true, 2, "Salary", "tip"},
};

inline std::string pathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The id of the type named name, added when the book has none.
inline int typeIdFor(KestLib::AccountDB& book, const std::string& name) {
    for (int position = 0; position < book.typeCount(); ++position)
        if (book.typeAt(position).name() == name) return book.typeAt(position).id();
    book.addType(name);
    return book.findType(name).id();
}

// Types come in the order they are first named (after the nameless type
// every book has), or in the order of types when given.
inline KestLib::AccountDB makeBook(const std::string& name, const std::vector<Row>& rows = standardRows,
                                   const std::vector<std::string>& types = {}) {
    KestLib::AccountDB book;
    book.reset();
    book.setName(name);
    for (const std::string& type : types) typeIdFor(book, type);
    for (const Row& row : rows) {
        KestLib::Transaction record;
        record.setYear(row.year);
        record.setMonth(row.month);
        record.setDay(row.day);
        record.setIncome(row.income);
        record.setAmount(row.amount);
        record.setType(typeIdFor(book, row.type));
        record.setComment(row.comment);
        book.addTransaction(record);
    }
    return book;
}

// Writes the book to exactly these path bytes (which end in ".pwdb").
inline void writeBookBytes(const std::string& path, const std::string& name,
                           const std::vector<Row>& rows = standardRows) {
    KestLib::AccountDB book = makeBook(name, rows);
    std::string target = path;
    book.saveFile(target);
}

inline void writeBook(const QString& path, const std::string& name, const std::vector<Row>& rows = standardRows) {
    writeBookBytes(pathBytes(path), name, rows);
}

inline KestLib::AccountDB readBook(const QString& path) {
    KestLib::AccountDB book;
    book.loadFile(pathBytes(path));
    return book;
}

inline void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

inline QByteArray fileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Chooses an item of a combo box as the user does: it becomes current and
// the box reports it activated.
inline void choose(QComboBox* box, int item) {
    box->setCurrentIndex(item);
    emit box->activated(item);
}

}  // namespace BookSupport
