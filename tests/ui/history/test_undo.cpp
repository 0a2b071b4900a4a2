// Edit > Undo and Redo: every kind of change to a book taken back and made
// again, the file written afterwards, the table, the items' texts and the
// clean state that the status label shows.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUndoStack>
#include <functional>
#include <memory>

#include "core/accountdb.h"
#include "core/databaseformat.h"
#include "tests/support/booksupport.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/windowfixture.h"
#include "ui/window/mainwindow.h"

using namespace BookSupport;

class TestUndo : public QObject, private WindowFixture {
    Q_OBJECT

private:
    // The item's text as the menu shows it.
    QString shown(const char* name) const { return action(name)->text().remove(u'&'); }
    // Every cell of the table, row by row in the order shown.
    QStringList cells() const {
        const QAbstractItemModel* model = window->findChild<QTableView*>(QStringLiteral("table"))->model();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList line;
            for (int column = 0; column < model->columnCount(); ++column)
                line << model->index(row, column).data().toString();
            texts << line.join(u'|');
        }
        return texts;
    }
    std::string bookBytes() const { return KestLib::encodeDatabase(window->database()); }
    QByteArray savedAs(const QString& name) {
        prompts.saveNames.push_back(path(name));
        action("saveAsAct")->trigger();
        return fileBytes(path(name));
    }

    static void setAmount(QDialog& dialog, const QString& amount) {
        auto* money = widget<QLineEdit>(dialog, "moneyLineEdit");
        money->clear();
        QTest::keyClicks(money, amount);
    }
    // One dialog, filled in by fill; OK or Cancel ends it as fill chose.
    void scriptDialog(std::function<void(QDialog&)> fill) {
        prompts.dialogScripts.push_back([fill](QDialog& dialog) {
            fill(dialog);
            return dialog.result() == QDialog::Accepted;
        });
    }

    // The standard book with a type no transaction uses, opened and sorted
    // by Money, descending, so rows are placed by the sort, not the book.
    void openBook() {
        KestLib::AccountDB book = makeBook("Book", standardRows, {"Food", "Salary", "Spare"});
        std::string target = pathBytes(path("book.pwdb"));
        book.saveFile(target);
        window->openFile(path("book.pwdb"));
        QHeaderView* header = window->findChild<QTableView*>(QStringLiteral("table"))->horizontalHeader();
        emit header->sectionClicked(3);
        emit header->sectionClicked(3);
        QCOMPARE(status(), QStringLiteral("File Saved"));
    }

    // Makes one change of the kind named, as a person would.
    void change(const QString& kind) {
        if (kind == "create") {
            scriptDialog([](QDialog& dialog) {
                choose(widget<QComboBox>(dialog, "typeCombo"), 2);
                choose(widget<QComboBox>(dialog, "inOutCombo"), 1);
                setAmount(dialog, QStringLiteral("50"));
                widget<QLineEdit>(dialog, "commentLineEdit")->insert(QStringLiteral("a comment longer than inline"));
                click(dialog, "okButton");
            });
            action("transCreateAct")->trigger();
        } else if (kind == "modify") {
            scriptDialog([](QDialog& dialog) {
                choose(widget<QComboBox>(dialog, "indexCombo"), 1);
                setAmount(dialog, QStringLiteral("1000"));
                choose(widget<QComboBox>(dialog, "typeCombo"), 3);
                click(dialog, "okButton");
            });
            action("transModifyAct")->trigger();
        } else if (kind.startsWith("delete transaction")) {
            const int item = kind.endsWith("last") ? 4 : 2;
            scriptDialog([item](QDialog& dialog) {
                choose(widget<QComboBox>(dialog, "indexCombo"), item);
                click(dialog, "okButton");
            });
            action("transDeleteAct")->trigger();
        } else if (kind == "add type") {
            // The type stays though the dialog is cancelled.
            scriptDialog([](QDialog& dialog) {
                auto* types = widget<QComboBox>(dialog, "typeCombo");
                choose(types, 0);
                types->lineEdit()->insert(QStringLiteral("Rent"));
                click(dialog, "addButton");
                click(dialog, "cancelButton");
            });
            action("transCreateAct")->trigger();
        } else if (kind == "delete type") {
            scriptDialog([](QDialog& dialog) {
                choose(widget<QComboBox>(dialog, "typeCombo"), 4);  // Spare
                click(dialog, "deleteButton");
                click(dialog, "cancelButton");
            });
            action("transCreateAct")->trigger();
        } else if (kind == "rename") {
            prompts.nameAnswers.push_back({true, QStringLiteral("Renamed")});
            action("dbNameAct")->trigger();
        } else if (kind == "import") {
            QFile csv(path("in.csv"));
            QVERIFY(csv.open(QIODevice::WriteOnly));
            csv.write(
                "date,direction,amount,type,comment\n"
                "2005-01-02,income,5,Imported,first imported row\n"
                "2005-01-03,outgoing,6,Food,second\n");
            csv.close();
            prompts.dataFiles.push_back({path("in.csv"), 0});
            action("importCsvAct")->trigger();
        }
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() { openWindow(); }

    void cleanup() {
        closeWindow();
        QCOMPARE(prompts.warnings, QStringList());
    }

    void undoAndRedoEachChange_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::newRow("create") << "create"
                                << "Create Transaction 5";
        QTest::newRow("modify") << "modify"
                                << "Modify Transaction 1";
        QTest::newRow("delete a middle transaction") << "delete transaction middle"
                                                     << "Delete Transaction 2";
        QTest::newRow("delete the last transaction") << "delete transaction last"
                                                     << "Delete Transaction 4";
        QTest::newRow("add type") << "add type"
                                  << "Add Type Rent";
        QTest::newRow("delete type") << "delete type"
                                     << "Delete Type Spare";
        QTest::newRow("rename") << "rename"
                                << "Set the Database Name";
        QTest::newRow("import") << "import"
                                << "Import CSV";
    }
    void undoAndRedoEachChange() {
        QFETCH(QString, kind);
        QFETCH(QString, text);
        openBook();
        const QByteArray saved = fileBytes(path("book.pwdb"));
        const QStringList rowsBefore = cells();
        const QString titleBefore = window->windowTitle();
        QVERIFY(!action("undoAct")->isEnabled());

        change(kind);
        const std::string changed = bookBytes();
        const QStringList rowsChanged = cells();
        const QString titleChanged = window->windowTitle();
        QVERIFY(changed != saved.toStdString());
        QCOMPARE(status(), QStringLiteral("File Modified"));
        QCOMPARE(shown("undoAct"), "Undo " + text);
        QVERIFY(action("undoAct")->isEnabled() && !action("redoAct")->isEnabled());

        action("undoAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(cells(), rowsBefore);
        QCOMPARE(window->windowTitle(), titleBefore);
        QCOMPARE(shown("redoAct"), "Redo " + text);
        QCOMPARE(shown("undoAct"), QStringLiteral("Undo"));
        // The file written now is the file the book came from.
        QCOMPARE(savedAs(QStringLiteral("undone.pwdb")), saved);

        action("redoAct")->trigger();
        QCOMPARE(bookBytes(), changed);
        QCOMPARE(cells(), rowsChanged);
        QCOMPARE(window->windowTitle().contains("Renamed"), titleChanged.contains("Renamed"));
        QCOMPARE(status(), QStringLiteral("File Modified"));
        QCOMPARE(shown("undoAct"), "Undo " + text);

        // Back to the state saved as undone.pwdb.
        action("undoAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Saved"));
        QCOMPARE(QByteArray::fromStdString(bookBytes()), saved);
    }

    // Changes one after another come back in the reverse order, each to the
    // exact book it followed; Save marks the state the status calls saved.
    void aSequenceUndoesToEachStateAndSaveMovesTheCleanState() {
        openBook();
        const QStringList kinds = {"add type", "create", "delete transaction middle", "modify", "delete type",
                                   "import",   "rename"};
        std::vector<std::string> states{bookBytes()};
        for (const QString& kind : kinds) {
            change(kind);
            states.push_back(bookBytes());
        }
        QCOMPARE(window->history()->count(), kinds.size());
        // The first step by its shortcut.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(bookBytes(), states[states.size() - 2]);
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(bookBytes(), states.back());
        for (auto state = states.rbegin() + 1; state != states.rend(); ++state) {
            action("undoAct")->trigger();
            QCOMPARE(bookBytes(), *state);
        }
        QCOMPARE(status(), QStringLiteral("File Saved"));
        for (int step = 0; step < 3; ++step) action("redoAct")->trigger();
        QCOMPARE(bookBytes(), states[3]);

        savedAs(QStringLiteral("middle.pwdb"));
        QCOMPARE(status(), QStringLiteral("File Saved"));
        action("undoAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Modified"));
        action("redoAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Saved"));
        action("redoAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Modified"));
        // A new change after an undo drops what could be redone.
        action("undoAct")->trigger();
        action("undoAct")->trigger();
        change("rename");
        QVERIFY(!action("redoAct")->isEnabled());
        QCOMPARE(status(), QStringLiteral("File Modified"));
    }

    // New, Open and Close each start with an empty history; a new book
    // undone to its start is still unsaved.
    void newOpenAndCloseEmptyTheHistory() {
        openBook();
        change("rename");
        prompts.saveChoices.push_back(UserPrompts::SaveChoice::Discard);
        prompts.nameAnswers.push_back({true, QStringLiteral("Fresh")});
        action("newAct")->trigger();
        QVERIFY(!action("undoAct")->isEnabled() && !action("redoAct")->isEnabled());
        QCOMPARE(status(), QStringLiteral("File Modified"));
        change("add type");
        action("undoAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Modified"));
        // An empty history after a new book: closing it leaves nothing unsaved.
        action("redoAct")->trigger();
        prompts.saveChoices.push_back(UserPrompts::SaveChoice::Discard);
        action("closeAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Saved"));
        prompts.nameAnswers.push_back({true, QStringLiteral("Fresh")});
        action("newAct")->trigger();
        prompts.saveChoices.push_back(UserPrompts::SaveChoice::Discard);
        action("closeAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Saved"));

        window->openFile(path("book.pwdb"));
        change("rename");
        prompts.saveChoices.push_back(UserPrompts::SaveChoice::Discard);
        window->openFile(path("book.pwdb"));
        QCOMPARE(window->history()->count(), 0);
        QCOMPARE(status(), QStringLiteral("File Saved"));

        change("rename");
        prompts.saveChoices.push_back(UserPrompts::SaveChoice::Discard);
        action("closeAct")->trigger();
        QCOMPARE(window->history()->count(), 0);
        QVERIFY(!action("undoAct")->isEnabled());
        QCOMPARE(status(), QStringLiteral("File Saved"));
    }

    // An undo the core refuses (here: the book was changed behind the
    // history's back) warns, keeps the book as it is and drops the history,
    // which no longer leads back; the table still shows the book.
    void aRefusedUndoWarnsAndDropsTheHistory() {
        openBook();
        change("delete transaction last");    // index 4, of type Salary
        change("delete transaction middle");  // index 2, Salary too
        auto& book = const_cast<KestLib::AccountDB&>(window->database());
        book.deleteType(book.findType("Salary"));
        const std::string kept = bookBytes();

        action("undoAct")->trigger();
        QCOMPARE(prompts.warnings, QStringList({"Warning: Array out of bound"}));
        prompts.warnings.clear();
        QCOMPARE(bookBytes(), kept);
        QCOMPARE(window->history()->count(), 0);
        QVERIFY(!action("undoAct")->isEnabled() && !action("redoAct")->isEnabled());
        QCOMPARE(status(), QStringLiteral("File Modified"));
        QCOMPARE(cells().size(), window->database().transCount());
    }
};

QTEST_MAIN(TestUndo)
#include "test_undo.moc"
