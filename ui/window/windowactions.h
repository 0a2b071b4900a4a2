#pragma once

#include <QList>
#include <QObject>
#include <span>
#include <variant>

class Book;
class CsvCommands;
class FilterBar;
class MainWindow;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;
class StatementCommands;

// Every command of the window's menus, declared once: the table below
// drives the actions' creation, their menus, their texts in each language
// and whether they wait for an open book.
class WindowActions : public QObject {
    Q_OBJECT

public:
    enum class Menu { File, Edit, Transaction, Database, Statistic, Language, Help, Context };
    enum class Enabled { Always, WithBook, ByHistory };
    // One a row of the table, in its order.
    enum class Id {
        New,
        Open,
        Save,
        SaveAs,
        Close,
        ImportCsv,
        ImportStatement,
        ExportCsv,
        Exit,
        Undo,
        Redo,
        Find,
        TransCreate,
        TransDelete,
        TransModify,
        TransDeleteOne,
        TransModifyOne,
        DbName,
        BookSettings,
        GrandTotal,
        Budget,
        Percentage,
        Charts,
        About,
        AboutQt,
        Count
    };
    // What an action runs, taken by its address so that the compiler checks
    // it: a slot of the window (Exit is its close), a command of the book,
    // the find bar or the imports, or the application's About Qt.
    using Run = std::variant<void (MainWindow::*)(), bool (MainWindow::*)(), bool (QWidget::*)(), void (Book::*)(),
                             void (FilterBar::*)(), void (CsvCommands::*)(), void (StatementCommands::*)(), void (*)()>;
    struct Receivers {
        MainWindow& window;
        Book& book;
        FilterBar& filterBar;
        CsvCommands& csv;
        StatementCommands& statements;
    };

    struct Entry {
        Id id;
        // The name tests and style sheets know the action by.
        const char* objectName;
        // Source texts in the "MainWindow" context; an empty shortcut is
        // none, and "; " parts one key from the next for the same action.
        const char* text;
        const char* shortcut;
        const char* statusTip;
        Run run;
        Enabled enabled;
        Menu menu;
        bool separatorBefore;
    };
    struct MenuEntry {
        Menu menu;
        const char* title;
    };

    static std::span<const Entry> table();
    static std::span<const MenuEntry> menus();

    // The actions as children of the window, connected to what they run,
    // and the menus in its menu bar; the language menu is given, the others made.
    WindowActions(const Receivers& receivers, QMenuBar* bar, QMenu* languageMenu);

    QAction* action(Id which) const;
    QMenu* menu(Menu which) const;
    // The actions of a menu, in its order (the context menu's too).
    QList<QAction*> actionsOf(Menu which) const;
    void enableBookActions(bool open);
    // Every text from the table, in the current language.
    void retranslate();

private:
    QList<QAction*> actions;  // in the table's order
    QList<QMenu*> menuList;   // in the order of Menu
};
