#include <QAction>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "ui/recent/recentbooks.h"
#include "ui/recent/recentbooksmenu.h"

namespace {

void touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

}  // namespace

class TestRecentBooks : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;

    QString path(const QString& name) const { return folder->filePath(name); }
    QString settingsFile() const { return path(QStringLiteral("settings.ini")); }
    std::unique_ptr<RecentBooks> openList() const {
        return std::make_unique<RecentBooks>(std::make_unique<QSettings>(settingsFile(), QSettings::IniFormat));
    }
    // "a b c" -> the absolute paths of a, b and c in the test folder.
    QStringList paths(const QString& names) const {
        QStringList result;
        for (const QString& name : names.split(u' ', Qt::SkipEmptyParts)) result << path(name);
        return result;
    }
    static QStringList entryTexts(const QMenu& menu) {
        QStringList texts;
        for (const QAction* action : menu.actions())
            texts << (action->isSeparator() ? QStringLiteral("--") : action->text());
        return texts;
    }

private slots:
    void initTestCase() {
        // One folder for all, as the table rows name their paths before a test runs.
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
    }

    void init() {
        // Every test starts from no settings at all.
        QFile::remove(settingsFile());
    }

    void keepsOrderDropsDuplicatesStopsAtEight_data() {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("newest first") << paths("a b c") << paths("c b a");
        QTest::newRow("again moves to the front") << paths("a b c a") << paths("a c b");
        QTest::newRow("the newest again changes nothing") << paths("a b b") << paths("b a");
        QTest::newRow("eight kept") << paths("1 2 3 4 5 6 7 8") << paths("8 7 6 5 4 3 2 1");
        QTest::newRow("the oldest go past eight") << paths("1 2 3 4 5 6 7 8 9 10") << paths("10 9 8 7 6 5 4 3");
        QTest::newRow("a duplicate doesn't push one out") << paths("1 2 3 4 5 6 7 8 1") << paths("1 8 7 6 5 4 3 2");
        // Spellings of one file are one book.
        QTest::newRow("spellings") << QStringList{path("a"), path("x/../a"), folder->path() + "/./a"} << paths("a");
        QTest::newRow("empty paths ignored") << QStringList{path("a"), QString()} << paths("a");
    }

    void keepsOrderDropsDuplicatesStopsAtEight() {
        QFETCH(QStringList, added);
        QFETCH(QStringList, expected);
        const auto recent = openList();
        for (const QString& book : added) recent->add(book);
        QCOMPARE(recent->books(), expected);
        // Kept in the settings: a later run sees the same list.
        QCOMPARE(openList()->books(), expected);
    }

    void relativePathsAreStoredAbsolute() {
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(folder->path()));
        const auto recent = openList();
        recent->add(QStringLiteral("book.pwdb"));
        QVERIFY(QDir::setCurrent(before));
        QCOMPARE(recent->books(), paths("book.pwdb"));
        QCOMPARE(recent->lastFolder(), QDir::cleanPath(folder->path()));
    }

    void twoListsOverOneSettingsFileShareTheEntries() {
        // Two windows running at once: neither overwrites what the other added.
        const auto first = openList();
        const auto second = openList();
        first->add(path("a"));
        second->add(path("b"));
        first->add(path("c"));
        QCOMPARE(second->books(), paths("c b a"));
    }

    void aHandEditedListIsPutRight() {
        {
            QSettings settings(settingsFile(), QSettings::IniFormat);
            QStringList stored{QString(), path("a"), path("a")};
            for (int k = 1; k <= 10; ++k) stored << path(QString::number(k));
            settings.setValue(QStringLiteral("recentBooks"), stored);
        }
        QCOMPARE(openList()->books(), paths("a 1 2 3 4 5 6 7"));
    }

    void missingBooksAreDroppedAndClearEmpties() {
        const auto recent = openList();
        for (const char* name : {"a", "b", "c", "d"}) touch(path(name));
        for (const QString& book : paths("a b c d")) recent->add(book);
        QVERIFY(QFile::remove(path("b")));
        QVERIFY(QFile::remove(path("d")));
        QVERIFY(QDir().mkdir(path("c.dir")));  // a folder is no book either
        recent->add(path("c.dir"));

        recent->dropMissing();
        QCOMPARE(recent->books(), paths("c a"));
        QCOMPARE(recent->lastFolder(), QDir::cleanPath(folder->path()));

        recent->clear();
        QCOMPARE(openList()->books(), QStringList());
        QCOMPARE(recent->lastFolder(), QString());
    }

    void menuNumbersTheExistingBooks() {
        const auto recent = openList();
        for (const char* name : {"a.pwdb", "gone.pwdb", "R&D.pwdb"}) touch(path(name));
        for (const QString& book : paths("a.pwdb gone.pwdb R&D.pwdb")) recent->add(book);
        QVERIFY(QFile::remove(path("gone.pwdb")));

        RecentBooksMenu menu(*recent, nullptr);
        QCOMPARE(menu.title(), QStringLiteral("Recent &Books"));
        emit menu.aboutToShow();
        const QString shown = QDir::toNativeSeparators(folder->path());
        QCOMPARE(entryTexts(menu),
                 QStringList({"&1 " + shown + "/R&&D.pwdb", "&2 " + shown + "/a.pwdb", "--", "&Clear"}));
        QCOMPARE(recent->books(), paths("R&D.pwdb a.pwdb"));

        QSignalSpy chosen(&menu, &RecentBooksMenu::bookChosen);
        menu.actions().at(1)->trigger();
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0).at(0).toString(), path("a.pwdb"));

        QAction* clear = menu.actions().last();
        QVERIFY(clear->isEnabled());
        clear->trigger();
        QCOMPARE(recent->books(), QStringList());
        emit menu.aboutToShow();
        QCOMPARE(entryTexts(menu), QStringList({"--", "&Clear"}));
        QVERIFY(!menu.actions().last()->isEnabled());
    }
};

QTEST_MAIN(TestRecentBooks)
#include "test_recentbooks.moc"
