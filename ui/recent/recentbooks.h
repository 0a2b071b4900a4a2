#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

// The books opened or saved lately, newest first and at most eight, kept in
// the user's settings so that they outlive the run. Entries are absolute
// paths, so a book named relative to one working folder is found from any.
class RecentBooks {
public:
    static constexpr qsizetype capacity = 8;

    // The user's own settings of the program.
    RecentBooks();
    // The list kept in the given settings (tests use a file of their own).
    explicit RecentBooks(std::unique_ptr<QSettings> store);
    ~RecentBooks();
    RecentBooks(const RecentBooks&) = delete;
    RecentBooks& operator=(const RecentBooks&) = delete;

    // Newest first.
    QStringList books() const;
    // Puts path first; an older entry naming the same file goes, and the
    // oldest entry beyond the capacity goes too.
    void add(const QString& path);
    // Drops the entries whose file no longer exists.
    void dropMissing();
    void clear();
    // The folder of the newest book; empty when the list is.
    QString lastFolder() const;

private:
    // Every operation reads the stored list afresh, so that two running
    // windows add to one list instead of overwriting each other's.
    QStringList load() const;
    void store(const QStringList& books);

    std::unique_ptr<QSettings> settings;
};
