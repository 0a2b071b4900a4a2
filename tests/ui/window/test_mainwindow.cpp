#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "core/accountdb.h"
#include "text/big5text.h"
#include "ui/book/bookpath.h"
#include "tests/support/booksupport.h"
#include "core/errormsg.h"
#include "ui/window/mainwindow.h"
#include "ui/recent/recentbooks.h"
#include "ui/recent/recentbooksmenu.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/windowfixture.h"
#include "ui/table/transactiontablemodel.h"
#include "ui/prompts/userprompts.h"
#include "ui/window/windowactions.h"

using namespace BookSupport;

namespace {

// The actions' own table says which wait for an open book.
QList<const char*> actionsEnabled(WindowActions::Enabled when) {
    QList<const char*> names;
    for (const WindowActions::Entry& entry : WindowActions::table())
        if (entry.enabled == when) names << entry.objectName;
    return names;
}

enum Answer { Cancel, Discard, Save, SaveAsCancelled, SaveFails };

}  // namespace

class TestMainWindow : public QObject, private WindowFixture {
    Q_OBJECT

private:
    QTableView* table() const { return window->findChild<QTableView*>(QStringLiteral("table")); }
    int rowCount() const { return table()->model()->rowCount(); }
    QStringList column(int column) const {
        QStringList texts;
        const QAbstractItemModel* model = table()->model();
        for (int row = 0; row < model->rowCount(); ++row) texts << model->index(row, column).data().toString();
        return texts;
    }
    bool dbActionsEnabled(bool enabled) const {
        for (const char* name : actionsEnabled(WindowActions::Enabled::WithBook))
            if (action(name)->isEnabled() != enabled) return false;
        return true;
    }
    void clickHeader(int section) {
        QHeaderView* header = table()->horizontalHeader();
        const QPoint centre(header->sectionViewportPosition(section) + header->sectionSize(section) / 2,
                            header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    }
    void rename(const QString& name) {
        prompts.nameAnswers.push_back({true, name});
        action("dbNameAct")->trigger();
    }
    void startNewBook(const QString& name) {
        prompts.nameAnswers.push_back({true, name});
        action("newAct")->trigger();
    }

private slots:
    void initTestCase() {
        // Tests close the window on purpose; that must not end anything.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { openWindow(); }

    void cleanup() {
        window.reset();
        // The toolkit can't name files whose names aren't UTF-8, so it can't remove them.
        std::filesystem::remove_all(pathBytes(folder->path()));
        QVERIFY2(prompts.unscripted.isEmpty(), qPrintable("unexpected questions: " + prompts.unscripted.join(", ")));
        QVERIFY2(prompts.allAnswersUsed(), "a scripted answer was never asked for");
    }

    void startState() {
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell"));
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(rowCount(), 0);
        QVERIFY(dbActionsEnabled(false));
        for (const char* name : actionsEnabled(WindowActions::Enabled::Always)) QVERIFY2(action(name)->isEnabled(), name);

        // No languages folder: the menu is there, empty and usable.
        QAction* languages = window->menuBar()->actions().at(4);
        QCOMPARE(languages->text(), QStringLiteral("&Language"));
        QVERIFY(languages->menu()->actions().isEmpty() && languages->isEnabled());
    }

    void ctrlCCreatesATransaction() {
        QCOMPARE(action("transCreateAct")->shortcut(), QKeySequence(QStringLiteral("Ctrl+C")));
        startNewBook(QStringLiteral("Shortcuts"));
        QSignalSpy created(action("transCreateAct"), &QAction::triggered);
        prompts.dialogScripts.push_back([](QDialog&) { return false; });
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(created.count(), 1);
    }

    void contextMenuHoldsDeleteAndModify() {
        std::unique_ptr<QMenu> menu(window->createContextMenu());
        QCOMPARE(menu->actions(), QList<QAction*>({action("transDeleteOneAct"), action("transModifyOneAct")}));
        QCOMPARE(menu->actions().at(0)->text(), QStringLiteral("&Delete"));
        QCOMPARE(menu->actions().at(1)->text(), QStringLiteral("&Modify"));
        QVERIFY(!menu->actions().at(0)->isEnabled() && !menu->actions().at(1)->isEnabled());

        startNewBook(QStringLiteral("Menu"));
        QVERIFY(menu->actions().at(0)->isEnabled() && menu->actions().at(1)->isEnabled());
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
        QVERIFY(dbActionsEnabled(true));
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
        QVERIFY(dbActionsEnabled(true));
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
        QTest::addColumn<QString>("message");     // empty: any message
        QTest::newRow("missing") << QByteArray() << QString::fromLatin1(KestLib::Msg::fileOpen);
        QTest::newRow("foreign") << QByteArray("hello, world") << QString::fromLatin1(KestLib::Msg::notDatabase);
        QTest::newRow("newer version") << QByteArray("PWDB\x02", 5)
                                       << QString::fromLatin1(KestLib::Msg::wrongVersion);
        QTest::newRow("cut short") << QByteArray("PWDB\x01\x40\x84", 7) << QString();
    }
    void openFailureKeepsEverything() {
        QFETCH(QByteArray, content);
        QFETCH(QString, message);
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
        if (message.isEmpty())
            QVERIFY(prompts.warnings.first().size() > QStringLiteral("Warning: ").size());
        else
            QCOMPARE(prompts.warnings.first(), QStringLiteral("Warning: ") + message);
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Renamed"));
        QCOMPARE(status(), QStringLiteral("File Modified"));
        QCOMPARE(window->boundFileName(), path("book.pwdb"));
        QCOMPARE(column(0), QStringList({"1", "2", "3", "4"}));
        QVERIFY(dbActionsEnabled(true));
        QVERIFY(window->isVisible());
    }

    void commandLineFileThatCannotBeOpened() {
        window->openFile(path("nowhere.pwdb"));
        QCOMPARE(prompts.warnings, QStringList({QStringLiteral("Warning: ") + KestLib::Msg::fileOpen}));
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell"));
        QVERIFY(dbActionsEnabled(false));
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QVERIFY(window->isVisible());
    }

    void saveWritesTheBackupFromTheOldFile() {
        const QString money = path("money.pwdb");
        const QString backup = path("money.pwdb.bak.pwdb");
        writeBook(money, "Old");
        window->openFile(money);
        rename(QStringLiteral("New"));
        action("saveAct")->trigger();

        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(readBook(backup).name(), std::string("Old"));
        QCOMPARE(readBook(backup).transCount(), 4);
        QCOMPARE(readBook(money).name(), std::string("New"));
        QCOMPARE(readBook(money).transCount(), 4);
        QCOMPARE(window->boundFileName(), money);

        // Each Save replaces the backup with the last saved contents.
        rename(QStringLiteral("Newer"));
        action("saveAct")->trigger();
        QCOMPARE(readBook(backup).name(), std::string("New"));
        QCOMPARE(readBook(money).name(), std::string("Newer"));
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

    void saveWhenTheBoundFileVanished() {
        const QString money = path("money.pwdb");
        writeBook(money, "Book");
        window->openFile(money);
        rename(QStringLiteral("Kept"));
        QVERIFY(QFile::remove(money));

        action("saveAct")->trigger();
        QCOMPARE(prompts.warnings, QStringList());
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(readBook(money).name(), std::string("Kept"));
        QVERIFY(!QFile::exists(path("money.pwdb.bak.pwdb")));
    }

    void saveWhenTheBoundFileIsDamaged() {
        const QString money = path("money.pwdb");
        writeBook(money, "Book");
        window->openFile(money);
        rename(QStringLiteral("Unsaved"));
        writeBytes(money, "garbage");

        action("saveAct")->trigger();
        QCOMPARE(prompts.warnings.size(), 1);
        QCOMPARE(status(), QStringLiteral("File Modified"));
        QCOMPARE(fileBytes(money), QByteArray("garbage"));
        QVERIFY(!QFile::exists(path("money.pwdb.bak.pwdb")));

        // The changes can still go somewhere else.
        prompts.saveNames.push_back(path("rescue.pwdb"));
        action("saveAsAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(readBook(path("rescue.pwdb")).name(), std::string("Unsaved"));
        QCOMPARE(window->boundFileName(), path("rescue.pwdb"));
    }

    void saveOfAFileOpenedWithoutTheExtension() {
        // The core writes "plain" as plain.pwdb; the next backup must come
        // from that file, not from the stale "plain".
        writeBook(path("plain.pwdb"), "First");
        QVERIFY(QFile::rename(path("plain.pwdb"), path("plain")));
        window->openFile(path("plain"));
        rename(QStringLiteral("Second"));
        action("saveAct")->trigger();
        QCOMPARE(window->boundFileName(), path("plain.pwdb"));
        QCOMPARE(readBook(path("plain.pwdb")).name(), std::string("Second"));
        QCOMPARE(readBook(path("plain.bak.pwdb")).name(), std::string("First"));

        rename(QStringLiteral("Third"));
        action("saveAct")->trigger();
        QCOMPARE(readBook(path("plain.pwdb.bak.pwdb")).name(), std::string("Second"));
        QCOMPARE(readBook(path("plain.pwdb")).name(), std::string("Third"));
    }

    void saveOverAnotherBookAsks_data() {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("no extension, yes") << "plain" << true;
        QTest::newRow("no extension, no") << "plain" << false;
        QTest::newRow("upper-case extension, yes") << "x.PWDB" << true;
        QTest::newRow("upper-case extension, no") << "x.PWDB" << false;
    }
    void saveOverAnotherBookAsks() {
        // The book is opened as `opened` but written as `opened`.pwdb, where
        // another book lives.
        QFETCH(QString, opened);
        QFETCH(bool, overwrite);
        const QString written = path(opened + ".pwdb");
        writeBook(written, "Other");
        writeBook(path("mine.pwdb"), "Mine");
        QVERIFY(QFile::rename(path("mine.pwdb"), path(opened)));
        const QByteArray openedBefore = fileBytes(path(opened));
        const QByteArray otherBefore = fileBytes(written);
        window->openFile(path(opened));
        rename(QStringLiteral("Changed"));

        prompts.overwriteAnswers.push_back(overwrite);
        action("saveAct")->trigger();
        QCOMPARE(prompts.asked.last(), QStringLiteral("overwrite: File %1 already exists.\nDo you want to override it?")
                                           .arg(QDir::toNativeSeparators(written)));
        QCOMPARE(fileBytes(path(opened)), openedBefore);
        if (overwrite) {
            // The book replaced is the one kept.
            QCOMPARE(readBook(written).name(), std::string("Changed"));
            QCOMPARE(readBook(written + ".bak.pwdb").name(), std::string("Other"));
            QVERIFY(!QFile::exists(path(opened + ".bak.pwdb")));
            QCOMPARE(window->boundFileName(), written);
            QCOMPARE(status(), QStringLiteral("File Saved"));
        } else {
            QCOMPARE(fileBytes(written), otherBefore);
            QCOMPARE(QDir(folder->path()).entryList(QDir::Files).size(), 2);
            QCOMPARE(window->boundFileName(), path(opened));
            QCOMPARE(status(), QStringLiteral("File Modified"));
        }
    }

    void saveOfAFileAnotherProgramChanged_data() {
        QTest::addColumn<bool>("inPlace");
        QTest::addColumn<bool>("replace");
        // A command-line import saves by a rename; an editor may write the
        // same file over, same size, within the same second.
        QTest::newRow("replaced by a rename, yes") << false << true;
        QTest::newRow("rewritten in place, no") << true << false;
    }
    void saveOfAFileAnotherProgramChanged() {
        QFETCH(bool, inPlace);
        QFETCH(bool, replace);
        const QString money = path("money.pwdb");
        const QString backup = path("money.pwdb.bak.pwdb");
        writeBook(money, "Book");
        window->openFile(money);
        rename(QStringLiteral("Mine"));
        if (inPlace) {
            writeBook(path("them.pwdb"), "Them");  // as long as "Book"
            QTest::qWait(30);                        // past the clock's tick
            writeBytes(money, fileBytes(path("them.pwdb")));
            QVERIFY(QFile::remove(path("them.pwdb")));
        } else {
            writeBook(money, "Them");
        }
        const QByteArray theirs = fileBytes(money);
        // Named by the time the other version was written.
        const QString kept = path("money.pwdb.replaced-") +
                             QFileInfo(money).lastModified().toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss")) +
                             QStringLiteral(".pwdb");

        prompts.overwriteAnswers.push_back(replace);
        action("saveAct")->trigger();
        QCOMPARE(prompts.asked, QStringList({QStringLiteral("name: Book"),
                                             QStringLiteral("overwrite: %1 was changed by another program since it "
                                                            "was opened. Replace it? The other version will be kept "
                                                            "as %2.")
                                                 .arg(QDir::toNativeSeparators(money), QDir::toNativeSeparators(kept))}));
        if (replace) {
            QCOMPARE(readBook(money).name(), std::string("Mine"));
            QCOMPARE(fileBytes(backup), theirs);
            QCOMPARE(fileBytes(kept), theirs);
            QCOMPARE(window->statusBar()->currentMessage(),
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

    void saveAsOverwriteQuestion_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("overwrite");
        QTest::newRow("completed name, yes") << "x" << true;
        QTest::newRow("completed name, no") << "x" << false;
        QTest::newRow("exact name, yes") << "x.pwdb" << true;
        QTest::newRow("exact name, no") << "x.pwdb" << false;
    }
    void saveAsOverwriteQuestion() {
        QFETCH(QString, chosen);
        QFETCH(bool, overwrite);
        const QString existing = path("x.pwdb");
        writeBook(existing, "Existing");
        const QByteArray before = fileBytes(existing);
        startNewBook(QStringLiteral("Mine"));

        prompts.saveNames.push_back(path(chosen));
        prompts.overwriteAnswers.push_back(overwrite);
        action("saveAsAct")->trigger();

        QCOMPARE(prompts.asked.last(), QStringLiteral("overwrite: File %1 already exists.\nDo you want to override it?")
                                           .arg(QDir::toNativeSeparators(existing)));
        QCOMPARE(prompts.lastCaption, QStringLiteral("Pennywell"));
        QVERIFY(!QFile::exists(path("x")));
        if (overwrite) {
            QCOMPARE(readBook(existing).name(), std::string("Mine"));
            QCOMPARE(window->boundFileName(), existing);
            QCOMPARE(status(), QStringLiteral("File Saved"));
        } else {
            QCOMPARE(fileBytes(existing), before);
            QCOMPARE(window->boundFileName(), QString());
            QCOMPARE(status(), QStringLiteral("File Modified"));
        }
    }

    void saveAsToANewPath() {
        // A file of the chosen name is not the one written, so nothing asks
        // about it and it stays as it is.
        writeBytes(path("fresh"), "my notes");
        startNewBook(QStringLiteral("Mine"));
        prompts.saveNames.push_back(path("fresh"));
        action("saveAsAct")->trigger();
        QCOMPARE(prompts.asked, QStringList({"name: ", "save-as"}));
        QCOMPARE(fileBytes(path("fresh")), QByteArray("my notes"));
        QCOMPARE(window->boundFileName(), path("fresh.pwdb"));
        QCOMPARE(readBook(path("fresh.pwdb")).name(), std::string("Mine"));
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Mine"));
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
        QCOMPARE(prompts.lastText, QStringLiteral("The database has been modified.\nDo you want to save your changes?"));
        QCOMPARE(prompts.warnings.size(), answer == SaveFails ? 1 : 0);
        if (answer == SaveFails)
            QCOMPARE(prompts.warnings.first(), QStringLiteral("Warning: ") + KestLib::Msg::fileOpen);
        if (answer == Save) QCOMPARE(readBook(path("saved.pwdb")).name(), std::string("Unsaved"));

        if (!goesOn) {
            QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - Unsaved"));
            QCOMPARE(status(), QStringLiteral("File Modified"));
            QVERIFY(dbActionsEnabled(true));
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
            QVERIFY(dbActionsEnabled(false));
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
        QVERIFY(dbActionsEnabled(false));
        QCOMPARE(window->database().transCount(), 0);
    }

    void sortingThroughTheHeader() {
        writeBook(path("book.pwdb"), "Book");
        window->openFile(path("book.pwdb"));
        QCOMPARE(column(0), QStringList({"1", "2", "3", "4"}));

        clickHeader(0);  // the start is Index ascending, so this turns it round
        QCOMPARE(column(0), QStringList({"4", "3", "2", "1"}));
        clickHeader(0);
        QCOMPARE(column(0), QStringList({"1", "2", "3", "4"}));
        clickHeader(0);
        clickHeader(3);  // a new column keeps the direction: descending
        QCOMPARE(column(3), QStringList({"100", "10", "9", "2"}));
        clickHeader(3);  // numerically, not as text
        QCOMPARE(column(3), QStringList({"2", "9", "10", "100"}));
        clickHeader(1);  // by the padded text
        QCOMPARE(column(1), QStringList({"2004/ 3/ 7", "2004/ 3/20", "2004/10/ 1", "2004/11/15"}));

        // The sort survives a reload and an open.
        window->refreshTable();
        QCOMPARE(column(0), QStringList({"1", "4", "2", "3"}));
        action("closeAct")->trigger();
        window->openFile(path("book.pwdb"));
        QCOMPARE(column(0), QStringList({"1", "4", "2", "3"}));
    }

    void cancelledOpenRefreshesTheTable() {
        // Equal amounts, so the order among them shows whether the rows were
        // taken afresh from the database.
        writeBook(path("book.pwdb"), "Book",
                  {{2004, 1, 1, true, 5, "A", "a"}, {2004, 1, 2, true, 5, "A", "b"}, {2004, 1, 3, true, 7, "A", "c"}});
        window->openFile(path("book.pwdb"));
        clickHeader(0);  // Index descending
        clickHeader(3);  // Money, still descending: the equal amounts keep their order
        QCOMPARE(column(0), QStringList({"3", "2", "1"}));

        prompts.openNames.push_back(QString());
        action("openAct")->trigger();
        // Database order, then Money descending again.
        QCOMPARE(column(0), QStringList({"3", "1", "2"}));
    }

    void everyCellShowsWholeInABigBook() {
        // The widest cell of every column comes last, far past the rows a
        // view measures on its own.
        std::vector<Row> rows(1500, {2004, 1, 1, true, 1, "T", "a"});
        rows.back() = {12345, 10, 10, false, 999999999, "A much longer type name",
                       "Weekly shopping at the market " + toBig5(QStringLiteral("中文"))};
        writeBook(path("book.pwdb"), "Big", rows);
        window->openFile(path("book.pwdb"));

        QHeaderView* header = table()->horizontalHeader();
        header->setResizeContentsPrecision(-1);  // every row
        const QAbstractItemView* view = table();  // where the size hint is public
        for (int section = 0; section < 6; ++section) {
            const int needed = std::max(view->sizeHintForColumn(section), header->sectionSizeHint(section));
            const int given = header->sectionSize(section);
            const QByteArray detail = QByteArray::number(section) + ": " + QByteArray::number(given) + " for " +
                                      QByteArray::number(needed);
            QVERIFY2(given >= needed, detail.constData());
            // Fitted, not merely wide.
            QVERIFY2(given <= needed + needed / 50 + 3, detail.constData());
        }
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
        QVERIFY(dbActionsEnabled(true));

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
        QTest::newRow("emoji") << QStringLiteral("Wallet \U0001F4B0");
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
        QVERIFY(dbActionsEnabled(false));
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

    void widthFitsTheColumnsAndTheScreen() {
        // More rows than the window shows: the vertical scroll bar must not
        // push the last column out of sight.
        std::vector<Row> many;
        for (int day = 1; day <= 28; ++day) {
            many.push_back({2004, 2, day, false, day * 1000, "Groceries", "Weekly shop at the market"});
            many.push_back({2004, 3, day, true, day, "Salary", "pay"});
        }
        writeBook(path("book.pwdb"), "Book", many);
        window->openFile(path("book.pwdb"));
        QCoreApplication::processEvents();
        QCOMPARE(window->minimumWidth(), window->maximumWidth());
        QVERIFY(table()->verticalScrollBar()->isVisible());
        QVERIFY(table()->viewport()->width() >= table()->horizontalHeader()->length());

        std::string longComment(255, 'W');
        writeBook(path("wide.pwdb"), "Wide", {{2004, 1, 1, true, 5, "Food", longComment.c_str()}});
        window->openFile(path("wide.pwdb"));
        QVERIFY(table()->horizontalHeader()->length() > window->screen()->availableGeometry().width());
        QCOMPARE(window->maximumWidth(), window->screen()->availableGeometry().width());
    }

    // ---- Transaction commands ------------------------------------------------

private:
    template <typename T>
    static T* widget(QDialog& dialog, const char* name) {
        T* found = dialog.findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no widget %s", name);
        return found;
    }
    // The dialog filled in by fill, then OK pressed; the script answers
    // whether the dialog really was accepted.
    static ScriptedPrompts::DialogScript pressOkAfter(std::function<void(QDialog&)> fill) {
        return [fill](QDialog& dialog) {
            fill(dialog);
            QTest::mouseClick(widget<QPushButton>(dialog, "okButton"), Qt::LeftButton);
            return dialog.result() == QDialog::Accepted;
        };
    }
    static void setAmount(QDialog& dialog, const QString& amount) {
        auto* money = widget<QLineEdit>(dialog, "moneyLineEdit");
        money->clear();
        QTest::keyClicks(money, amount);
    }
    // A right-click on a row makes it the current one, as the popup expects.
    void rightClickRow(int row) {
        const QRect cell = table()->visualRect(table()->model()->index(row, 0));
        QTest::mouseClick(table()->viewport(), Qt::RightButton, Qt::NoModifier, cell.center());
    }
    void pressShortcut(Qt::Key key) {
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), key, Qt::ControlModifier);
    }
    // The book of standardRows, its table sorted by Money descending.
    void openSortedByMoney() {
        writeBook(path("book.pwdb"), "Book");
        window->openFile(path("book.pwdb"));
        clickHeader(3);
        clickHeader(3);
        QCOMPARE(column(3), QStringList({"100", "10", "9", "2"}));
    }

private slots:
    void transactionCommands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("money");  // the Money column afterwards
        QTest::addColumn<QStringList>("index");  // and the Index column
        QTest::newRow("create") << "create" << QStringList({"100", "50", "10", "9", "2"})
                                << QStringList({"3", "5", "2", "1", "4"});
        QTest::newRow("delete") << "delete" << QStringList({"10", "9", "2"}) << QStringList({"2", "1", "4"});
        QTest::newRow("modify") << "modify" << QStringList({"1000", "100", "10", "2"})
                                << QStringList({"1", "3", "2", "4"});
        QTest::newRow("delete this") << "delete one" << QStringList({"100", "9", "2"})
                                     << QStringList({"3", "1", "4"});
        QTest::newRow("modify this") << "modify one" << QStringList({"100", "9", "5", "2"})
                                     << QStringList({"3", "1", "2", "4"});
    }
    void transactionCommands() {
        QFETCH(QString, command);
        QFETCH(QStringList, money);
        QFETCH(QStringList, index);
        openSortedByMoney();
        QCOMPARE(status(), QStringLiteral("File Saved"));

        if (command == "create") {
            prompts.dialogScripts.push_back(pressOkAfter([&](QDialog& dialog) {
                choose(widget<QComboBox>(dialog, "typeCombo"), 2);
                choose(widget<QComboBox>(dialog, "inOutCombo"), 1);
                setAmount(dialog, QStringLiteral("50"));
                widget<QLineEdit>(dialog, "commentLineEdit")->insert(QStringLiteral("午餐"));
            }));
            pressShortcut(Qt::Key_C);
        } else if (command == "delete") {
            prompts.dialogScripts.push_back(pressOkAfter([&](QDialog& dialog) {
                choose(widget<QComboBox>(dialog, "indexCombo"), 3);  // index 3, Money 100
            }));
            pressShortcut(Qt::Key_D);
        } else if (command == "modify") {
            prompts.dialogScripts.push_back(pressOkAfter([&](QDialog& dialog) {
                choose(widget<QComboBox>(dialog, "indexCombo"), 1);  // index 1, Money 9
                setAmount(dialog, QStringLiteral("1000"));
            }));
            pressShortcut(Qt::Key_M);
        } else {
            // The row of index 2, Money 10, as the dialog must show it.
            rightClickRow(1);
            QString shown;
            prompts.dialogScripts.push_back(pressOkAfter([&](QDialog& dialog) {
                shown = widget<QLineEdit>(dialog, "moneyLineEdit")->text() + ' ' +
                        widget<QLineEdit>(dialog, "commentLineEdit")->text();
                if (command == "modify one") setAmount(dialog, QStringLiteral("5"));
            }));
            std::unique_ptr<QMenu> menu(window->createContextMenu());
            menu->actions().at(command == "delete one" ? 0 : 1)->trigger();
            QCOMPARE(shown, QStringLiteral("10 pay"));
        }

        QCOMPARE(prompts.asked, QStringList({"dialog: TransactionDialog"}));
        QCOMPARE(prompts.warnings, QStringList());
        QCOMPARE(column(3), money);
        QCOMPARE(column(0), index);
        QCOMPARE(status(), QStringLiteral("File Modified"));
        if (command == "create") {
            const KestLib::Transaction& added = window->database().transaction(5, true);
            QCOMPARE(added.comment(), toBig5(QStringLiteral("午餐")));
            QCOMPARE(added.type(), window->database().findType("Food").id());
            QCOMPARE(column(1).at(1), TransactionTableModel::dateText(added.year(), added.month(), added.day()));
        }
    }

    void cancelledCommandsChangeNoTransaction_data() {
        QTest::addColumn<QString>("command");
        for (const char* command : {"create", "delete", "modify", "delete one", "modify one"})
            QTest::newRow(command) << command;
    }
    void cancelledCommandsChangeNoTransaction() {
        QFETCH(QString, command);
        openSortedByMoney();
        rightClickRow(0);
        // A type added before Cancel stays, and the status says so.
        prompts.dialogScripts.push_back([](QDialog& dialog) {
            auto* types = widget<QComboBox>(dialog, "typeCombo");
            choose(types, 0);
            types->lineEdit()->insert(QStringLiteral("Rent"));
            QTest::mouseClick(widget<QPushButton>(dialog, "addButton"), Qt::LeftButton);
            QTest::mouseClick(widget<QPushButton>(dialog, "cancelButton"), Qt::LeftButton);
            return dialog.result() == QDialog::Accepted;
        });
        const std::map<QString, const char*> actions = {{"create", "transCreateAct"},
                                                        {"delete", "transDeleteAct"},
                                                        {"modify", "transModifyAct"},
                                                        {"delete one", "transDeleteOneAct"},
                                                        {"modify one", "transModifyOneAct"}};
        action(actions.at(command))->trigger();

        QCOMPARE(prompts.asked, QStringList({"dialog: TransactionDialog"}));
        QCOMPARE(column(3), QStringList({"100", "10", "9", "2"}));
        QCOMPARE(window->database().transCount(), 4);
        QCOMPARE(window->database().transaction(3, true).amount(), 100);
        // Only where the type box is open at the start can a type be added.
        const bool added = command == "create" || command == "modify one";
        QCOMPARE(window->database().typeCount(), added ? 4 : 3);
        QCOMPARE(status(), added ? QStringLiteral("File Modified") : QStringLiteral("File Saved"));
    }

    void popupCommandsWithoutACurrentRowDoNothing() {
        openSortedByMoney();
        QVERIFY(!table()->currentIndex().isValid());
        std::unique_ptr<QMenu> menu(window->createContextMenu());
        for (QAction* item : menu->actions()) {
            QVERIFY(item->isEnabled());
            item->trigger();
        }
        QCOMPARE(prompts.asked, QStringList());
        QCOMPARE(window->database().transCount(), 4);
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

    void windowCarriesTheApplicationIcon() {
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(64, 64)));
    }
};

QTEST_MAIN(TestMainWindow)
#include "test_mainwindow.moc"
