#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "pennywellversion.h"
#include "tests/support/booksupport.h"

using namespace BookSupport;

// The application object ends the process or keeps it alive against the
// kernel's signals, so each case runs the program's start-up in a child.
class TestApplication : public QObject {
    Q_OBJECT

private:
    struct Outcome {
        QProcess::ExitStatus status;
        int code;
        QStringList lines;
    };

    static Outcome runChild(const QStringList& arguments) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QStringLiteral(APPLICATION_CHILD), arguments);
        if (!child.waitForFinished(60000)) {
            child.kill();
            child.waitForFinished();
        }
        const QString out = QString::fromUtf8(child.readAllStandardOutput());
        return {child.exitStatus(), child.exitCode(), out.split(u'\n', Qt::SkipEmptyParts)};
    }

private slots:
    void escapedErrorEndsTheProgramWithoutSaving_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("warning");
        QTest::newRow("core error") << "core"
                                    << "warning: Warning: Damaged Pennywell database file";
        QTest::newRow("standard exception") << "std"
                                            << "warning: Warning: Bang";
        QTest::newRow("anything else") << "other"
                                       << "warning: Warning: Unknown error";
    }
    void escapedErrorEndsTheProgramWithoutSaving() {
        QFETCH(QString, kind);
        QFETCH(QString, warning);
        QTemporaryDir folder;
        const QString book = folder.filePath(QStringLiteral("book.pwdb"));
        writeBook(book, "Book");
        const QByteArray before = fileBytes(book);

        const Outcome outcome = runChild({QStringLiteral("escape"), kind, book});
        QCOMPARE(outcome.status, QProcess::NormalExit);
        QVERIFY(outcome.code != 0);
        // The warning, and nothing after it: no question, no save, no return from the loop.
        QCOMPARE(outcome.lines, QStringList({warning}));
        QCOMPARE(fileBytes(book), before);
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("book.pwdb.bak.pwdb"))));
    }

    // The program's own options print and end before the toolkit starts: a
    // platform that doesn't exist would end any start of it.
    void ownOptionsPrintAndEnd_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("fullDisk");  // standard output is /dev/full
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("start");  // of what is printed
        QTest::newRow("help") << QStringList{"--help"} << false << 0 << "Usage: pennywell [Qt options] [BOOK]\n";
        QTest::newRow("version") << QStringList{"--version"} << false << 0
                                 << QStringLiteral("pennywell " PENNYWELL_VERSION "\n");
        QTest::newRow("version, not written") << QStringList{"--version"} << true << 1 << QString();
    }
    void ownOptionsPrintAndEnd() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, fullDisk);
        QFETCH(int, code);
        QFETCH(QString, start);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("no-such-platform"));
        program.setProcessEnvironment(environment);
        if (fullDisk) program.setStandardOutputFile(QStringLiteral("/dev/full"));
        program.start(QStringLiteral(PENNYWELL_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), code);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        if (!fullDisk) QVERIFY2(out.startsWith(start) && out.endsWith(u'\n'), qPrintable(out));
    }

    void fileSizeLimitGivesAWriteError() {
        QTemporaryDir folder;
        const Outcome outcome = runChild({QStringLiteral("file-size-limit"), folder.path()});
        // Not ended by SIGXFSZ: the write failed, was reported, and the
        // changes are still there to be saved elsewhere.
        QCOMPARE(outcome.status, QProcess::NormalExit);
        QCOMPARE(outcome.code, 0);
        // The box says which file and why, and what was kept (its second line).
        const QString copy = QDir::toNativeSeparators(folder.filePath(QStringLiteral("copy.pwdb")));
        QCOMPARE(outcome.lines,
                 QStringList({"warning: Warning: File write error", "details: " + copy + ": File too large",
                              "Nothing was saved; your changes are still open.", "status: File Modified",
                              "bound: big.pwdb"}));
    }
};

QTEST_GUILESS_MAIN(TestApplication)
#include "test_application.moc"
