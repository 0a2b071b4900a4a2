#include "ui/recent/recentbooks.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>

#include "ui/book/applicationsettings.h"

namespace {

const QString key = QStringLiteral("recentBooks");

// One spelling per file: "./a.pwdb", "a.pwdb" and "x/../a.pwdb" are one book.
QString normalized(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

}  // namespace

RecentBooks::RecentBooks() : RecentBooks(applicationSettings()) {}

RecentBooks::RecentBooks(std::unique_ptr<QSettings> store) : settings(std::move(store)) {}

RecentBooks::~RecentBooks() = default;

QStringList RecentBooks::load() const {
    settings->sync();
    // The file may have been edited by hand: empty, relative, repeated or
    // surplus entries are put right as they are read.
    QStringList books;
    for (const QString& entry : settings->value(key).toStringList()) {
        if (entry.isEmpty()) continue;
        const QString path = normalized(entry);
        if (!books.contains(path)) books.append(path);
        if (books.size() == capacity) break;
    }
    return books;
}

void RecentBooks::store(const QStringList& books) {
    if (books.isEmpty())
        settings->remove(key);
    else
        settings->setValue(key, books);
    settings->sync();
}

QStringList RecentBooks::books() const { return load(); }

void RecentBooks::add(const QString& path) {
    if (path.isEmpty()) return;
    const QString book = normalized(path);
    QStringList books = load();
    books.removeAll(book);
    books.prepend(book);
    if (books.size() > capacity) books.resize(capacity);
    store(books);
}

void RecentBooks::dropMissing() {
    QStringList books = load();
    const auto gone =
        std::remove_if(books.begin(), books.end(), [](const QString& book) { return !QFileInfo(book).isFile(); });
    if (gone == books.end()) return;
    books.erase(gone, books.end());
    store(books);
}

void RecentBooks::clear() { store({}); }

QString RecentBooks::lastFolder() const {
    const QStringList books = load();
    return books.isEmpty() ? QString() : QFileInfo(books.first()).absolutePath();
}
