#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStatusBar>
#include <QTest>
#include <filesystem>
#include <string>

#include "core/accountdb.h"
#include "tests/support/booksupport.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/windowfixture.h"

using namespace BookSupport;

// The window's Save and Save As: what they write, what they ask, and what
// the window shows afterwards. Which files a save touches in every case is
// the save rule's, tested on its own.
class TestWindowSave : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Tests close the window on purpose; that must not end anything.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Save, back to the file read or to the name it completes: the backup
    // comes from the file replaced, and the book is bound to the file written.
    void saveWritesTheBookAndItsBackup_data() {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("firstBackup");
        QTest::addColumn<QString>("nextBackup");
        QTest::newRow("saved back") << "money.pwdb"
                                    << "money.pwdb"
                                    << "money.pwdb.bak.pwdb"
                                    << "money.pwdb.bak.pwdb";
        QTest::newRow("opened without the extension") << "plain"
                                                      << "plain.pwdb"
                                                      << "plain.bak.pwdb"
                                                      << "plain.pwdb.bak.pwdb";
    }
    void saveWritesTheBookAndItsBackup() {
        QFETCH(QString, opened);
        QFETCH(QString, written);
        QFETCH(QString, firstBackup);
        QFETCH(QString, nextBackup);
        writeBook(path("old.pwdb"), "Old");
        QVERIFY(QFile::rename(path("old.pwdb"), path(opened)));
        window->openFile(path(opened));
        rename(QStringLiteral("New"));
        action("saveAct")->trigger();

        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(window->boundFileName(), path(written));
        QCOMPARE(readBook(path(written)).name(), std::string("New"));
        QCOMPARE(readBook(path(written)).transCount(), 4);
        QCOMPARE(readBook(path(firstBackup)).name(), std::string("Old"));
        QCOMPARE(readBook(path(firstBackup)).transCount(), 4);

        // Each Save replaces the backup with the last saved contents.
        rename(QStringLiteral("Newer"));
        action("saveAct")->trigger();
        QCOMPARE(readBook(path(nextBackup)).name(), std::string("New"));
        QCOMPARE(readBook(path(written)).name(), std::string("Newer"));
        QCOMPARE(prompts.warnings, QStringList());
    }

    void saveWithoutChangesTouchesNothing() {
        const QString money = path("money.pwdb");
        writeBook(money, "Book");
        window->openFile(money);
        const QByteArray before = fileBytes(money);
        const auto stamp = std::filesystem::last_write_time(pathBytes(money));

        action("saveAct")->trigger();
        QCOMPARE(fileBytes(money), before);
        QVERIFY(std::filesystem::last_write_time(pathBytes(money)) == stamp);
        QVERIFY(!QFile::exists(path("money.pwdb.bak.pwdb")));
        QCOMPARE(status(), QStringLiteral("File Saved"));

        // Not even a path is asked for when nothing is open.
        action("closeAct")->trigger();
        action("saveAct")->trigger();
        QCOMPARE(prompts.asked, QStringList());
        QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList({"money.pwdb"}));
    }

    void saveOfAFileAnotherProgramChanged_data() {
        QTest::addColumn<bool>("replace");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void saveOfAFileAnotherProgramChanged() {
        QFETCH(bool, replace);
        const QString money = path("money.pwdb");
        const QString backup = path("money.pwdb.bak.pwdb");
        writeBook(money, "Book");
        window->openFile(money);
        rename(QStringLiteral("Mine"));
        writeBook(money, "Them");
        const QByteArray theirs = fileBytes(money);
        // Named by the time the other version was written.
        const QString kept = path("money.pwdb.replaced-") +
                             QFileInfo(money).lastModified().toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss")) +
                             QStringLiteral(".pwdb");

        prompts.overwriteAnswers.push_back(replace);
        action("saveAct")->trigger();
        QCOMPARE(prompts.asked,
                 QStringList({QStringLiteral("name: Book"),
                              QStringLiteral("overwrite: %1 was changed by another program since it "
                                             "was opened. Replace it? The other version will be kept "
                                             "as %2.")
                                  .arg(QDir::toNativeSeparators(money), QDir::toNativeSeparators(kept))}));
        if (replace) {
            QCOMPARE(readBook(money).name(), std::string("Mine"));
            QCOMPARE(fileBytes(backup), theirs);
            QCOMPARE(fileBytes(kept), theirs);
            QCOMPARE(
                window->statusBar()->currentMessage(),
                QStringLiteral("Saved; the other program's version is kept as %1").arg(QDir::toNativeSeparators(kept)));
            QCOMPARE(status(), QStringLiteral("File Saved"));
            // The window now knows the file as it wrote it: no question.
            rename(QStringLiteral("Mine again"));
            action("saveAct")->trigger();
            QCOMPARE(readBook(money).name(), std::string("Mine again"));
            QCOMPARE(prompts.asked.size(), 3);
            // The next save rewrites the backup, never the version kept.
            QCOMPARE(fileBytes(kept), theirs);
        } else {
            QCOMPARE(fileBytes(money), theirs);
            QVERIFY(!QFile::exists(backup));
            QVERIFY(!QFile::exists(kept));
            QCOMPARE(status(), QStringLiteral("File Modified"));
            QCOMPARE(window->database().name(), std::string("Mine"));
        }
    }

    // Save As asks about the file it will really write, and binds the book to it.
    void saveAsAsksAboutTheFileWritten_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("asks");
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("completed name, yes") << "x" << true << true;
        QTest::newRow("exact name, no") << "x.pwdb" << true << false;
        // A file of the chosen name is not the one written, so nothing asks
        // about it and it stays as it is.
        QTest::newRow("a file holds the name chosen, not the one written") << "notes" << false << false;
    }
    void saveAsAsksAboutTheFileWritten() {
        QFETCH(QString, chosen);
        QFETCH(bool, asks);
        QFETCH(bool, overwrite);
        const QString existing = path("x.pwdb");
        writeBook(existing, "Existing");
        writeBytes(path("notes"), "my notes");
        const QByteArray before = fileBytes(existing);
        startNewBook(QStringLiteral("Mine"));

        prompts.saveNames.push_back(path(chosen));
        if (asks) prompts.overwriteAnswers.push_back(overwrite);
        action("saveAsAct")->trigger();

        const QString written = path(chosen.endsWith(QStringLiteral(".pwdb")) ? chosen : chosen + ".pwdb");
        if (asks) {
            QCOMPARE(prompts.asked.last(),
                     QStringLiteral("overwrite: File %1 already exists.\nDo you want to override it?")
                         .arg(QDir::toNativeSeparators(existing)));
            QCOMPARE(prompts.lastCaption, QStringLiteral("Pennywell"));
        } else {
            QCOMPARE(prompts.asked, QStringList({"name: ", "save-as"}));
        }
        QVERIFY(!QFile::exists(path("x")));
        QCOMPARE(fileBytes(path("notes")), QByteArray("my notes"));
        if (overwrite || !asks) {
            QCOMPARE(readBook(written).name(), std::string("Mine"));
            QCOMPARE(window->boundFileName(), written);
            QCOMPARE(status(), QStringLiteral("File Saved"));
            QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Mine"));
        } else {
            QCOMPARE(fileBytes(existing), before);
            QCOMPARE(window->boundFileName(), QString());
            QCOMPARE(status(), QStringLiteral("File Modified"));
        }
    }
};

QTEST_MAIN(TestWindowSave)
#include "test_windowsave.moc"
