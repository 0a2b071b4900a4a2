#include <QAction>
#include <QApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <cstddef>
#include <iterator>

#include "tests/support/booksupport.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/windowfixture.h"
#include "ui/window/windowactions.h"

using namespace BookSupport;

// The menus' actions: which can be chosen when, their shortcuts, the
// right-click menu, and the window's icon.
class TestWindowMenus : public QObject, private WindowFixture {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Tests close the window on purpose; that must not end anything.
        QApplication::setQuitOnLastWindowClosed(false);
    }

    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Each action, without a book, with one, and after Close.
    void actionsFollowTheBook() {
        QCOMPARE(std::size(actionStates), static_cast<std::size_t>(WindowActions::Id::Count));
        const auto check = [&](bool open) {
            for (const ActionState& state : actionStates)
                QVERIFY2(action(state.name)->isEnabled() == (open ? state.withBook : state.withoutBook), state.name);
        };
        check(false);
        writeBook(path("book.pwdb"), "Book");
        window->openFile(path("book.pwdb"));
        check(true);
        action("closeAct")->trigger();
        check(false);
        startNewBook(QStringLiteral("New"));
        check(true);
    }

    void languageMenuWithoutLanguagesIsEmptyAndUsable() {
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

    void windowCarriesTheApplicationIcon() {
        QVERIFY(!window->windowIcon().isNull());
        QVERIFY(window->windowIcon().availableSizes().contains(QSize(64, 64)));
    }
};

QTEST_MAIN(TestWindowMenus)
#include "test_windowmenus.moc"
