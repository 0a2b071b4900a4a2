#include "tests/support/booksupport.h"

#include <QFile>
#include <QTest>

#include "tests/support/filebytes.h"
#include "text/booktext.h"

namespace BookSupport {

std::string pathBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

KestLib::AccountDB makeBook(const std::string& name, const std::vector<Row>& rows,
                            const std::vector<std::string>& types) {
    return BookBuilder(name).types(types).rows(rows).build();
}

KestLib::AccountDB makeFormat2Book(const std::string& name, const std::vector<Row>& rows) {
    // Converted while it holds no text, then filled: the builder adds the
    // UTF-8 texts as they are.
    BookBuilder builder;
    PwText::convertToFormat2(builder.db, 0);
    builder.db.setName(name);
    return builder.rows(rows).build();
}

void writeBookBytes(const std::string& path, const std::string& name, const std::vector<Row>& rows) {
    BookBuilder(name).rows(rows).writeTo(path);
}

void writeBook(const QString& path, const std::string& name, const std::vector<Row>& rows) {
    writeBookBytes(pathBytes(path), name, rows);
}

KestLib::AccountDB readBook(const QString& path) {
    KestLib::AccountDB book;
    book.loadFile(pathBytes(path));
    return book;
}

void writeBytes(const QString& path, const QByteArray& bytes) { writeFile(pathBytes(path), bytes.toStdString()); }

QByteArray fileBytes(const QString& path) { return QByteArray::fromStdString(readFile(pathBytes(path))); }

void choose(QComboBox* box, int item) {
    box->setCurrentIndex(item);
    emit box->activated(item);
}

}  // namespace BookSupport
