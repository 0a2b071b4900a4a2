#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>
#include <string>

#include "ui/book/bookpath.h"
#include "ui/prompts/commandguard.h"
#include "ui/prompts/userprompts.h"
#include "ui/table/tablesort.h"
#include "ui/transactions/transactioncommands.h"
#include "ui/window/filecommands.h"

class Book;
class FilterBar;
class LanguageMenu;
class QMenu;
class QTranslator;
class QUndoStack;
class RecentBooks;
class RecentBooksMenu;
class StatisticDialog;
class TransactionTableModel;
class TransactionTableView;
class WindowActions;
class WindowStatus;

namespace PwText {
class BookTextCodec;
}  // namespace PwText

namespace KestLib {
class AccountDB;
}  // namespace KestLib

// The program's only top-level window: it shows the book's transactions in
// a table, which follows the book itself, and offers every command through
// menus; the title, the status and the window's width follow the book and
// the table. Every core error a command meets is shown as a warning and the
// window goes on with its book, file binding, title and table as they were
// before the command.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // Must be set before initWindow, which builds the language menu from it.
    void setLangDir(const QString& folder);
    QTranslator* appTranslator() const { return programTranslator; }
    QTranslator* qtTranslator() const { return toolkitTranslator; }

    // Actions, menus, status bar and texts; called once, after the
    // translators are installed.
    void initWindow();
    // Every translatable text of the window, from scratch.
    void updateTexts();

    // Opens a file named on the command line or dropped on the window.
    void openFile(const BookPath& path);
    void openFile(const QString& path) { openFile(BookPath::fromDisplay(path)); }

    // The whole table again from the book, in the current sort order.
    void refreshTable();
    void updateStatus();
    // "Pennywell - name" while a book is open, else "Pennywell".
    void updateTitle();

    // The right-click menu, not yet shown; the caller owns it.
    QMenu* createContextMenu();

    // Where the window's questions go; not owned. nullptr restores the
    // window's own message boxes and dialogs.
    void setPrompts(UserPrompts* prompts);

    const KestLib::AccountDB& database() const;
    // The path the book is bound to, as shown; empty when none.
    QString boundFileName() const;
    // The same path as the bytes the file system knows it by.
    const BookPath& boundPath() const;
    QUndoStack* history() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    // The slots the menus' actions run (WindowActions holds their addresses).
    void newDB();
    void openDB();
    bool saveDB();
    bool saveAsDB();
    void closeDB();
    void transCreate();
    void transDelete();
    void transModify();
    void transDeleteOne();
    void transModifyOne();
    bool dbDBName();
    void bookSettings();
    void switchToLanguage(int param);
    void about();
    bool maybeSave();
    void sortingTable(int column);
    void dbGrandTotal();
    void dbBudget();
    void dbPercentage();

private:
    friend class WindowActions;

    void dbCharts();

    void createCentre();
    void createStatusBar();
    // The title, the status, the history's texts and the actions follow the book.
    void followBook();
    // The window as wide as the table's columns, within the screen.
    void fitWidth();
    void updateUndoTexts();
    void applySearch();
    void runAnalysis(StatisticDialog& dialog);

    // True when name can be stored in a book of format as it is; warns otherwise.
    bool acceptableName(const QString& name, int format);
    // The book's name as shown.
    QString shownName() const;

    // The index of the transaction in the table's current row, if there is one.
    std::optional<int> currentTransactionIndex() const;

    Book* book;
    TransactionTableModel* model;
    TransactionTableView* table;
    WindowActions* actions = nullptr;
    LanguageMenu* languageMenu = nullptr;
    RecentBooksMenu* recentMenu = nullptr;
    std::unique_ptr<RecentBooks> recentBooks;
    FilterBar* filterBar = nullptr;
    WindowStatus* status = nullptr;
    QString langDir;
    QTranslator* programTranslator;
    QTranslator* toolkitTranslator;
    std::unique_ptr<UserPrompts> dialogPrompts;
    UserPrompts* prompts;
    CommandGuard guard;
    TransactionCommands transactions;
    FileCommands files;
};
