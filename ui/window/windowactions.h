#pragma once

#include <QList>
#include <QObject>
#include <span>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// Every command of the window's menus, declared once: the table below
// drives the actions' creation, their menus, their texts in each language
// and whether they wait for an open book.
class WindowActions : public QObject {
    Q_OBJECT

public:
    enum class Menu { File, Edit, Transaction, Database, Statistic, Language, Help, Context };
    enum class Enabled { Always, WithBook, ByHistory };
    enum class Receiver { Window, Application };

    struct Entry {
        const char* objectName;
        // Source texts in the "MainWindow" context; an empty shortcut is none.
        const char* text;
        const char* shortcut;
        const char* statusTip;
        // The receiver's slot the action runs, by name.
        const char* slot;
        Receiver receiver;
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

    // The actions as children of window, connected to its slots, and the
    // menus in its menu bar; the language menu is given, the others made.
    WindowActions(QWidget* window, QMenuBar* bar, QMenu* languageMenu);

    QAction* action(const char* objectName) const;
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
