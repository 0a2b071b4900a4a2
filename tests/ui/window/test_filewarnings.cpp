#include <sys/stat.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <cstring>
#include <memory>

#include "core/errormsg.h"
#include "tests/support/booksupport.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/windowfixture.h"
#include "ui/prompts/coremessages.h"
#include "ui/window/mainwindow.h"

using namespace BookSupport;

// A warning about a file keeps the core's message as its text and tells,
// as its informative text, which file, why, and what was kept.
class TestFileWarnings : public QObject, private WindowFixture {
    Q_OBJECT

private:
    void trigger(const char* name) { action(name)->trigger(); }

    static const QString& nothingSaved() {
        static const QString text = QStringLiteral("Nothing was saved; your changes are still open.");
        return text;
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() {
        prepare();
        startWindow(path(QStringLiteral("languages")));  // absent: no languages
    }
    void cleanup() { window.reset(); }

    // Save As to a place that refuses the book; the book stays modified.
    void failedSaveSaysWhichFileWhyAndWhatWasKept_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("reason");
        // Each the book's file, which can't be opened for writing.
        QTest::newRow("missing folder") << "missing/money.pwdb"
                                        << "No such file or folder";
        QTest::newRow("read-only file") << "read-only.pwdb"
                                        << "Permission denied";
        QTest::newRow("a folder") << "folder.pwdb"
                                  << "Is a folder";
    }
    void failedSaveSaysWhichFileWhyAndWhatWasKept() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        writeBook(path(QStringLiteral("read-only.pwdb")), "Kept");
        QVERIFY(QFile::setPermissions(path(QStringLiteral("read-only.pwdb")), QFile::ReadOwner | QFile::ReadGroup));
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("folder.pwdb")));

        prompts.nameAnswers.push_back({true, QStringLiteral("Book")});
        trigger("newAct");
        prompts.saveNames.push_back(path(target));
        prompts.overwriteAnswers.push_back(true);
        trigger("saveAsAct");

        QCOMPARE(prompts.warnings, QStringList({writeWarningOf(path(target))}));
        QCOMPARE(prompts.details, QStringList({path(target) + QStringLiteral(": ") + reason + u'\n' + nothingSaved()}));
        QCOMPARE(status(), QStringLiteral("File Modified"));
    }

    // Open from the menu with a book open, and from the command line with
    // none: the file and why, and the open book named as kept when there is one.
    void failedOpenSaysWhichFileAndWhy_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bookOpen");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<QString>("reason");  // empty: the file's content was at fault
        const QString fileOpen = warningOf(KestLib::ErrorCode::fileOpen);
        QTest::newRow("missing, book open") << "missing.pwdb" << true << fileOpen << "No such file or folder";
        QTest::newRow("missing, command line") << "missing.pwdb" << false << fileOpen << "No such file or folder";
        QTest::newRow("a folder") << "folder.pwdb" << true << fileOpen << "Is a folder";
        QTest::newRow("foreign file") << "foreign.pwdb" << true << warningOf(KestLib::ErrorCode::notDatabase)
                                      << QString();
    }
    void failedOpenSaysWhichFileAndWhy() {
        QFETCH(QString, name);
        QFETCH(bool, bookOpen);
        QFETCH(QString, warning);
        QFETCH(QString, reason);
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("folder.pwdb")));
        QFile foreign(path(QStringLiteral("foreign.pwdb")));
        QVERIFY(foreign.open(QIODevice::WriteOnly));
        foreign.write("hello, world");
        foreign.close();

        if (bookOpen) {
            writeBook(path(QStringLiteral("book.pwdb")), "Book");
            window->openFile(path(QStringLiteral("book.pwdb")));
            prompts.openNames.push_back(path(name));
            trigger("openAct");
        } else {
            window->openFile(path(name));
        }

        QString details = path(name);
        if (!reason.isEmpty()) details += QStringLiteral(": ") + reason;
        if (bookOpen) details += QStringLiteral("\nThe open book is unchanged.");
        QCOMPARE(prompts.warnings, QStringList({warning}));
        QCOMPARE(prompts.details, QStringList({details}));
    }

    // The reasons as worded for the user, and the parts an error may lack.
    void detailsOfCoreErrors_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("error");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("details");
        QTest::newRow("disk full") << "/books/money.pwdb" << ENOSPC << QString() << "/books/money.pwdb: Disk full";
        QTest::newRow("over the file-size limit") << "/books/money.pwdb" << EFBIG << "Kept."
                                                  << "/books/money.pwdb: File too large\nKept.";
        QTest::newRow("no wording of our own")
            << "/books/money.pwdb" << EXDEV << QString()
            << QStringLiteral("/books/money.pwdb: ") + QString::fromLocal8Bit(std::strerror(EXDEV));
        QTest::newRow("content at fault") << "/books/money.pwdb" << 0 << QString() << "/books/money.pwdb";
        QTest::newRow("not about a file") << QString() << 0 << "Kept."
                                          << "Kept.";
    }
    void detailsOfCoreErrors() {
        QFETCH(QString, path);
        QFETCH(int, error);
        QFETCH(QString, kept);
        QFETCH(QString, details);
        const KestLib::ErrorMsg failure(KestLib::ErrorCode::fileWrite, QFile::encodeName(path).toStdString(), error);
        QCOMPARE(coreErrorDetails(failure, kept), details);
    }

    // The window's own check of a name the prompts answered with.
    void unstorableNameSaysWhichLimit() {
        prompts.nameAnswers.push_back({true, QStringLiteral("a").repeated(300)});
        trigger("newAct");
        QCOMPARE(prompts.details,
                 QStringList({QStringLiteral("The name takes 300 bytes in Big5; at most 255 can be stored.")}));
    }
};

QTEST_MAIN(TestFileWarnings)
#include "test_filewarnings.moc"
