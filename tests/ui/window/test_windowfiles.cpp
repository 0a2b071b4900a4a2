#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <string>

#include "core/accountdb.h"
#include "core/errormsg.h"
#include "tests/support/booksupport.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/windowfixture.h"
#include "text/big5text.h"
#include "ui/book/bookpath.h"
#include "ui/prompts/userprompts.h"
#include "ui/recent/recentbooks.h"
#include "ui/recent/recentbooksmenu.h"

using namespace BookSupport;

// New, Open, Close and closing the window with their questions, the title,
// the database name, dropped files, paths the system knows only as bytes,
// and the recent books.
class TestWindowFiles : public QObject, private WindowFixture {
    Q_OBJECT

private:
    enum Answer { Cancel, Discard, Save, SaveAsCancelled, SaveFails };

private slots:
    void initTestCase() {
        // Tests close the window on purpose; that must not end anything.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void startState() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell"));
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(rowCount(), 0);
    }

    void newDatabaseAfterOpen() {
        writeBook(path("book.pwdb"), "Book");
        window->openFile(path("book.pwdb"));
        QCOMPARE(prompts.asked, QStringList());

        startNewBook(QStringLiteral("Fresh"));
        QCOMPARE(prompts.asked, QStringList({"name: Book"}));  // preset with the current name
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Fresh"));
        QCOMPARE(status(), QStringLiteral("File Modified"));
        QCOMPARE(rowCount(), 0);
        QVERIFY(bookActionsEnabled(true));
        QCOMPARE(window->boundFileName(), QString());
        QCOMPARE(window->database().typeCount(), 1);

        // Its first Save asks for a path instead of writing the old file.
        const QByteArray oldBytes = fileBytes(path("book.pwdb"));
        prompts.saveNames.push_back(QString());
        action("saveAct")->trigger();
        QCOMPARE(prompts.asked.last(), QStringLiteral("save-as"));
        QCOMPARE(status(), QStringLiteral("File Modified"));
        QCOMPARE(fileBytes(path("book.pwdb")), oldBytes);

        // A cancelled name dialog changes nothing.
        prompts.saveChoices.push_back(UserPrompts::SaveChoice::Discard);
        prompts.nameAnswers.push_back({false, QStringLiteral("Ignored")});
        action("newAct")->trigger();
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Fresh"));
        QCOMPARE(status(), QStringLiteral("File Modified"));
    }

    // Whatever the find bar asked of the last book is not asked of the next.
    void newOpenAndCloseResetTheFindBar_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("rows");  // afterwards
        QTest::newRow("new") << "new" << 0;
        QTest::newRow("open") << "open" << 4;
        QTest::newRow("open a file") << "open a file" << 4;
        QTest::newRow("close") << "close" << 0;
    }
    void newOpenAndCloseResetTheFindBar() {
        QFETCH(QString, command);
        QFETCH(int, rows);
        writeBook(path("book.pwdb"), "Book");
        writeBook(path("other.pwdb"), "Other");
        window->openFile(path("book.pwdb"));
        action("findAct")->trigger();
        auto* text = window->findChild<QLineEdit*>(QStringLiteral("findText"));
        text->insert(QStringLiteral("pay"));
        choose(window->findChild<QComboBox*>(QStringLiteral("findInOut")), 1);
        QCOMPARE(rowCount(), 1);

        if (command == "new") {
            startNewBook(QStringLiteral("Next"));
        } else if (command == "open") {
            prompts.openNames.push_back(path("other.pwdb"));
            action("openAct")->trigger();
        } else if (command == "open a file") {
            window->openFile(path("other.pwdb"));
        } else {
            action("closeAct")->trigger();
        }

        QVERIFY(window->findChild<QWidget*>(QStringLiteral("filterBar"))->isHidden());
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("findStatusLabel"))->isHidden());
        QCOMPARE(rowCount(), rows);
        QCOMPARE(text->text(), QString());
        QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("findInOut"))->currentIndex(), 0);
    }

    void openValidFile() {
        writeBook(path("book.pwdb"), "Book");
        prompts.openNames.push_back(path("book.pwdb"));
        action("openAct")->trigger();
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Book"));
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QVERIFY(bookActionsEnabled(true));
        QCOMPARE(window->boundFileName(), path("book.pwdb"));
        QCOMPARE(column(0), QStringList({"1", "2", "3", "4"}));
        QCOMPARE(column(1).at(0), QStringLiteral("2004/ 3/ 7"));

        // A cancelled file dialog leaves the book as it is.
        prompts.openNames.push_back(QString());
        action("openAct")->trigger();
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Book"));
        QCOMPARE(rowCount(), 4);
    }

    void openFailureKeepsEverything_data() {
        QTest::addColumn<QByteArray>("content");  // empty: no file at all
        QTest::addColumn<QString>("warning");     // empty: any message
        QTest::newRow("missing") << QByteArray() << warningOf(KestLib::ErrorCode::fileOpen);
        QTest::newRow("foreign") << QByteArray("hello, world") << warningOf(KestLib::ErrorCode::notDatabase);
        QTest::newRow("newer version") << QByteArray("PWDB\x02", 5) << warningOf(KestLib::ErrorCode::wrongVersion);
        QTest::newRow("cut short") << QByteArray("PWDB\x01\x40\x84", 7) << QString();
    }
    void openFailureKeepsEverything() {
        QFETCH(QByteArray, content);
        QFETCH(QString, warning);
        const QString bad = path("bad.pwdb");
        if (!content.isEmpty()) writeBytes(bad, content);

        writeBook(path("book.pwdb"), "Book");
        window->openFile(path("book.pwdb"));
        rename(QStringLiteral("Renamed"));
        table()->selectRow(2);

        // The user lets the changes go, but the file can't be read: the
        // changes are still there.
        prompts.saveChoices.push_back(UserPrompts::SaveChoice::Discard);
        prompts.openNames.push_back(bad);
        action("openAct")->trigger();

        QCOMPARE(prompts.warnings.size(), 1);
        if (warning.isEmpty())
            QVERIFY(prompts.warnings.first().size() > QStringLiteral("Warning: ").size());
        else
            QCOMPARE(prompts.warnings.first(), warning);
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Renamed"));
        QCOMPARE(status(), QStringLiteral("File Modified"));
        QCOMPARE(window->boundFileName(), path("book.pwdb"));
        QCOMPARE(column(0), QStringList({"1", "2", "3", "4"}));
        QVERIFY(bookActionsEnabled(true));
        QVERIFY(window->isVisible());
    }

    void commandLineFileThatCannotBeOpened() {
        window->openFile(path("nowhere.pwdb"));
        QCOMPARE(prompts.warnings, QStringList({warningOf(KestLib::ErrorCode::fileOpen)}));
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell"));
        QVERIFY(bookActionsEnabled(false));
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QVERIFY(window->isVisible());
    }

    void unsavedChangesQuestion_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("answer");
        for (const char* command : {"new", "open", "close", "window close", "exit"}) {
            QTest::addRow("%s, cancel", command) << command << int(Cancel);
            QTest::addRow("%s, no", command) << command << int(Discard);
            QTest::addRow("%s, yes", command) << command << int(Save);
            QTest::addRow("%s, yes but save as cancelled", command) << command << int(SaveAsCancelled);
            QTest::addRow("%s, yes but the save fails", command) << command << int(SaveFails);
        }
    }
    void unsavedChangesQuestion() {
        QFETCH(QString, command);
        QFETCH(int, answer);
        writeBook(path("book.pwdb"), "Book");
        startNewBook(QStringLiteral("Unsaved"));
        prompts.asked.clear();

        const bool goesOn = answer == Discard || answer == Save;
        prompts.saveChoices.push_back(answer == Cancel    ? UserPrompts::SaveChoice::Cancel
                                      : answer == Discard ? UserPrompts::SaveChoice::Discard
                                                          : UserPrompts::SaveChoice::Save);
        if (answer == Save) prompts.saveNames.push_back(path("saved"));
        if (answer == SaveAsCancelled) prompts.saveNames.push_back(QString());
        if (answer == SaveFails) prompts.saveNames.push_back(path("no/such/folder/book"));
        if (goesOn && command == "new") prompts.nameAnswers.push_back({true, QStringLiteral("Second")});
        if (goesOn && command == "open") prompts.openNames.push_back(path("book.pwdb"));

        bool closed = false;
        if (command == "new") {
            action("newAct")->trigger();
        } else if (command == "open") {
            action("openAct")->trigger();
        } else if (command == "close") {
            action("closeAct")->trigger();
        } else if (command == "window close") {
            QCloseEvent event;
            QCoreApplication::sendEvent(window.get(), &event);
            closed = event.isAccepted();
        } else {
            action("exitAct")->trigger();
            closed = !window->isVisible();
        }

        QCOMPARE(prompts.asked.first(), QStringLiteral("save-changes"));
        QCOMPARE(prompts.lastCaption, QStringLiteral("Pennywell"));
        QCOMPARE(prompts.lastText,
                 QStringLiteral("The database has been modified.\nDo you want to save your changes?"));
        QCOMPARE(prompts.warnings.size(), answer == SaveFails ? 1 : 0);
        if (answer == SaveFails) QCOMPARE(prompts.warnings.first(), writeWarningOf(path("no/such/folder/book.pwdb")));
        if (answer == Save) QCOMPARE(readBook(path("saved.pwdb")).name(), std::string("Unsaved"));

        if (!goesOn) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Unsaved"));
            QCOMPARE(status(), QStringLiteral("File Modified"));
            QVERIFY(bookActionsEnabled(true));
            QVERIFY(!closed);
            QVERIFY(window->isVisible());
            return;
        }
        if (command == "new") {
            QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Second"));
            QCOMPARE(status(), QStringLiteral("File Modified"));
        } else if (command == "open") {
            QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Book"));
            QCOMPARE(status(), QStringLiteral("File Saved"));
            QCOMPARE(rowCount(), 4);
        } else if (command == "close") {
            QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell"));
            QCOMPARE(status(), QStringLiteral("File Saved"));
            QVERIFY(bookActionsEnabled(false));
        } else {
            QVERIFY(closed);
        }
    }

    void closeLeavesAnEmptyWindow() {
        writeBook(path("book.pwdb"), "Book");
        window->openFile(path("book.pwdb"));
        QCOMPARE(rowCount(), 4);
        action("closeAct")->trigger();
        QCOMPARE(rowCount(), 0);
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell"));
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(window->boundFileName(), QString());
        QVERIFY(bookActionsEnabled(false));
        QCOMPARE(window->database().transCount(), 0);
    }

    void dropOpensTheFirstFileOnly() {
        writeBook(path("first.pwdb"), "First");
        writeBook(path("second.pwdb"), "Second");
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile(path("first.pwdb")), QUrl::fromLocalFile(path("second.pwdb"))});

        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QCoreApplication::sendEvent(window.get(), &enter);
        QVERIFY(enter.isAccepted());

        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &drop);
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - First"));
        QCOMPARE(window->boundFileName(), path("first.pwdb"));
        QVERIFY(bookActionsEnabled(true));

        // A drop of something that is no local file does nothing.
        QMimeData web;
        web.setUrls({QUrl(QStringLiteral("https://example.org/other.pwdb"))});
        QDropEvent webDrop(QPointF(20, 20), Qt::CopyAction, &web, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window.get(), &webDrop);
        QCOMPARE(window->boundFileName(), path("first.pwdb"));

        QMimeData text;
        text.setText(QStringLiteral("plain text"));
        QDragEnterEvent textEnter(QPoint(20, 20), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        textEnter.ignore();
        QCoreApplication::sendEvent(window.get(), &textEnter);
        QVERIFY(!textEnter.isAccepted());
        QCOMPARE(prompts.asked, QStringList());
    }

    void pathInALegacyEncodingStaysBytes_data() {
        QTest::addColumn<bool>("dropped");
        QTest::newRow("command line") << false;
        QTest::newRow("drop") << true;
    }
    void pathInALegacyEncodingStaysBytes() {
        QFETCH(bool, dropped);
        // A Big5 name: not UTF-8, so any round trip through text loses it.
        const std::string file = pathBytes(folder->path()) + "/\xA4\xA4\xA4\xE5.pwdb";
        writeBookBytes(file, "Big5");
        if (dropped) {
            QMimeData files;
            files.setUrls({QUrl::fromEncoded("file://" + QByteArray::fromStdString(file).toPercentEncoding("/"))});
            QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window.get(), &enter);
            QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &files, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(window.get(), &drop);
        } else {
            window->openFile(BookPath::fromArgument(file.c_str()));
        }
        QCOMPARE(prompts.warnings, QStringList());
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Big5"));
        QCOMPARE(window->boundPath().bytes(), file);

        // Saved back to the same file, backup beside it, nothing under a mangled name.
        rename(QStringLiteral("Saved"));
        action("saveAct")->trigger();
        KestLib::AccountDB saved;
        saved.loadFile(file);
        QCOMPARE(saved.name(), std::string("Saved"));
        saved.loadFile(file + ".bak.pwdb");
        QCOMPARE(saved.name(), std::string("Big5"));
        const auto entries = std::filesystem::directory_iterator(pathBytes(folder->path()));
        QCOMPARE(std::distance(begin(entries), end(entries)), 2);
    }

    void setTheDatabaseName() {
        writeBook(path("book.pwdb"), "Book");
        window->openFile(path("book.pwdb"));

        // The same name still counts as a change.
        rename(QStringLiteral("Book"));
        QCOMPARE(prompts.asked, QStringList({"name: Book"}));
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Book"));
        QCOMPARE(status(), QStringLiteral("File Modified"));

        const QString chinese = QStringLiteral("中文帳本");
        rename(chinese);
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - ") + chinese);
        QCOMPARE(window->database().name(), toBig5(chinese));
        QCOMPARE(prompts.asked.last(), QStringLiteral("name: Book"));

        prompts.nameAnswers.push_back({false, QStringLiteral("Ignored")});
        action("dbNameAct")->trigger();
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - ") + chinese);
        QCOMPARE(window->database().name(), toBig5(chinese));

        // A stored Big5 name comes back as the same text.
        action("saveAct")->trigger();
        action("closeAct")->trigger();
        window->openFile(path("book.pwdb"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - ") + chinese);

        rename(QString());
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - "));
        QCOMPARE(window->database().name(), std::string());

        rename(QString(255, u'a'));
        QCOMPARE(window->database().name(), std::string(255, 'a'));
        QCOMPARE(prompts.warnings, QStringList());
    }

    void namesBig5CannotHoldAreRefused_data() {
        QTest::addColumn<QString>("name");
        // Only what neither format holds: an emoji takes a book to format 2.
        QTest::newRow("emoji, 101 characters") << QStringLiteral("Wallet \U0001F4B0") + QString(93, u'a');
        QTest::newRow("256 bytes") << QString(256, u'a');
        QTest::newRow("128 Big5 characters") << QString(128, QChar(0x4E2D));
        QTest::newRow("zero character") << QStringLiteral("a") + QChar(u'\0') + QStringLiteral("b");
    }
    void namesBig5CannotHoldAreRefused() {
        QFETCH(QString, name);
        // New: nothing is created.
        startNewBook(name);
        QCOMPARE(prompts.warnings.size(), 1);
        QVERIFY(prompts.warnings.first().startsWith(QStringLiteral("Warning: ")));
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell"));
        QVERIFY(bookActionsEnabled(false));
        QCOMPARE(status(), QStringLiteral("File Saved"));

        // Set the Database Name: the old name stays, and nothing counts as changed.
        writeBook(path("book.pwdb"), "Book");
        window->openFile(path("book.pwdb"));
        rename(name);
        QCOMPARE(prompts.warnings.size(), 2);
        QCOMPARE(window->database().name(), std::string("Book"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Book"));
        QCOMPARE(status(), QStringLiteral("File Saved"));
    }

    // ---- Recent books ----
    void recentBooksFollowOpenAndSave() {
        // The list lives in this test's own settings folder (see the CMake list).
        RecentBooks stored;
        stored.clear();
        QVERIFY(QDir(folder->path()).mkdir(QStringLiteral("sub")));
        writeBook(path("a.pwdb"), "A");
        writeBook(path("sub/b.pwdb"), "B");
        writeBytes(path("bad.pwdb"), "not a book");

        // With no recent book the file dialog starts where it always did.
        prompts.openNames.push_back(path("a.pwdb"));
        action("openAct")->trigger();
        QCOMPARE(prompts.lastFolder, QString());
        QCOMPARE(stored.books(), QStringList({path("a.pwdb")}));

        prompts.openNames.push_back(path("sub/b.pwdb"));
        action("openAct")->trigger();
        QCOMPARE(prompts.lastFolder, QDir::cleanPath(folder->path()));

        // A book that can't be read is no recent book.
        window->openFile(path("bad.pwdb"));
        QCOMPARE(prompts.warnings.size(), 1);

        // Save As: the dialog starts beside the last book, and the book
        // goes in under the name really written.
        startNewBook(QStringLiteral("C"));
        prompts.saveNames.push_back(path("c"));
        action("saveAsAct")->trigger();
        QCOMPARE(prompts.lastFolder, QDir::cleanPath(path("sub")));
        QCOMPARE(stored.books(), QStringList({path("c.pwdb"), path("sub/b.pwdb"), path("a.pwdb")}));

        // File > Recent Books, right after Open; a book gone since is dropped when shown.
        auto* menu = window->findChild<RecentBooksMenu*>(QStringLiteral("recentBooksMenu"));
        QVERIFY(menu);
        const QList<QAction*> fileEntries = window->menuBar()->actions().at(0)->menu()->actions();
        QCOMPARE(fileEntries.indexOf(menu->menuAction()), fileEntries.indexOf(action("openAct")) + 1);
        QVERIFY(QFile::remove(path("sub/b.pwdb")));
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), 4);  // two books, separator, Clear
        QCOMPARE(menu->actions().at(1)->text(), "&2 " + QDir::toNativeSeparators(path("a.pwdb")));

        // Choosing one opens it like any other open, question included.
        rename(QStringLiteral("C2"));
        prompts.saveChoices.push_back(UserPrompts::SaveChoice::Discard);
        menu->actions().at(1)->trigger();
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - A"));
        QCOMPARE(stored.books(), QStringList({path("a.pwdb"), path("c.pwdb")}));
        stored.clear();
    }
};

QTEST_MAIN(TestWindowFiles)
#include "test_windowfiles.moc"
