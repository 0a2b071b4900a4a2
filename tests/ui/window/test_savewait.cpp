// The window's Save beside another program that saves the same book: it
// waits without holding up the window, can be cancelled with the changes
// kept, never holds the book's lock while it asks, and asks again when the
// file changed while it asked. And a book damaged on disk points to Save As.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>

#include "core/booklock.h"
#include "tests/support/booksupport.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/windowfixture.h"
#include "ui/prompts/waitingbox.h"

using namespace BookSupport;

class TestSaveWait : public QObject, private WindowFixture {
    Q_OBJECT

private:
    QString money;
    std::optional<KestLib::BookLock> otherProgram;  // its lock on the book

    QString waitQuestion() const {
        return QStringLiteral("wait: Waiting for another program that is saving %1…")
            .arg(QDir::toNativeSeparators(money));
    }
    static bool isChangedQuestion(const QString& asked) {
        return asked.startsWith(QStringLiteral("overwrite: ")) && asked.contains(QStringLiteral("changed by another"));
    }
    void editTheBook() {
        writeBook(money, "Book");
        window->openFile(money);
        prompts.nameAnswers.push_back({true, QStringLiteral("Mine")});
        action("dbNameAct")->trigger();
    }
    // The other program holds the lock until it lets go.
    void otherProgramLocks() {
        otherProgram = KestLib::BookLock::tryTake(pathBytes(money));
        QVERIFY(otherProgram && otherProgram->holdsFile());
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() {
        openWindow();
        money = path(QStringLiteral("money.pwdb"));
    }
    void cleanup() {
        otherProgram.reset();
        closeWindow();
    }

    void saveWaitsWhileAnotherProgramSaves_data() {
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("otherSaves");  // the other program writes the book before it lets go
        QTest::newRow("cancelled") << true << false;
        QTest::newRow("the other program lets go") << false << false;
        QTest::newRow("the other program saved meanwhile") << false << true;
    }
    void saveWaitsWhileAnotherProgramSaves() {
        QFETCH(bool, cancel);
        QFETCH(bool, otherSaves);
        editTheBook();
        const QByteArray before = fileBytes(money);
        otherProgramLocks();
        prompts.waitAnswers.push_back({[&] {
                                           if (otherSaves) writeBook(money, "Them");
                                           if (!cancel) otherProgram.reset();
                                       },
                                       cancel});
        if (otherSaves) prompts.overwriteAnswers.push_back(true);

        action("saveAct")->trigger();
        QCOMPARE(prompts.asked.value(1), waitQuestion());
        if (cancel) {
            // Nothing written, the changes still open.
            QCOMPARE(prompts.asked.size(), 2);
            QCOMPARE(fileBytes(money), before);
            QVERIFY(!QFile::exists(path(QStringLiteral("money.pwdb.bak.pwdb"))));
            QCOMPARE(window->database().name(), std::string("Mine"));
            QCOMPARE(status(), QStringLiteral("File Modified"));
            return;
        }
        // What the other program saved is seen and asked about.
        QCOMPARE(prompts.asked.size(), otherSaves ? 3 : 2);
        if (otherSaves) QVERIFY(isChangedQuestion(prompts.asked.value(2)));
        QCOMPARE(readBook(money).name(), std::string("Mine"));
        QCOMPARE(readBook(path(QStringLiteral("money.pwdb.bak.pwdb"))).name(),
                 std::string(otherSaves ? "Them" : "Book"));
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(prompts.warnings, QStringList());
    }

    // While the user is asked, another program may save the book; the answer
    // was about the file before, so the window asks again about what it
    // finds, and keeps the version it names.
    void theLockIsLetGoWhileAskingAndTheQuestionAskedAgain() {
        editTheBook();
        writeBook(money, "Them");
        QList<bool> lockFree;
        int asked = 0;
        prompts.whileAsking = [&] {
            std::optional<KestLib::BookLock> probe = KestLib::BookLock::tryTake(pathBytes(money));
            lockFree << probe.has_value();
            probe.reset();
            if (++asked == 1) {
                QTest::qWait(20);  // past the clock's tick
                writeBook(money, "Them again");
            }
        };
        prompts.overwriteAnswers = {true, true};

        action("saveAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(lockFree, QList<bool>({true, true}));
        QCOMPARE(prompts.asked.size(), 3);
        QVERIFY(isChangedQuestion(prompts.asked.at(1)) && isChangedQuestion(prompts.asked.at(2)));
        QCOMPARE(readBook(money).name(), std::string("Mine"));
        QCOMPARE(readBook(path(QStringLiteral("money.pwdb.bak.pwdb"))).name(), std::string("Them again"));
        // The file the second question named holds the version it was about.
        const QString kept = prompts.asked.at(2).section(QStringLiteral(" kept as "), 1).chopped(1);
        QCOMPARE(readBook(kept).name(), std::string("Them again"));
    }

    // The box the program shows while it waits: it asks again and again
    // until ready, and Cancel ends the wait. A wait that Cancel failed to end
    // ends on its own after a few seconds, and fails the test.
    void theWaitingBoxAsksUntilReadyOrCancelled_data() {
        QTest::addColumn<int>("readyAt");  // the try that finds it ready
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<bool>("waited");
        QTest::newRow("ready at once") << 1 << false << true;
        QTest::newRow("ready at the fourth try") << 4 << false << true;
        QTest::newRow("cancelled") << 50 << true << false;
    }
    void theWaitingBoxAsksUntilReadyOrCancelled() {
        QFETCH(int, readyAt);
        QFETCH(bool, cancel);
        QFETCH(bool, waited);
        WaitingBox box(window.get(), QStringLiteral("Pennywell"), QStringLiteral("Waiting"));
        int tries = 0;
        if (cancel) QTimer::singleShot(250, &box, [&box] { box.findChild<QPushButton*>()->click(); });
        QCOMPARE(box.waitUntil([&] { return ++tries >= readyAt; }), waited);
        if (cancel)
            QVERIFY(tries < readyAt);
        else
            QCOMPARE(tries, readyAt);
        QVERIFY(!box.isVisible());
    }

    // The file on disk can't be backed up; Save As backs nothing up.
    void aBookDamagedOnDiskPointsToSaveAs_data() {
        QTest::addColumn<QByteArray>("onDisk");
        QTest::addColumn<QString>("warning");
        QTest::newRow("truncated to nothing") << QByteArray() << warningOf(KestLib::ErrorCode::notDatabase);
        QTest::newRow("cut after the header") << QByteArray("PWDB\x01", 5) << warningOf(KestLib::ErrorCode::damaged);
    }
    void aBookDamagedOnDiskPointsToSaveAs() {
        QFETCH(QByteArray, onDisk);
        QFETCH(QString, warning);
        editTheBook();
        writeBytes(money, onDisk);
        action("saveAct")->trigger();
        QCOMPARE(prompts.warnings, QStringList({warning}));
        QCOMPARE(prompts.details,
                 QStringList({QDir::toNativeSeparators(money) +
                              QStringLiteral("\nNothing was saved; your changes are still open. The file on disk "
                                             "can't be read as a book, so Save can't keep it as the backup; Save As "
                                             "still works.")}));
        QCOMPARE(fileBytes(money), onDisk);
        QCOMPARE(status(), QStringLiteral("File Modified"));

        // The changes can still go somewhere else.
        const QString rescue = path(QStringLiteral("rescue.pwdb"));
        prompts.saveNames.push_back(rescue);
        action("saveAsAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(readBook(rescue).name(), std::string("Mine"));
        QCOMPARE(window->boundFileName(), rescue);
    }
};

QTEST_MAIN(TestSaveWait)
#include "test_savewait.moc"
