#include "ui/window/windowactions.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>
#include <iterator>
#include <type_traits>
#include <variant>

#include "ui/book/book.h"
#include "ui/csv/csvcommands.h"
#include "ui/find/filterbar.h"
#include "ui/statements/statementcommands.h"
#include "ui/window/mainwindow.h"

namespace {

using Entry = WindowActions::Entry;
using Menu = WindowActions::Menu;
using Enabled = WindowActions::Enabled;
using Id = WindowActions::Id;

// action(Id) finds an action by its place in the table.
constexpr bool inIdOrder(std::span<const Entry> entries) {
    for (std::size_t k = 0; k < entries.size(); ++k)
        if (entries[k].id != static_cast<Id>(k)) return false;
    return true;
}

}  // namespace

// A member of the class, so that it may name the window's private slots.
std::span<const WindowActions::Entry> WindowActions::table() {
    static constexpr Entry entries[] = {
        {Id::New, "newAct", QT_TRANSLATE_NOOP("MainWindow", "&New"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+N"),
         QT_TRANSLATE_NOOP("MainWindow", "Create a new database"), &MainWindow::newDB, Enabled::Always, Menu::File,
         false},
        {Id::Open, "openAct", QT_TRANSLATE_NOOP("MainWindow", "&Open"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+O"),
         QT_TRANSLATE_NOOP("MainWindow", "Open an exist database"), &MainWindow::openDB, Enabled::Always, Menu::File,
         false},
        {Id::Save, "saveAct", QT_TRANSLATE_NOOP("MainWindow", "&Save"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+S"),
         QT_TRANSLATE_NOOP("MainWindow", "Save the current database"), &MainWindow::saveDB, Enabled::Always, Menu::File,
         false},
        {Id::SaveAs, "saveAsAct", QT_TRANSLATE_NOOP("MainWindow", "Save &As"), "",
         QT_TRANSLATE_NOOP("MainWindow", "Save the current database as ..."), &MainWindow::saveAsDB, Enabled::Always,
         Menu::File, false},
        {Id::Close, "closeAct", QT_TRANSLATE_NOOP("MainWindow", "&Close"), "",
         QT_TRANSLATE_NOOP("MainWindow", "Close the current database"), &MainWindow::closeDB, Enabled::Always,
         Menu::File, false},
        {Id::ImportCsv, "importCsvAct", QT_TRANSLATE_NOOP("MainWindow", "&Import CSV…"), "",
         QT_TRANSLATE_NOOP("MainWindow", "Add the transactions of a CSV file to the database"),
         &CsvCommands::importFile, Enabled::WithBook, Menu::File, true},
        {Id::ImportStatement, "importStatementAct", QT_TRANSLATE_NOOP("MainWindow", "Import S&tatement…"), "",
         QT_TRANSLATE_NOOP("MainWindow", "Add a bank's statement (CSV, OFX or QIF) to the database, previewed first"),
         &StatementCommands::importFile, Enabled::WithBook, Menu::File, false},
        {Id::ExportCsv, "exportCsvAct", QT_TRANSLATE_NOOP("MainWindow", "&Export CSV…"), "",
         QT_TRANSLATE_NOOP("MainWindow", "Write the transactions to a CSV file"), &CsvCommands::exportFile,
         Enabled::WithBook, Menu::File, false},
        // Exit is the window's close, so it asks about unsaved changes too.
        {Id::Exit, "exitAct", QT_TRANSLATE_NOOP("MainWindow", "E&xit"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+Q"),
         QT_TRANSLATE_NOOP("MainWindow", "Exit the application"), &QWidget::close, Enabled::Always, Menu::File, true},

        // Undo and Redo name the step they take; the window sets those texts.
        {Id::Undo, "undoAct", QT_TRANSLATE_NOOP("MainWindow", "&Undo"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+Z"),
         QT_TRANSLATE_NOOP("MainWindow", "Take back the last change to the database"), &Book::undo, Enabled::ByHistory,
         Menu::Edit, false},
        {Id::Redo, "redoAct", QT_TRANSLATE_NOOP("MainWindow", "&Redo"),
         QT_TRANSLATE_NOOP("MainWindow", "Ctrl+Shift+Z; Ctrl+Y"),
         QT_TRANSLATE_NOOP("MainWindow", "Make the change taken back again"), &Book::redo, Enabled::ByHistory,
         Menu::Edit, false},
        {Id::Find, "findAct", QT_TRANSLATE_NOOP("MainWindow", "&Find"), QT_TRANSLATE_NOOP("MainWindow", "Ctrl+F"),
         QT_TRANSLATE_NOOP("MainWindow", "Show only the transactions that match"), &FilterBar::open, Enabled::WithBook,
         Menu::Edit, true},

        {Id::TransCreate, "transCreateAct", QT_TRANSLATE_NOOP("MainWindow", "&Create"),
         QT_TRANSLATE_NOOP("MainWindow", "Ctrl+C"), QT_TRANSLATE_NOOP("MainWindow", "Create a transaction"),
         &MainWindow::transCreate, Enabled::WithBook, Menu::Transaction, false},
        {Id::TransDelete, "transDeleteAct", QT_TRANSLATE_NOOP("MainWindow", "&Delete"),
         QT_TRANSLATE_NOOP("MainWindow", "Ctrl+D"), QT_TRANSLATE_NOOP("MainWindow", "Delete a transaction"),
         &MainWindow::transDelete, Enabled::WithBook, Menu::Transaction, false},
        {Id::TransModify, "transModifyAct", QT_TRANSLATE_NOOP("MainWindow", "&Modify"),
         QT_TRANSLATE_NOOP("MainWindow", "Ctrl+M"), QT_TRANSLATE_NOOP("MainWindow", "Modify a transaction"),
         &MainWindow::transModify, Enabled::WithBook, Menu::Transaction, false},
        {Id::TransDeleteOne, "transDeleteOneAct", QT_TRANSLATE_NOOP("MainWindow", "&Delete"), "",
         QT_TRANSLATE_NOOP("MainWindow", "Delete this transaction"), &MainWindow::transDeleteOne, Enabled::WithBook,
         Menu::Context, false},
        {Id::TransModifyOne, "transModifyOneAct", QT_TRANSLATE_NOOP("MainWindow", "&Modify"), "",
         QT_TRANSLATE_NOOP("MainWindow", "Modify this transaction"), &MainWindow::transModifyOne, Enabled::WithBook,
         Menu::Context, false},

        {Id::DbName, "dbNameAct", QT_TRANSLATE_NOOP("MainWindow", "&Set the Database Name"), "",
         QT_TRANSLATE_NOOP("MainWindow", "Set or modify the database name"), &MainWindow::dbDBName, Enabled::WithBook,
         Menu::Database, false},
        {Id::BookSettings, "bookSettingsAct", QT_TRANSLATE_NOOP("MainWindow", "&Book Settings…"), "",
         QT_TRANSLATE_NOOP("MainWindow", "Set the book's format, decimals and name"), &MainWindow::bookSettings,
         Enabled::WithBook, Menu::Database, false},
        {Id::GrandTotal, "grandTotalAct", QT_TRANSLATE_NOOP("MainWindow", "&Grand Total"),
         QT_TRANSLATE_NOOP("MainWindow", "Ctrl+G"), QT_TRANSLATE_NOOP("MainWindow", "Calculate grand total"),
         &MainWindow::dbGrandTotal, Enabled::WithBook, Menu::Statistic, false},
        {Id::Budget, "budgetAct", QT_TRANSLATE_NOOP("MainWindow", "&Budget Analasis"),
         QT_TRANSLATE_NOOP("MainWindow", "Ctrl+B"), QT_TRANSLATE_NOOP("MainWindow", "Analyze your budget plan"),
         &MainWindow::dbBudget, Enabled::WithBook, Menu::Statistic, false},
        {Id::Percentage, "percentageAct", QT_TRANSLATE_NOOP("MainWindow", "&Percentage Analysis"),
         QT_TRANSLATE_NOOP("MainWindow", "Ctrl+P"),
         QT_TRANSLATE_NOOP("MainWindow", "Analyze the percentage of each Income/Outgoing type"),
         &MainWindow::dbPercentage, Enabled::WithBook, Menu::Statistic, false},
        {Id::Charts, "chartsAct", QT_TRANSLATE_NOOP("MainWindow", "C&harts"), "",
         QT_TRANSLATE_NOOP("MainWindow",
                           "Show the shares of the chosen types and each month's income and outgoing as charts"),
         &MainWindow::dbCharts, Enabled::WithBook, Menu::Statistic, false},

        {Id::About, "aboutAct", QT_TRANSLATE_NOOP("MainWindow", "&About"), "",
         QT_TRANSLATE_NOOP("MainWindow", "Show the application's About box"), &MainWindow::about, Enabled::Always,
         Menu::Help, false},
        {Id::AboutQt, "aboutQtAct", QT_TRANSLATE_NOOP("MainWindow", "About &Qt"), "",
         QT_TRANSLATE_NOOP("MainWindow", "Show the Qt library's About box"), &QApplication::aboutQt, Enabled::Always,
         Menu::Help, false},
    };
    static_assert(std::size(entries) == static_cast<std::size_t>(Id::Count));
    static_assert(inIdOrder(entries), "the table lists the actions in the order of Id");
    return entries;
}

namespace {

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

// Who runs a member of Class: the window (its own slots and QWidget's
// close), the book, the find bar or an import's commands.
template <typename Class>
Class& receiverOf(const WindowActions::Receivers& to) {
    if constexpr (std::is_base_of_v<Class, MainWindow>)
        return to.window;
    else if constexpr (std::is_same_v<Class, Book>)
        return to.book;
    else if constexpr (std::is_same_v<Class, FilterBar>)
        return to.filterBar;
    else if constexpr (std::is_same_v<Class, CsvCommands>)
        return to.csv;
    else
        return to.statements;
}

template <typename Member>
struct MemberOf;
template <typename Result, typename Class>
struct MemberOf<Result (Class::*)()> {
    using Of = Class;
};

// The action runs its entry's member of its receiver, or the application's function.
void connectRun(QAction* action, const WindowActions::Run& run, const WindowActions::Receivers& to) {
    std::visit(
        [&](auto member) {
            using Member = decltype(member);
            if constexpr (std::is_same_v<Member, void (*)()>) {
                QObject::connect(action, &QAction::triggered, qApp, [member] { member(); });
            } else {
                auto& receiver = receiverOf<typename MemberOf<Member>::Of>(to);
                QObject::connect(action, &QAction::triggered, &receiver, [&receiver, member] { (receiver.*member)(); });
            }
        },
        run);
}

}  // namespace

std::span<const WindowActions::MenuEntry> WindowActions::menus() { return menuEntries; }

WindowActions::WindowActions(const Receivers& receivers, QMenuBar* bar, QMenu* languageMenu)
    : QObject(&receivers.window) {
    QWidget* window = &receivers.window;
    for (const MenuEntry& entry : menuEntries)
        menuList.append(entry.menu == Menu::Language ? languageMenu : new QMenu(window));
    for (const Entry& entry : table()) {
        auto* action = new QAction(window);
        action->setObjectName(QString::fromLatin1(entry.objectName));
        // Before any book is open; the history's actions wait for a step.
        action->setEnabled(entry.enabled == Enabled::Always);
        connectRun(action, entry.run, receivers);
        QMenu* shownIn = menu(entry.menu);
        if (entry.separatorBefore) shownIn->addSeparator();
        shownIn->addAction(action);
        actions.append(action);
    }
    menu(Menu::Database)->addMenu(menu(Menu::Statistic));
    for (Menu shown : {Menu::File, Menu::Edit, Menu::Transaction, Menu::Database, Menu::Language, Menu::Help})
        bar->addMenu(menu(shown));
}

QAction* WindowActions::action(Id which) const { return actions.at(static_cast<qsizetype>(which)); }

QMenu* WindowActions::menu(Menu which) const { return menuList.at(static_cast<qsizetype>(which)); }

QList<QAction*> WindowActions::actionsOf(Menu which) const {
    QList<QAction*> found;
    for (qsizetype k = 0; k < actions.size(); ++k)
        if (table()[k].menu == which) found.append(actions[k]);
    return found;
}

void WindowActions::enableBookActions(bool open) {
    for (qsizetype k = 0; k < actions.size(); ++k)
        if (table()[k].enabled == Enabled::WithBook) actions[k]->setEnabled(open);
}

void WindowActions::retranslate() {
    for (qsizetype k = 0; k < actions.size(); ++k) {
        actions[k]->setText(translated(table()[k].text));
        // Keys after the first, written "; " apart, are other keys for the same action.
        actions[k]->setShortcuts(QKeySequence::listFromString(translated(table()[k].shortcut)));
        actions[k]->setStatusTip(translated(table()[k].statusTip));
    }
    for (const MenuEntry& entry : menuEntries)
        if (*entry.title) menu(entry.menu)->setTitle(translated(entry.title));
}
