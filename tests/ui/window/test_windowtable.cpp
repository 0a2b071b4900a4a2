#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/accountdb.h"
#include "tests/support/booksupport.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/windowfixture.h"
#include "text/big5text.h"
#include "ui/table/transactiontablemodel.h"

using namespace BookSupport;

// The table in the window: sorting by its header, its widths, and the
// transaction commands from the menus, the shortcuts and the right-click menu.
class TestWindowTable : public QObject, private WindowFixture {
    Q_OBJECT

private:
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
    void initTestCase() {
        // Tests close the window on purpose; that must not end anything.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

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
        rows.back() = {12345,
                       10,
                       10,
                       false,
                       999999999,
                       "A much longer type name",
                       "Weekly shopping at the market " + toBig5(QStringLiteral("中文"))};
        writeBook(path("book.pwdb"), "Big", rows);
        window->openFile(path("book.pwdb"));

        QHeaderView* header = table()->horizontalHeader();
        header->setResizeContentsPrecision(-1);   // every row
        const QAbstractItemView* view = table();  // where the size hint is public
        for (int section = 0; section < 6; ++section) {
            const int needed = std::max(view->sizeHintForColumn(section), header->sectionSizeHint(section));
            const int given = header->sectionSize(section);
            const QByteArray detail =
                QByteArray::number(section) + ": " + QByteArray::number(given) + " for " + QByteArray::number(needed);
            QVERIFY2(given >= needed, detail.constData());
            // Fitted, not merely wide.
            QVERIFY2(given <= needed + needed / 50 + 3, detail.constData());
        }
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

    void transactionCommands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QStringList>("money");  // the Money column afterwards
        QTest::addColumn<QStringList>("index");  // and the Index column
        QTest::newRow("create") << "create" << QStringList({"100", "50", "10", "9", "2"})
                                << QStringList({"3", "5", "2", "1", "4"});
        QTest::newRow("delete") << "delete" << QStringList({"10", "9", "2"}) << QStringList({"2", "1", "4"});
        QTest::newRow("modify") << "modify" << QStringList({"1000", "100", "10", "2"})
                                << QStringList({"1", "3", "2", "4"});
        QTest::newRow("delete this") << "delete one" << QStringList({"100", "9", "2"}) << QStringList({"3", "1", "4"});
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

    // A book of format 2 in any language: its name, type names and comments
    // show exactly as stored in the title, the table and the dialog, and a
    // new type and comment are stored exactly, through a save and a reopen.
    void format2TextsShowAndStayAsStored_data() {
        QTest::addColumn<QString>("type");     // the book's type
        QTest::addColumn<QString>("newType");  // added in the dialog
        QTest::addColumn<QString>("comment");  // of the transaction created
        QTest::newRow("German") << QString::fromUtf8("Lebensmittel") << QString::fromUtf8("Gemüse & Obst")
                                << QString::fromUtf8("Müller Bäckerei – Brötchen, Straße");
        QTest::newRow("Japanese") << QString::fromUtf8("食費") << QString::fromUtf8("お祝い")
                                  << QString::fromUtf8("寿司ランチ、がっこう");
        QTest::newRow("Simplified Chinese")
            << QString::fromUtf8("饮食") << QString::fromUtf8("礼物") << QString::fromUtf8("晚饭与朋友");
        QTest::newRow("Cyrillic") << QString::fromUtf8("Еда") << QString::fromUtf8("Подарки")
                                  << QString::fromUtf8("Ёлка и торт");
        QTest::newRow("emoji") << QString::fromUtf8("Feier 🎈") << QString::fromUtf8("🎁")
                               << QString::fromUtf8("🎉 Geburtstag 🍰");
    }
    void format2TextsShowAndStayAsStored() {
        QFETCH(QString, type);
        QFETCH(QString, newType);
        QFETCH(QString, comment);
        const QString name = type + QStringLiteral(" ") + comment;
        const QString file = path(QStringLiteral("texts.pwdb"));
        {
            KestLib::AccountDB db =
                makeFormat2Book(name.toStdString(), {{2026, 3, 1, false, 5, type.toStdString(), "1"}});
            std::string written = pathBytes(file);
            db.saveFile(written);
        }
        window->openFile(file);
        QCOMPARE(window->windowTitle(), QStringLiteral("Pennywell - ") + name);
        QCOMPARE(column(4), QStringList({type}));

        QStringList offered;
        prompts.dialogScripts.push_back(pressOkAfter([&](QDialog& dialog) {
            auto* types = widget<QComboBox>(dialog, "typeCombo");
            for (int item = 1; item < types->count(); ++item) offered << types->itemText(item);
            types->lineEdit()->insert(newType);
            QTest::mouseClick(widget<QPushButton>(dialog, "addButton"), Qt::LeftButton);
            choose(widget<QComboBox>(dialog, "inOutCombo"), 1);
            setAmount(dialog, QStringLiteral("7"));
            widget<QLineEdit>(dialog, "commentLineEdit")->insert(comment);
        }));
        action("transCreateAct")->trigger();
        QCOMPARE(prompts.warnings, QStringList());
        QCOMPARE(offered, QStringList({QString(), type}));  // the nameless type, then the book's
        QCOMPARE(column(4), QStringList({type, newType}));
        QCOMPARE(column(5), QStringList({"1", comment}));
        // The history names the new type as it shows.
        action("undoAct")->trigger();
        QCOMPARE(action("undoAct")->text(), QStringLiteral("&Undo Add Type ") + QString(newType).replace("&", "&&"));
        action("redoAct")->trigger();

        action("saveAct")->trigger();
        QCOMPARE(status(), QStringLiteral("File Saved"));
        const KestLib::AccountDB saved = readBook(file);
        QCOMPARE(saved.format(), 2);
        QCOMPARE(saved.name(), name.toStdString());
        QCOMPARE(saved.transaction(1, false).comment(), comment.toStdString());
        QCOMPARE(saved.typeById(saved.transaction(1, false).type()).name(), newType.toStdString());
        window->openFile(file);
        QCOMPARE(column(5), QStringList({"1", comment}));
        QCOMPARE(column(4), QStringList({type, newType}));
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
};

QTEST_MAIN(TestWindowTable)
#include "test_windowtable.moc"
