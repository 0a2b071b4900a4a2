#include "ui/window/windowactions.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QWidget>
#include <cstring>

namespace {

using Entry = WindowActions::Entry;
using Menu = WindowActions::Menu;
using Enabled = WindowActions::Enabled;
using Receiver = WindowActions::Receiver;
constexpr Receiver window = Receiver::Window;

constexpr Entry entries[] = {
    {"newAct", QT_TRANSLATE_NOOP("MainWindow", "&New"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+N"),
     QT_TRANSLATE_NOOP("MainWindow", "Create a new database"), "newDB", window, Enabled::Always, Menu::File, false},
    {"openAct", QT_TRANSLATE_NOOP("MainWindow", "&Open"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+O"),
     QT_TRANSLATE_NOOP("MainWindow", "Open an exist database"), "openDB", window, Enabled::Always, Menu::File, false},
    {"saveAct", QT_TRANSLATE_NOOP("MainWindow", "&Save"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+S"),
     QT_TRANSLATE_NOOP("MainWindow", "Save the current database"), "saveDB", window, Enabled::Always, Menu::File,
     false},
    {"saveAsAct", QT_TRANSLATE_NOOP("MainWindow", "Save &As"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Save the current database as ..."), "saveAsDB", window, Enabled::Always,
     Menu::File, false},
    {"closeAct", QT_TRANSLATE_NOOP("MainWindow", "&Close"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Close the current database"), "closeDB", window, Enabled::Always, Menu::File,
     false},
    {"importCsvAct", QT_TRANSLATE_NOOP("MainWindow", "&Import CSV…"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Add the transactions of a CSV file to the database"), "importCsv", window,
     Enabled::WithBook, Menu::File, true},
    {"importStatementAct", QT_TRANSLATE_NOOP("MainWindow", "Import S&tatement…"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Add a bank's statement (CSV, OFX or QIF) to the database, previewed first"),
     "importStatement", window, Enabled::WithBook, Menu::File, false},
    {"exportCsvAct", QT_TRANSLATE_NOOP("MainWindow", "&Export CSV…"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Write the transactions to a CSV file"), "exportCsv", window,
     Enabled::WithBook, Menu::File, false},
    // Exit is the window's close, so it asks about unsaved changes too.
    {"exitAct", QT_TRANSLATE_NOOP("MainWindow", "E&xit"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+Q"),
     QT_TRANSLATE_NOOP("MainWindow", "Exit the application"), "close", window, Enabled::Always, Menu::File, true},

    // Undo and Redo name the step they take; the window sets those texts.
    {"undoAct", QT_TRANSLATE_NOOP("MainWindow", "&Undo"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+Z"),
     QT_TRANSLATE_NOOP("MainWindow", "Take back the last change to the database"), "undoChange", window,
     Enabled::ByHistory, Menu::Edit, false},
    {"redoAct", QT_TRANSLATE_NOOP("MainWindow", "&Redo"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+Shift+Z"),
     QT_TRANSLATE_NOOP("MainWindow", "Make the change taken back again"), "redoChange", window, Enabled::ByHistory,
     Menu::Edit, false},
    {"findAct", QT_TRANSLATE_NOOP("MainWindow", "&Find"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+F"),
     QT_TRANSLATE_NOOP("MainWindow", "Show only the transactions that match"), "findTransactions", window,
     Enabled::WithBook, Menu::Edit, true},

    {"transCreateAct", QT_TRANSLATE_NOOP("MainWindow", "&Create"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+C"),
     QT_TRANSLATE_NOOP("MainWindow", "Create a transaction"), "transCreate", window, Enabled::WithBook,
     Menu::Transaction, false},
    {"transDeleteAct", QT_TRANSLATE_NOOP("MainWindow", "&Delete"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+D"),
     QT_TRANSLATE_NOOP("MainWindow", "Delete a transaction"), "transDelete", window, Enabled::WithBook,
     Menu::Transaction, false},
    {"transModifyAct", QT_TRANSLATE_NOOP("MainWindow", "&Modify"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+M"),
     QT_TRANSLATE_NOOP("MainWindow", "Modify a transaction"), "transModify", window, Enabled::WithBook,
     Menu::Transaction, false},
    {"transDeleteOneAct", QT_TRANSLATE_NOOP("MainWindow", "&Delete"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Delete this transaction"), "transDeleteOne", window, Enabled::WithBook,
     Menu::Context, false},
    {"transModifyOneAct", QT_TRANSLATE_NOOP("MainWindow", "&Modify"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Modify this transaction"), "transModifyOne", window, Enabled::WithBook,
     Menu::Context, false},

    {"dbNameAct", QT_TRANSLATE_NOOP("MainWindow", "&Set the Database Name"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Set or modify the database name"), "dbDBName", window, Enabled::WithBook,
     Menu::Database, false},
    {"grandTotalAct", QT_TRANSLATE_NOOP("MainWindow", "&Grand Total"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+G"),
     QT_TRANSLATE_NOOP("MainWindow", "Calculate grand total"), "dbGrandTotal", window, Enabled::WithBook,
     Menu::Statistic, false},
    {"budgetAct", QT_TRANSLATE_NOOP("MainWindow", "&Budget Analasis"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+B"),
     QT_TRANSLATE_NOOP("MainWindow", "Analyze your budget plan"), "dbBudget", window, Enabled::WithBook,
     Menu::Statistic, false},
    {"percentageAct", QT_TRANSLATE_NOOP("MainWindow", "&Percentage Analysis"),
     QT_TRANSLATE_NOOP("MainWindow", "Ctrl+P"),
     QT_TRANSLATE_NOOP("MainWindow", "Analyze the percentage of each Income/Outgoing type"), "dbPercentage", window,
     Enabled::WithBook, Menu::Statistic, false},
    {"chartsAct", QT_TRANSLATE_NOOP("MainWindow", "C&harts"), "",
     QT_TRANSLATE_NOOP("MainWindow",
                       "Show the shares of the chosen types and each month's income and outgoing as charts"),
     "dbCharts", window, Enabled::WithBook, Menu::Statistic, false},

    {"aboutAct", QT_TRANSLATE_NOOP("MainWindow", "&About"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Show the application's About box"), "about", window, Enabled::Always,
     Menu::Help, false},
    {"aboutQtAct", QT_TRANSLATE_NOOP("MainWindow", "About &Qt"), "",
     QT_TRANSLATE_NOOP("MainWindow", "Show the Qt library's About box"), "aboutQt", Receiver::Application,
     Enabled::Always, Menu::Help, false},
};

// In the order of Menu. Statistic is a submenu of Database, after its
// actions; the context menu has no title and no place in the bar.
constexpr WindowActions::MenuEntry menuEntries[] = {
    {Menu::File, QT_TRANSLATE_NOOP("MainWindow", "&File")},
    {Menu::Edit, QT_TRANSLATE_NOOP("MainWindow", "&Edit")},
    {Menu::Transaction, QT_TRANSLATE_NOOP("MainWindow", "&Transaction")},
    {Menu::Database, QT_TRANSLATE_NOOP("MainWindow", "&Database")},
    {Menu::Statistic, QT_TRANSLATE_NOOP("MainWindow", "&Statistic")},
    {Menu::Language, QT_TRANSLATE_NOOP("MainWindow", "&Language")},
    {Menu::Help, QT_TRANSLATE_NOOP("MainWindow", "&Help")},
    {Menu::Context, ""},
};

QString translated(const char* source) {
    return *source ? QCoreApplication::translate("MainWindow", source) : QString();
}

// A slot named in the table that the receiver lacks is a mistake of the
// table, found at the first start rather than by a dead menu item.
void connectSlot(QAction* action, QObject* receiver, const char* slot) {
    const QMetaObject* meta = receiver->metaObject();
    for (int k = 0; k < meta->methodCount(); ++k) {
        const QMetaMethod method = meta->method(k);
        if (method.methodType() == QMetaMethod::Slot && method.parameterCount() == 0 &&
            method.name() == QByteArray(slot)) {
            QObject::connect(action, &QAction::triggered, receiver,
                             [receiver, method] { method.invoke(receiver, Qt::DirectConnection); });
            return;
        }
    }
    qFatal("WindowActions: no slot %s", slot);
}

}  // namespace

std::span<const WindowActions::Entry> WindowActions::table() { return entries; }

std::span<const WindowActions::MenuEntry> WindowActions::menus() { return menuEntries; }

WindowActions::WindowActions(QWidget* window, QMenuBar* bar, QMenu* languageMenu) : QObject(window) {
    for (const MenuEntry& entry : menuEntries)
        menuList.append(entry.menu == Menu::Language ? languageMenu : new QMenu(window));
    for (const Entry& entry : entries) {
        auto* action = new QAction(window);
        action->setObjectName(QString::fromLatin1(entry.objectName));
        // Before any book is open; the history's actions wait for a step.
        action->setEnabled(entry.enabled == Enabled::Always);
        connectSlot(action, entry.receiver == Receiver::Application ? static_cast<QObject*>(qApp) : window,
                    entry.slot);
        QMenu* shownIn = menu(entry.menu);
        if (entry.separatorBefore) shownIn->addSeparator();
        shownIn->addAction(action);
        actions.append(action);
    }
    menu(Menu::Database)->addMenu(menu(Menu::Statistic));
    for (Menu shown : {Menu::File, Menu::Edit, Menu::Transaction, Menu::Database, Menu::Language, Menu::Help})
        bar->addMenu(menu(shown));
}

QAction* WindowActions::action(const char* objectName) const {
    for (qsizetype k = 0; k < actions.size(); ++k)
        if (std::strcmp(entries[k].objectName, objectName) == 0) return actions[k];
    return nullptr;
}

QMenu* WindowActions::menu(Menu which) const { return menuList.at(static_cast<qsizetype>(which)); }

QList<QAction*> WindowActions::actionsOf(Menu which) const {
    QList<QAction*> found;
    for (qsizetype k = 0; k < actions.size(); ++k)
        if (entries[k].menu == which) found.append(actions[k]);
    return found;
}

void WindowActions::enableBookActions(bool open) {
    for (qsizetype k = 0; k < actions.size(); ++k)
        if (entries[k].enabled == Enabled::WithBook) actions[k]->setEnabled(open);
}

void WindowActions::retranslate() {
    for (qsizetype k = 0; k < actions.size(); ++k) {
        actions[k]->setText(translated(entries[k].text));
        actions[k]->setShortcut(QKeySequence(translated(entries[k].shortcut)));
        actions[k]->setStatusTip(translated(entries[k].statusTip));
    }
    for (const MenuEntry& entry : menuEntries)
        if (*entry.title) menu(entry.menu)->setTitle(translated(entry.title));
}
