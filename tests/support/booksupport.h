#pragma once

#include <QByteArray>
#include <QComboBox>
#include <QFile>
#include <QString>
#include <QTest>
#include <string>
#include <vector>

#include "core/accountdb.h"
#include "tests/support/bookbuilder.h"
#include "tests/support/samplebooks.h"

// The book builder and the file helpers for the GUI suites, which name
// files by QString.
namespace BookSupport {

using ::Row;
using ::standardRows;

std::string pathBytes(const QString& path);

// Types come in the order they are first named (after the nameless type
// every book has), or in the order of types when given.
KestLib::AccountDB makeBook(const std::string& name, const std::vector<Row>& rows = standardRows,
                            const std::vector<std::string>& types = {});

// The same in format 2 (whole units): name, type names and comments are
// UTF-8, as such a book stores them.
KestLib::AccountDB makeFormat2Book(const std::string& name, const std::vector<Row>& rows);

// Writes the book to exactly these path bytes (which end in ".pwdb").
void writeBookBytes(const std::string& path, const std::string& name, const std::vector<Row>& rows = standardRows);
void writeBook(const QString& path, const std::string& name, const std::vector<Row>& rows = standardRows);
KestLib::AccountDB readBook(const QString& path);

void writeBytes(const QString& path, const QByteArray& bytes);
QByteArray fileBytes(const QString& path);

// Chooses an item of a combo box as the user does: it becomes current and
// the box reports it activated.
void choose(QComboBox* box, int item);

}  // namespace BookSupport
