#pragma once

#include <QMainWindow>
#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "book/bookpath.h"
#include "fileidentity.h"
#include "prompts/userprompts.h"

struct BookCommandHooks;
class CsvCommands;
class FilterBar;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QTranslator;
class QUndoStack;
class RecentBooks;
class RecentBooksMenu;
class StatisticDialog;
class TransactionDialog;
class TransactionTableModel;
class TransactionTableView;

namespace KestLib {
class AccountDB;
class SavePlan;
class Transaction;
}  // namespace KestLib

// The program's only top-level window: it owns the account database of the
// run, shows its transactions in a table and offers every command through
// menus. Every core error a command meets is shown as a warning and the
// window goes on with its database, file binding, title and table as they
// were before the command.
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

    // The whole table again from the database, in the current sort order.
    void refreshTable();
    // The database's last transaction was just added: shows it as a new row.
    void appendTableRow();
    // The transaction with this index was just modified: its row shows it.
    void modifyTableRow(int index);
    // The transaction at this database position was just deleted (the
    // position AccountDB::transPosition gave before the delete): its row goes.
    void removeTableRow(int position);
    // These three keep the sort, the column widths, the selected row and the
    // scroll position, touching only the row that changed.

    void updateStatus();
    // "Pennywell - name" when a file is bound or force is true, else "Pennywell".
    void updateTitle(bool force);
    void enableDBActions();
    void disableDBActions();

    // The right-click menu, not yet shown; the caller owns it.
    QMenu* createContextMenu();

    // Where the window's questions go; not owned. nullptr restores the
    // window's own message boxes and dialogs.
    void setPrompts(UserPrompts* prompts);

    const KestLib::AccountDB& database() const { return *db; }
    // The path the database is bound to, as shown; empty when none.
    QString boundFileName() const { return fileName.display(); }
    // The same path as the bytes the file system knows it by.
    const BookPath& boundPath() const { return fileName; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private slots:
    void newDB();
    void openDB();
    bool saveDB();
    bool saveAsDB();
    void closeDB();
    // Transaction commands.
    void transCreate();
    void transDelete();
    void transModify();
    void transDeleteOne();
    void transModifyOne();
    bool dbDBName();
    void switchToLanguage(int param);
    void about();
    bool maybeSave();
    void sortingTable(int column);

    // ---- Analyses: each opens its dialog, which only reads the database.
private slots:
    void dbGrandTotal();
    void dbBudget();
    void dbPercentage();

private:
    void runAnalysis(StatisticDialog& dialog);
    // ---- End of analyses.

    // ---- Charts: the chosen types' shares and each month's income and
    // outgoing, from the statistic submenu after the three analyses.
private slots:
    void dbCharts();

private:
    void createChartsAction();
    void updateChartsTexts();
    QAction* chartsAct = nullptr;
    // ---- End of charts.

    // ---- Find: the filter bar above the table, Edit > Find; the work is
    // FilterBar's and the table model's.
private:
    void createFind();
    void updateFindTexts();
    // The match figures beside the file's state, only while a search hides rows.
    void updateFindStatus();
    void findTransactions();
    void applySearch();
    QAction* findAct = nullptr;
    FilterBar* filterBar = nullptr;
    QLabel* findStatusLabel = nullptr;
    // ---- End of find.

private:
    void createActions();
    void createMenus();
    void createLanguageMenu();
    void createStatusBar();
    QAction* createAction(const char* objectName);
    QList<QAction*> dbActions() const;
    bool databaseInUse() const;

    // Runs work; an error it throws (the core's, or running out of memory) is
    // shown as a warning and false is returned. kept, when given, tells the
    // user what the failure left as it was.
    template <typename Work>
    bool guarded(Work&& work, const QString& kept = QString());
    void warnCoreError(const std::string& message, const QString& details = QString());
    // What a failed open leaves: the book that is open, if any.
    QString keptAfterFailedOpen() const;
    // True when name can be stored in the database file as it is; warns otherwise.
    bool acceptableName(const QString& name);
    void loadBook(const BookPath& path);
    // Asks about what the plan would replace, if anything: another file, or
    // the book's own file changed by another program; true to go on.
    bool confirmPlan(const KestLib::SavePlan& plan);
    // Saves the book read from readFrom (empty for none) to target by the
    // core's save plan, after its question, and binds the window to the file
    // written; false when the user declines or, after a warning, the save fails.
    bool saveTo(const BookPath& readFrom, const BookPath& target);
    void fitTable();

    // Transaction commands: the dialog in one mode, then the change, each
    // followed by the table's update of that one row.
    bool runTransactionDialog(TransactionDialog& dialog, int mode, int shownIndex = 0);
    // The index of the transaction in the table's current row, if there is one.
    std::optional<int> currentTransactionIndex() const;
    void deleteTransaction(int index);
    void modifyTransaction(const KestLib::Transaction& record);

    TransactionTableView* table;
    TransactionTableModel* model;
    QMenu* fileMenu = nullptr;
    QMenu* editMenu = nullptr;
    QMenu* transMenu = nullptr;
    QMenu* dbMenu = nullptr;
    QMenu* statMenu = nullptr;
    QMenu* langMenu = nullptr;
    QMenu* helpMenu = nullptr;
    QActionGroup* langGroup = nullptr;
    QAction* newAct = nullptr;
    QAction* openAct = nullptr;
    QAction* saveAct = nullptr;
    QAction* saveAsAct = nullptr;
    QAction* closeAct = nullptr;
    QAction* transCreateAct = nullptr;
    QAction* transDeleteAct = nullptr;
    QAction* transModifyAct = nullptr;
    QAction* dbNameAct = nullptr;
    QAction* grandTotalAct = nullptr;
    QAction* budgetAct = nullptr;
    QAction* percentageAct = nullptr;
    QAction* transDeleteOneAct = nullptr;
    QAction* transModifyOneAct = nullptr;
    QAction* exitAct = nullptr;
    QAction* aboutAct = nullptr;
    QAction* aboutQtAct = nullptr;
    QLabel* statusLabel = nullptr;
    QLabel* fillerLabel = nullptr;
    BookPath fileName;
    // The bound file as it was read or last saved; none without a file.
    std::optional<KestLib::FileIdentity> fileIdentity;
    QString fileFilter;
    QString langDir;
    QStringList locales;
    QTranslator* programTranslator;
    QTranslator* toolkitTranslator;
    std::unique_ptr<KestLib::AccountDB> db;
    int sortColumn = 0;
    bool sortAscending = true;
    std::unique_ptr<UserPrompts> dialogPrompts;
    UserPrompts* prompts;

    // ---- Recent books ----
    QMenu* createRecentBooksMenu();
    // A book was opened or saved: it goes first in File > Recent Books.
    void rememberBook(const BookPath& path);
    // Where the file dialogs start: the folder of the last book.
    QString dialogFolder() const;
    std::unique_ptr<RecentBooks> recentBooks;
    RecentBooksMenu* recentMenu = nullptr;
    // ---- CSV import and export (the work is CsvCommands') ----
    void createCsvActions();
    void updateCsvTexts();
    void importCsv();
    void exportCsv();
    QAction* importCsvAct = nullptr;
    QAction* exportCsvAct = nullptr;
    CsvCommands* csvCommands = nullptr;

    // ---- Undo and redo: every change to the book is kept in a history ----
public:
    QUndoStack* history() const { return undoStack; }

private:
    void createUndoActions();
    void updateUndoTexts();
    void undoChange();
    void redoChange();
    // A change was just made to the book: the history takes a Command made
    // of these arguments. Should that fail, the history goes, with a warning,
    // as it no longer leads back to the book's earlier states.
    template <typename Command, typename... Args>
    void recordChange(Args&&... args);
    // New, Open and Close start a history of their own; a new book counts
    // as changed until it is saved.
    void forgetHistory(bool unsaved);
    // The modified flag, and so the status, follow the history's clean state.
    void followHistory();
    // An undo or redo the core refused: the book stays as it is, the history goes.
    void dropHistoryAfterFailure();
    void watchTypeChanges(TransactionDialog& dialog);
    QUndoStack* undoStack = nullptr;
    QAction* undoAct = nullptr;
    QAction* redoAct = nullptr;
    std::unique_ptr<BookCommandHooks> bookHooks;
    std::string historyFailure;
    // ---- End of undo and redo.
};
