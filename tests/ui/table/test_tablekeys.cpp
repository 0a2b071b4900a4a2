#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QUndoStack>
#include <vector>

#include "tests/support/booksupport.h"
#include "tests/support/windowfixture.h"
#include "ui/table/transactiontablemodel.h"

using namespace BookSupport;

// The table as the keyboard and the mouse reach it in the window.
class TestTableKeys : public QObject, private WindowFixture {
    Q_OBJECT

private:
    QTableView* table() const { return window->findChild<QTableView*>(QStringLiteral("table")); }
    QString cell(int row, int column) const { return table()->model()->index(row, column).data().toString().trimmed(); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    void keysMoveTheRowAndRunTheRowCommands_data() {
        QTest::addColumn<QString>("input");   // a key sequence, or a double-click
        QTest::addColumn<int>("from");        // the current row before
        QTest::addColumn<int>("to");          // and after
        QTest::addColumn<QString>("dialog");  // the dialog's title and the money shown, if one is run
        QTest::newRow("down") << "Down" << 0 << 1 << "";
        QTest::newRow("up") << "Up" << 2 << 1 << "";
        QTest::newRow("page down") << "PgDown" << 0 << 3 << "";
        QTest::newRow("page up") << "PgUp" << 3 << 0 << "";
        QTest::newRow("end") << "End" << 1 << 3 << "";
        QTest::newRow("home") << "Home" << 2 << 0 << "";
        QTest::newRow("enter") << "Enter" << 1 << 1 << "Modify this transaction 10";
        QTest::newRow("return") << "Return" << 2 << 2 << "Modify this transaction 100";
        QTest::newRow("double-click") << "double-click" << 0 << 2 << "Modify this transaction 100";
        QTest::newRow("delete") << "Del" << 1 << 1 << "Delete this transaction 10";
        QTest::newRow("ctrl+c creates") << "Ctrl+C" << 1 << 1 << "Create a transaction ";
    }
    void keysMoveTheRowAndRunTheRowCommands() {
        QFETCH(QString, input);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QString, dialog);
        writeBook(path("book.pwdb"), "Book");  // Money 9, 10, 100, 2 by index
        window->openFile(path("book.pwdb"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        // The table is where the keys go once the window is active.
        QCOMPARE(QApplication::focusWidget(), table());
        table()->setCurrentIndex(table()->model()->index(from, 0));
        QString shown;
        if (!dialog.isEmpty())
            prompts.dialogScripts.push_back([&](QDialog& run) {
                shown = run.windowTitle() + ' ' + run.findChild<QLineEdit*>(QStringLiteral("moneyLineEdit"))->text();
                return false;
            });

        if (input == "double-click") {
            const QPoint centre = table()->visualRect(table()->model()->index(to, 1)).center();
            QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
            QTest::mouseDClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        } else {
            const QKeyCombination key = QKeySequence(input)[0];
            QTest::keyClick(table(), key.key(), key.keyboardModifiers());
        }

        QCOMPARE(table()->currentIndex().row(), to);
        QVERIFY(table()->selectionModel()->isRowSelected(to, {}));
        QCOMPARE(shown, dialog);
    }

    // Shift+F10 opens the right-click menu at the current row; Ctrl+Y redoes
    // what Ctrl+Z took back, as Ctrl+Shift+Z does.
    void keysForTheMenuAndRedo_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("done");  // the menu's items, or the amount after the keys
        QTest::newRow("Shift+F10") << "Shift+F10"
                                   << "Delete this transaction, Modify this transaction";
        QTest::newRow("Ctrl+Y") << "Ctrl+Z, Ctrl+Y"
                                << "5";
        QTest::newRow("Ctrl+Shift+Z") << "Ctrl+Z, Ctrl+Shift+Z"
                                      << "5";
    }
    void keysForTheMenuAndRedo() {
        QFETCH(QString, keys);
        QFETCH(QString, done);
        writeBook(path("book.pwdb"), "Book");
        window->openFile(path("book.pwdb"));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        table()->setCurrentIndex(table()->model()->index(1, 0));
        prompts.dialogScripts.push_back([](QDialog& dialog) {
            auto* money = dialog.findChild<QLineEdit*>(QStringLiteral("moneyLineEdit"));
            money->setText(QStringLiteral("5"));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
            return dialog.result() == QDialog::Accepted;
        });
        QTest::keyClick(table(), Qt::Key_Return);
        QString shown;
        // The menu runs its own loop; it is read and closed from within.
        QTimer::singleShot(0, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* item : menu->actions()) shown += (shown.isEmpty() ? "" : ", ") + item->statusTip();
                menu->close();
            }
        });
        const QKeySequence sequence(keys);
        for (int k = 0; k < sequence.count(); ++k)
            QTest::keyClick(table(), sequence[k].key(), sequence[k].keyboardModifiers());
        QCOMPARE(shown.isEmpty() ? cell(1, TransactionTableModel::MoneyColumn) : shown, done);
    }

    // Sorted to the top of a table scrolled to the bottom: the new row is
    // followed through the sort and shown.
    void createdRowIsCurrentAndInView() {
        std::vector<Row> many(80, {2004, 1, 1, false, 1, "Food", "shop"});
        writeBook(path("book.pwdb"), "Book", many);
        window->openFile(path("book.pwdb"));
        QHeaderView* header = table()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(2, header->height() / 2));
        table()->scrollToBottom();

        prompts.dialogScripts.push_back([](QDialog& dialog) {
            choose(dialog.findChild<QComboBox*>(QStringLiteral("typeCombo")), 2);
            choose(dialog.findChild<QComboBox*>(QStringLiteral("inOutCombo")), 1);
            QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("moneyLineEdit")), QStringLiteral("50"));
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
            return dialog.result() == QDialog::Accepted;
        });
        action("transCreateAct")->trigger();

        const QModelIndex current = table()->currentIndex();
        QCOMPARE(current.row(), 0);
        QCOMPARE(cell(0, 0), QStringLiteral("81"));
        QVERIFY(table()->selectionModel()->isRowSelected(0, {}));
        QVERIFY(table()->viewport()->rect().contains(table()->visualRect(current)));
    }
};

QTEST_MAIN(TestTableKeys)
#include "test_tablekeys.moc"
