#include "window/mainwindow.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTranslator>
#include <QUndoStack>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "accountdb.h"
#include "app/appidentity.h"
#include "history/bookcommands.h"
#include "booklock.h"
#include "booksave.h"
#include "big5text.h"
#include "statistics/budgetdialog.h"
#include "charts/chartdialog.h"
#include "charts/chartwindow.h"
#include "book/coremessages.h"
#include "csv/csvcommands.h"
#include "book/dbnamedialog.h"
#include "prompts/dialogprompts.h"
#include "errormsg.h"
#include "find/filterbar.h"
#include "statistics/grandtotaldialog.h"
#include "languages/languagefolder.h"
#include "statistics/percentagedialog.h"
#include "recent/recentbooks.h"
#include "recent/recentbooksmenu.h"
#include "saveplan.h"
#include "transactions/transactiondialog.h"
#include "table/transactiontablemodel.h"
#include "table/transactiontableview.h"

namespace {

constexpr const char* context = "MainWindow";

void setActionTexts(QAction* action, const QString& text, const QString& shortcut, const QString& statusTip) {
    action->setText(text);
    action->setShortcut(QKeySequence(shortcut));
    action->setStatusTip(statusTip);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      db(std::make_unique<KestLib::AccountDB>()),
      dialogPrompts(std::make_unique<DialogPrompts>()),
      prompts(dialogPrompts.get()) {
    model = new TransactionTableModel(this);
    model->setDatabase(db.get());

    table = new TransactionTableView(model, this);
    table->setObjectName(QStringLiteral("table"));
    connect(table->horizontalHeader(), &QHeaderView::sectionClicked, this, &MainWindow::sortingTable);
    setCentralWidget(table);
    // Only the height matters: the width follows the columns.
    resize(640, 480);

    setAcceptDrops(true);
    programTranslator = new QTranslator(this);
    toolkitTranslator = new QTranslator(this);
    // The dialogs and the about box show it too, as children of the window.
    setWindowIcon(applicationIcon());
    recentBooks = std::make_unique<RecentBooks>();
}

MainWindow::~MainWindow() {
    // The view and the model read the database; they go before it does.
    delete table;
    delete model;
    // The history is emptied as it goes, which the half-gone window must not hear.
    if (undoStack) undoStack->disconnect(this);
}

void MainWindow::setLangDir(const QString& folder) { langDir = folder; }

void MainWindow::setPrompts(UserPrompts* replacement) {
    prompts = replacement ? replacement : dialogPrompts.get();
}

void MainWindow::initWindow() {
    createActions();
    refreshTable();
    createMenus();
    createChartsAction();
    createUndoActions();
    createStatusBar();
    createFind();
    // Before the texts, so that the title sees that no database is in use.
    disableDBActions();
    updateTexts();
}

QAction* MainWindow::createAction(const char* objectName) {
    auto* action = new QAction(this);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

void MainWindow::createActions() {
    newAct = createAction("newAct");
    openAct = createAction("openAct");
    saveAct = createAction("saveAct");
    saveAsAct = createAction("saveAsAct");
    closeAct = createAction("closeAct");
    exitAct = createAction("exitAct");
    connect(newAct, &QAction::triggered, this, &MainWindow::newDB);
    connect(openAct, &QAction::triggered, this, &MainWindow::openDB);
    connect(saveAct, &QAction::triggered, this, &MainWindow::saveDB);
    connect(saveAsAct, &QAction::triggered, this, &MainWindow::saveAsDB);
    connect(closeAct, &QAction::triggered, this, &MainWindow::closeDB);
    // Exit is the window's close, so it asks about unsaved changes too.
    connect(exitAct, &QAction::triggered, this, &QWidget::close);

    transCreateAct = createAction("transCreateAct");
    transDeleteAct = createAction("transDeleteAct");
    transModifyAct = createAction("transModifyAct");
    connect(transCreateAct, &QAction::triggered, this, &MainWindow::transCreate);
    connect(transDeleteAct, &QAction::triggered, this, &MainWindow::transDelete);
    connect(transModifyAct, &QAction::triggered, this, &MainWindow::transModify);
    transDeleteOneAct = createAction("transDeleteOneAct");
    transModifyOneAct = createAction("transModifyOneAct");
    connect(transDeleteOneAct, &QAction::triggered, this, &MainWindow::transDeleteOne);
    connect(transModifyOneAct, &QAction::triggered, this, &MainWindow::transModifyOne);

    dbNameAct = createAction("dbNameAct");
    grandTotalAct = createAction("grandTotalAct");
    budgetAct = createAction("budgetAct");
    percentageAct = createAction("percentageAct");
    connect(dbNameAct, &QAction::triggered, this, &MainWindow::dbDBName);
    connect(grandTotalAct, &QAction::triggered, this, &MainWindow::dbGrandTotal);
    connect(budgetAct, &QAction::triggered, this, &MainWindow::dbBudget);
    connect(percentageAct, &QAction::triggered, this, &MainWindow::dbPercentage);

    aboutAct = createAction("aboutAct");
    aboutQtAct = createAction("aboutQtAct");
    connect(aboutAct, &QAction::triggered, this, &MainWindow::about);
    connect(aboutQtAct, &QAction::triggered, qApp, &QApplication::aboutQt);

    createCsvActions();
}

void MainWindow::createMenus() {
    fileMenu = new QMenu(this);
    fileMenu->addAction(newAct);
    fileMenu->addAction(openAct);
    fileMenu->addMenu(createRecentBooksMenu());
    fileMenu->addAction(saveAct);
    fileMenu->addAction(saveAsAct);
    fileMenu->addAction(closeAct);
    fileMenu->addSeparator();
    fileMenu->addAction(importCsvAct);
    fileMenu->addAction(exportCsvAct);
    fileMenu->addSeparator();
    fileMenu->addAction(exitAct);

    // Filled by the find and undo commands.
    editMenu = new QMenu(this);

    transMenu = new QMenu(this);
    transMenu->addAction(transCreateAct);
    transMenu->addAction(transDeleteAct);
    transMenu->addAction(transModifyAct);

    dbMenu = new QMenu(this);
    dbMenu->addAction(dbNameAct);
    statMenu = new QMenu(this);
    statMenu->addAction(grandTotalAct);
    statMenu->addAction(budgetAct);
    statMenu->addAction(percentageAct);
    dbMenu->addMenu(statMenu);

    langMenu = new QMenu(this);
    createLanguageMenu();

    helpMenu = new QMenu(this);
    helpMenu->addAction(aboutAct);
    helpMenu->addAction(aboutQtAct);

    // The titles are texts, so updateTexts sets them.
    for (QMenu* menu : {fileMenu, editMenu, transMenu, dbMenu, langMenu, helpMenu}) menuBar()->addMenu(menu);
}

void MainWindow::createLanguageMenu() {
    langGroup = new QActionGroup(this);
    langGroup->setExclusive(true);
    for (const LanguageFolder::Language& language : LanguageFolder(langDir).languages()) {
        const int param = static_cast<int>(locales.size());
        locales.append(language.locale);
        // Each item keeps the name its file gave, whatever language is shown.
        QAction* item = langMenu->addAction(language.name);
        item->setObjectName(QStringLiteral("language_") + language.locale);
        item->setCheckable(true);
        item->setData(param);
        // Nothing is loaded at start, so the English texts are the ones shown.
        item->setChecked(language.name == QLatin1String("English"));
        langGroup->addAction(item);
        connect(item, &QAction::triggered, this, [this, param] { switchToLanguage(param); });
    }
}

void MainWindow::createStatusBar() {
    statusLabel = new QLabel(this);
    statusLabel->setObjectName(QStringLiteral("statusLabel"));
    statusLabel->setAlignment(Qt::AlignHCenter);
    statusLabel->setMinimumSize(statusLabel->sizeHint());
    fillerLabel = new QLabel(this);
    statusBar()->addWidget(statusLabel, 0);
    statusBar()->addWidget(fillerLabel, 1);
}

void MainWindow::updateTexts() {
    // A language switch must not lose the title of a new, still unsaved database.
    updateTitle(databaseInUse());
    fileFilter = tr("Pennywell Database File (*.pwdb)");

    setActionTexts(newAct, tr("&New"), tr("Ctrl+N"), tr("Create a new database"));
    setActionTexts(openAct, tr("&Open"), tr("Ctrl+O"), tr("Open an exist database"));
    setActionTexts(saveAct, tr("&Save"), tr("Ctrl+S"), tr("Save the current database"));
    setActionTexts(saveAsAct, tr("Save &As"), QString(), tr("Save the current database as ..."));
    setActionTexts(closeAct, tr("&Close"), QString(), tr("Close the current database"));
    setActionTexts(exitAct, tr("E&xit"), tr("Ctrl+Q"), tr("Exit the application"));

    setActionTexts(transCreateAct, tr("&Create"), tr("Ctrl+C"), tr("Create a transaction"));
    setActionTexts(transDeleteAct, tr("&Delete"), tr("Ctrl+D"), tr("Delete a transaction"));
    setActionTexts(transModifyAct, tr("&Modify"), tr("Ctrl+M"), tr("Modify a transaction"));

    setActionTexts(transDeleteOneAct, tr("&Delete"), QString(), tr("Delete this transaction"));
    setActionTexts(transModifyOneAct, tr("&Modify"), QString(), tr("Modify this transaction"));

    setActionTexts(dbNameAct, tr("&Set the Database Name"), QString(), tr("Set or modify the database name"));
    setActionTexts(grandTotalAct, tr("&Grand Total"), tr("Ctrl+G"), tr("Calculate grand total"));
    setActionTexts(budgetAct, tr("&Budget Analasis"), tr("Ctrl+B"), tr("Analyze your budget plan"));
    setActionTexts(percentageAct, tr("&Percentage Analysis"), tr("Ctrl+P"),
                   tr("Analyze the percentage of each Income/Outgoing type"));

    setActionTexts(aboutAct, tr("&About"), QString(), tr("Show the application's About box"));
    setActionTexts(aboutQtAct, tr("About &Qt"), QString(), tr("Show the Qt library's About box"));
    updateCsvTexts();

    fileMenu->setTitle(tr("&File"));
    editMenu->setTitle(tr("&Edit"));
    transMenu->setTitle(tr("&Transaction"));
    dbMenu->setTitle(tr("&Database"));
    statMenu->setTitle(tr("&Statistic"));
    langMenu->setTitle(tr("&Language"));
    helpMenu->setTitle(tr("&Help"));
    recentMenu->retranslate();

    updateChartsTexts();
    updateUndoTexts();
    updateFindTexts();

    // The column headers and the cells' own words. Stored texts can only be
    // translated by the program's own translation (the toolkit's knows none
    // of this window's texts).
    model->setTranslatesStoredText(!programTranslator->isEmpty());
    model->retranslate();
    updateStatus();
}

void MainWindow::updateStatus() {
    statusLabel->setText(db->isModified() ? tr("File Modified") : tr("File Saved"));
    statusLabel->setMinimumSize(statusLabel->sizeHint());
    updateFindStatus();
}

void MainWindow::updateTitle(bool force) {
    if (!fileName.isEmpty() || force)
        setWindowTitle(tr("Pennywell - %1").arg(fromBig5(context, db->name())));
    else
        setWindowTitle(tr("Pennywell"));
}

QList<QAction*> MainWindow::dbActions() const {
    return {transCreateAct, transDeleteAct, transModifyAct, transDeleteOneAct, transModifyOneAct,
            dbNameAct,      grandTotalAct,  budgetAct,      percentageAct,     chartsAct,
            importCsvAct,   exportCsvAct,   findAct};
}

void MainWindow::enableDBActions() {
    for (QAction* action : dbActions()) action->setEnabled(true);
}

void MainWindow::disableDBActions() {
    for (QAction* action : dbActions()) action->setEnabled(false);
}

bool MainWindow::databaseInUse() const { return dbNameAct->isEnabled(); }

QMenu* MainWindow::createContextMenu() {
    auto* menu = new QMenu(this);
    menu->addAction(transDeleteOneAct);
    menu->addAction(transModifyOneAct);
    return menu;
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createContextMenu());
    menu->exec(event->globalPos());
}

void MainWindow::about() {
    QMessageBox::about(this, tr("About Pennywell"),
                       tr("<h2>Pennywell 1.1.3</h2>"
                          "<p>Produced by"
                          "<p>the Pennywell developers"
                          "<p>Please report problems on the Pennywell project's issue tracker."
                          "<p>Pennywell Tool"));
}

template <typename Work>
bool MainWindow::guarded(Work&& work, const QString& kept) {
    try {
        work();
        return true;
    } catch (const KestLib::ErrorMsg& error) {
        warnCoreError(error.message(), coreErrorDetails(error, kept));
    } catch (const std::exception& error) {
        // No exception may leave a handler: Qt can't unwind through its event loop.
        warnCoreError(error.what(), kept);
    }
    return false;
}

void MainWindow::warnCoreError(const std::string& message, const QString& details) {
    prompts->warn(this, tr("Warning"), coreMessageText(message), details);
}

bool MainWindow::acceptableName(const QString& name) {
    if (fitsBig5(name)) return true;
    prompts->warn(this, tr("Warning"),
                  tr("The name can't be stored in a Pennywell database file: "
                     "it may hold only Big5 characters and at most 255 bytes."),
                  DBNameDialog::whyNotStorable(name));
    return false;
}

QString MainWindow::keptAfterFailedOpen() const {
    return databaseInUse() ? tr("The open book is unchanged.") : QString();
}

// ---- File commands ---------------------------------------------------------

bool MainWindow::maybeSave() {
    if (!db->isModified()) return true;
    const auto choice = prompts->askSaveChanges(
        this, tr("Pennywell"), tr("The database has been modified.\nDo you want to save your changes?"));
    switch (choice) {
    case UserPrompts::SaveChoice::Save:
        return saveDB();
    case UserPrompts::SaveChoice::Discard:
        return true;
    case UserPrompts::SaveChoice::Cancel:
        break;
    }
    return false;
}

void MainWindow::newDB() {
    if (maybeSave()) {
        const auto answer = prompts->askDatabaseName(this, fromBig5(context, db->name()));
        if (answer.accepted && acceptableName(answer.name)) {
            guarded([&] {
                // Built aside, so that a failure leaves the open database as it was.
                KestLib::AccountDB fresh;
                fresh.reset();
                fresh.setName(toBig5(answer.name));
                *db = std::move(fresh);
                forgetHistory(true);
                fileName = BookPath();
                fileIdentity.reset();
                updateTitle(true);
                model->clearRows();
                enableDBActions();
            });
        }
    }
    updateStatus();
}

void MainWindow::openDB() {
    if (maybeSave()) {
        const BookPath path = BookPath::fromDisplay(prompts->openFileName(this, fileFilter, dialogFolder()));
        // Chosen or not, the table is shown afresh: rows in database order,
        // the current sort re-applied (a load does that itself).
        if (path.isEmpty() || !guarded([&] { loadBook(path); }, keptAfterFailedOpen())) refreshTable();
    }
    updateStatus();
}

void MainWindow::openFile(const BookPath& path) {
    if (maybeSave()) guarded([&] { loadBook(path); }, keptAfterFailedOpen());
    updateStatus();
}

void MainWindow::loadBook(const BookPath& path) {
    // Taken before the read: a change while it reads makes the next Save
    // ask, never pass unseen.
    const auto identity = KestLib::FileIdentity::of(path.bytes());
    // The core replaces the database only when the whole file was read.
    db->loadFile(path.bytes());
    forgetHistory(false);
    fileName = path;
    fileIdentity = identity;
    rememberBook(fileName);
    updateTitle(false);
    enableDBActions();
    refreshTable();
}

bool MainWindow::saveDB() {
    if (!db->isModified()) return true;
    if (fileName.isEmpty()) return saveAsDB();
    // Back to the file read. A book opened without the extension is written
    // under the completed name, which may be another book: the plan asks
    // about that one and backs it up.
    return saveTo(fileName, fileName);
}

bool MainWindow::saveAsDB() {
    const QString chosen = prompts->saveFileName(this, fileFilter, dialogFolder());
    if (chosen.isEmpty()) return false;
    // A new file, whatever was read: Save As keeps no backup, and the
    // overwrite question guards what it replaces.
    return saveTo(BookPath(), BookPath::fromDisplay(chosen));
}

bool MainWindow::confirmPlan(const KestLib::SavePlan& plan) {
    if (!plan.overwritten().empty()) {
        const QString question = tr("File %1 already exists.\nDo you want to override it?")
                                     .arg(QDir::toNativeSeparators(BookPath::fromBytes(plan.overwritten()).display()));
        return prompts->askOverwrite(this, tr("Pennywell"), question);
    }
    if (plan.changedSinceRead()) {
        const QString question = tr("%1 was changed by another program since it was opened. Replace it? "
                                    "The other version will be kept as the backup.")
                                     .arg(QDir::toNativeSeparators(BookPath::fromBytes(plan.target()).display()));
        return prompts->askOverwrite(this, tr("Pennywell"), question);
    }
    return true;
}

bool MainWindow::saveTo(const BookPath& readFrom, const BookPath& target) {
    bool saved = false;
    guarded([&] {
        // Held through the question too, so that what it is about stays so
        // until the book is written; an import of this book by the command
        // line waits meanwhile.
        const KestLib::BookLock lock(KestLib::AccountDB::completedFileName(target.bytes()));
        KestLib::BookSave save(KestLib::SavePlan::make(readFrom.bytes(), target.bytes(), fileIdentity));
        const KestLib::SavePlan& plan = save.plan();
        if (!confirmPlan(plan)) return;
        save.write(*db);
        undoStack->setClean();
        // The window is bound to the file really written, so the next Save
        // backs up that one, and knows it as this save left it.
        fileName = BookPath::fromBytes(plan.target());
        fileIdentity = KestLib::FileIdentity::of(plan.target());
        rememberBook(fileName);
        saved = true;
    }, tr("Nothing was saved; your changes are still open."));
    updateStatus();
    return saved;
}

void MainWindow::closeDB() {
    if (maybeSave()) {
        db->clear();
        forgetHistory(false);
        fileName = BookPath();
        fileIdentity.reset();
        updateTitle(false);
        model->clearRows();
        disableDBActions();
    }
    updateStatus();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    // The database object itself lives on until the window goes, so that
    // nothing that still runs before then can reach a dangling pointer.
    db->clear();
    model->clearRows();
    event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QList<QUrl> urls = event->mimeData()->urls();
    const auto local = std::find_if(urls.cbegin(), urls.cend(), [](const QUrl& url) { return url.isLocalFile(); });
    if (local == urls.cend()) return;
    event->acceptProposedAction();
    // One book at a time: the rest of the drop is ignored.
    openFile(BookPath::fromUrl(*local));
}

// ---- Transaction commands ----------------------------------------------------

namespace {

// The transaction the dialog's fields describe. The dialog accepts only a
// type text that names a type, so typeId() has one to give.
KestLib::Transaction enteredTransaction(const TransactionDialog& dialog, int index) {
    KestLib::Transaction record;
    record.setIndex(index);
    record.setYear(dialog.year());
    record.setMonth(dialog.month());
    record.setDay(dialog.day());
    record.setAmount(dialog.money());
    record.setIncome(dialog.isIncome());
    record.setType(dialog.typeId());
    record.setComment(toBig5(dialog.comment()));
    return record;
}

}  // namespace

bool MainWindow::runTransactionDialog(TransactionDialog& dialog, int mode, int shownIndex) {
    dialog.setPrompts(prompts);
    dialog.setDB(db.get());
    dialog.setMode(mode);
    watchTypeChanges(dialog);
    if (mode == TransactionDialog::DeleteOneMode || mode == TransactionDialog::ModifyOneMode)
        dialog.showTransaction(shownIndex);
    return prompts->runDialog(dialog);
}

// The status follows every dialog, also a cancelled one: Add and Delete of
// types change the database at once.
void MainWindow::transCreate() {
    guarded([this] {
        TransactionDialog dialog(this);
        if (!runTransactionDialog(dialog, TransactionDialog::CreateMode)) return;
        KestLib::Transaction record = enteredTransaction(dialog, 0);
        const int lastIndex = db->lastIndex();
        db->addTransaction(record);
        appendTableRow();
        recordChange<CreateTransactionCommand>(lastIndex);
    });
    updateStatus();
}

void MainWindow::transDelete() {
    guarded([this] {
        TransactionDialog dialog(this);
        if (runTransactionDialog(dialog, TransactionDialog::DeleteMode)) deleteTransaction(dialog.index());
    });
    updateStatus();
}

void MainWindow::transModify() {
    guarded([this] {
        TransactionDialog dialog(this);
        if (runTransactionDialog(dialog, TransactionDialog::ModifyMode))
            modifyTransaction(enteredTransaction(dialog, dialog.index()));
    });
    updateStatus();
}

void MainWindow::transDeleteOne() {
    const std::optional<int> index = currentTransactionIndex();
    if (!index) return;
    guarded([this, index] {
        TransactionDialog dialog(this);
        if (runTransactionDialog(dialog, TransactionDialog::DeleteOneMode, *index)) deleteTransaction(*index);
    });
    updateStatus();
}

void MainWindow::transModifyOne() {
    const std::optional<int> index = currentTransactionIndex();
    if (!index) return;
    guarded([this, index] {
        TransactionDialog dialog(this);
        if (runTransactionDialog(dialog, TransactionDialog::ModifyOneMode, *index))
            modifyTransaction(enteredTransaction(dialog, *index));
    });
    updateStatus();
}

std::optional<int> MainWindow::currentTransactionIndex() const {
    // Indexes read from a file may be 0 or negative, so only the row says
    // whether there is one.
    const QModelIndex current = table->currentIndex();
    if (!current.isValid()) return std::nullopt;
    return model->transactionIndexAt(current.row());
}

void MainWindow::deleteTransaction(int index) {
    const int position = db->transPosition(index);
    if (position < 0) return;
    const KestLib::Transaction deleted = db->transaction(position, false);
    db->deleteTransaction(index);
    removeTableRow(position);
    recordChange<DeleteTransactionCommand>(deleted, position);
}

void MainWindow::modifyTransaction(const KestLib::Transaction& record) {
    if (db->transPosition(record.index()) < 0) return;
    const KestLib::Transaction before = db->transaction(record.index(), true);
    db->modifyTransaction(record);
    modifyTableRow(record.index());
    recordChange<ModifyTransactionCommand>(before, record);
}

// ---- Name command ------------------------------------------------------------

bool MainWindow::dbDBName() {
    const auto answer = prompts->askDatabaseName(this, fromBig5(context, db->name()));
    bool named = false;
    if (answer.accepted && acceptableName(answer.name)) {
        named = guarded([&] {
            const std::string oldName = db->name();
            db->setName(toBig5(answer.name));
            updateTitle(true);
            recordChange<RenameBookCommand>(oldName);
        });
    }
    updateStatus();
    return named;
}

// ---- Analyses ----------------------------------------------------------------

void MainWindow::dbGrandTotal() {
    GrandTotalDialog dialog(this);
    runAnalysis(dialog);
}

void MainWindow::dbBudget() {
    BudgetDialog dialog(this);
    runAnalysis(dialog);
}

void MainWindow::dbPercentage() {
    PercentageDialog dialog(this);
    runAnalysis(dialog);
}

void MainWindow::runAnalysis(StatisticDialog& dialog) {
    // The analyses only read the book, so no refresh or status change follows.
    guarded([&] {
        dialog.setPrompts(prompts);
        dialog.setDB(db.get());
        prompts->runDialog(dialog);
    });
}

// ---- Charts ------------------------------------------------------------------

void MainWindow::createChartsAction() {
    chartsAct = createAction("chartsAct");
    connect(chartsAct, &QAction::triggered, this, &MainWindow::dbCharts);
    statMenu->addAction(chartsAct);
}

void MainWindow::updateChartsTexts() {
    setActionTexts(chartsAct, tr("C&harts"), QString(),
                   tr("Show the shares of the chosen types and each month's income and outgoing as charts"));
}

void MainWindow::dbCharts() {
    ChartDialog dialog(this);
    guarded([&] {
        dialog.setPrompts(prompts);
        dialog.setDB(db.get());
        if (!prompts->runDialog(dialog)) return;
        const ChartData figures = dialog.chartData();
        ChartWindow window(this);
        window.setPrompts(prompts);
        window.setData(figures);
        prompts->runDialog(window);
    });
}

// ---- Find ----------------------------------------------------------------------

void MainWindow::createFind() {
    filterBar = new FilterBar(this);
    filterBar->setDatabase(db.get());
    connect(filterBar, &FilterBar::searchChanged, this, &MainWindow::applySearch);
    // The bar goes above the table.
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(filterBar);
    layout->addWidget(takeCentralWidget());
    setCentralWidget(centre);

    findAct = createAction("findAct");
    connect(findAct, &QAction::triggered, this, &MainWindow::findTransactions);
    // No book, nothing to find: the bar goes with the book.
    connect(findAct, &QAction::enabledChanged, this, [this](bool enabled) {
        if (!enabled) filterBar->closeBar();
    });
    // After Undo and Redo, which come first.
    editMenu->addSeparator();
    editMenu->addAction(findAct);

    findStatusLabel = new QLabel(this);
    findStatusLabel->setObjectName(QStringLiteral("findStatusLabel"));
    statusBar()->addPermanentWidget(findStatusLabel);
    findStatusLabel->hide();
}

void MainWindow::updateFindTexts() {
    setActionTexts(findAct, tr("&Find"), tr("Ctrl+F"), tr("Show only the transactions that match"));
    filterBar->retranslate();
}

void MainWindow::updateFindStatus() {
    // A command may have added or deleted a type.
    filterBar->updateTypes();
    findStatusLabel->setVisible(model->isFiltered());
    if (!model->isFiltered()) return;
    const TransactionTableModel::ShownFigures shown = model->shownFigures();
    findStatusLabel->setText(tr("%1 of %2 transactions match, balance %3")
                                 .arg(shown.count)
                                 .arg(db->transCount())
                                 .arg(shown.balance));
}

void MainWindow::findTransactions() { filterBar->open(); }

void MainWindow::applySearch() {
    guarded([this] { model->setSearch(filterBar->search()); });
    updateFindStatus();
}

// ---- Languages ---------------------------------------------------------------

void MainWindow::switchToLanguage(int param) {
    if (param < 0 || param >= locales.size()) return;
    LanguageFolder(langDir).load(locales.at(param), *programTranslator, *toolkitTranslator);

    const QList<QAction*> items = langMenu->actions();
    for (qsizetype k = 0; k < items.size(); ++k) items[k]->setChecked(k == param);

    updateTexts();
    guarded([this] { refreshTable(); });
}

// ---- Table -------------------------------------------------------------------

void MainWindow::refreshTable() {
    model->reload();
    if (db->transCount() <= 0) return;
    fitTable();
}

void MainWindow::appendTableRow() {
    model->appendLastTransaction();
    fitTable();
}

void MainWindow::modifyTableRow(int index) {
    model->transactionModified(index);
    fitTable();
}

void MainWindow::removeTableRow(int position) {
    model->transactionDeleted(position);
    fitTable();
}

void MainWindow::fitTable() {
    table->fitColumns();
    // Re-apply the current sort in its current direction: the same column
    // inverts the direction, so it is inverted first.
    sortAscending = !sortAscending;
    sortingTable(sortColumn);

    int width = table->fullWidth();
    if (const QScreen* shown = screen()) width = std::min(width, shown->availableGeometry().width());
    setFixedWidth(width);
}

void MainWindow::sortingTable(int column) {
    // The same column again turns the direction; a new column keeps it.
    if (column == sortColumn)
        sortAscending = !sortAscending;
    else
        sortColumn = column;
    model->sortRows(sortColumn, sortAscending);
}

// ---- Recent books ------------------------------------------------------------

QMenu* MainWindow::createRecentBooksMenu() {
    recentMenu = new RecentBooksMenu(*recentBooks, this);
    // Like a dropped file: unsaved changes are asked about first, and a book
    // that can't be read leaves the open one as it was.
    connect(recentMenu, &RecentBooksMenu::bookChosen, this,
            [this](const QString& path) { openFile(BookPath::fromDisplay(path)); });
    return recentMenu;
}

void MainWindow::rememberBook(const BookPath& path) { recentBooks->add(path.display()); }

QString MainWindow::dialogFolder() const { return recentBooks->lastFolder(); }
// ---- CSV import and export -----------------------------------------------------

void MainWindow::createCsvActions() {
    csvCommands = new CsvCommands(this, *db);
    importCsvAct = createAction("importCsvAct");
    exportCsvAct = createAction("exportCsvAct");
    connect(importCsvAct, &QAction::triggered, this, &MainWindow::importCsv);
    connect(exportCsvAct, &QAction::triggered, this, &MainWindow::exportCsv);
}

void MainWindow::updateCsvTexts() {
    setActionTexts(importCsvAct, tr("&Import CSV…"), QString(),
                   tr("Add the transactions of a CSV file to the database"));
    setActionTexts(exportCsvAct, tr("&Export CSV…"), QString(), tr("Write the transactions to a CSV file"));
}

void MainWindow::importCsv() {
    // An import that fails, running out of memory too, leaves the book as
    // it was, unsaved changes included.
    ImportCsvCommand::Before before;
    bool imported = false;
    guarded([&] {
        before = ImportCsvCommand::before(*db);
        imported = csvCommands->importFile(*prompts);
    });
    if (imported) {
        // As after any change: the rows in the current sort, and the status.
        guarded([this] { refreshTable(); });
        recordChange<ImportCsvCommand>(before);
    }
    updateStatus();
}

void MainWindow::exportCsv() { csvCommands->exportFile(*prompts, fileName.bytes()); }

// ---- Undo and redo ---------------------------------------------------------------

void MainWindow::createUndoActions() {
    undoStack = new QUndoStack(this);
    bookHooks = std::make_unique<BookCommandHooks>();
    bookHooks->db = db.get();
    bookHooks->appended = [this] { appendTableRow(); };
    bookHooks->modified = [this](int index) { modifyTableRow(index); };
    bookHooks->removed = [this](int position) { removeTableRow(position); };
    bookHooks->reloaded = [this] { refreshTable(); };
    bookHooks->renamed = [this] { updateTitle(true); };
    bookHooks->failed = [this](const std::string& message) { historyFailure = message; };

    undoAct = createAction("undoAct");
    redoAct = createAction("redoAct");
    connect(undoAct, &QAction::triggered, this, &MainWindow::undoChange);
    connect(redoAct, &QAction::triggered, this, &MainWindow::redoChange);
    editMenu->addAction(undoAct);
    editMenu->addAction(redoAct);

    connect(undoStack, &QUndoStack::indexChanged, this, &MainWindow::followHistory);
    connect(undoStack, &QUndoStack::cleanChanged, this, &MainWindow::followHistory);
}

void MainWindow::updateUndoTexts() {
    // A type name's "&" is shown, not taken as a shortcut letter.
    const auto named = [](const QString& format, QString what) { return format.arg(what.replace(QLatin1Char('&'), QLatin1String("&&"))); };
    setActionTexts(undoAct, undoStack->canUndo() ? named(tr("&Undo %1"), undoStack->undoText()) : tr("&Undo"),
                   tr("Ctrl+Z"), tr("Take back the last change to the database"));
    setActionTexts(redoAct, undoStack->canRedo() ? named(tr("&Redo %1"), undoStack->redoText()) : tr("&Redo"),
                   tr("Ctrl+Shift+Z"), tr("Make the change taken back again"));
    undoAct->setEnabled(undoStack->canUndo());
    redoAct->setEnabled(undoStack->canRedo());
}

void MainWindow::undoChange() {
    historyFailure.clear();
    undoStack->undo();
    dropHistoryAfterFailure();
}

void MainWindow::redoChange() {
    historyFailure.clear();
    undoStack->redo();
    dropHistoryAfterFailure();
}

void MainWindow::dropHistoryAfterFailure() {
    if (historyFailure.empty()) return;
    const std::string message = std::exchange(historyFailure, std::string());
    // Whatever part of the step was done stays, so the book counts as changed.
    forgetHistory(true);
    guarded([this] { refreshTable(); });
    updateTitle(databaseInUse());
    warnCoreError(message);
}

template <typename Command, typename... Args>
void MainWindow::recordChange(Args&&... args) {
    if (!guarded([&] { undoStack->push(new Command(*bookHooks, std::forward<Args>(args)...)); }))
        forgetHistory(true);
}

void MainWindow::forgetHistory(bool unsaved) {
    // An empty history is left as it is by clear, clean state included.
    undoStack->clear();
    if (unsaved)
        undoStack->resetClean();
    else
        undoStack->setClean();
    followHistory();
}

void MainWindow::followHistory() {
    db->setModified(!undoStack->isClean());
    updateUndoTexts();
    updateStatus();
}

void MainWindow::watchTypeChanges(TransactionDialog& dialog) {
    connect(&dialog, &TransactionDialog::typeAdded, this,
            [this](int id) { recordChange<AddTypeCommand>(id); });
    connect(&dialog, &TransactionDialog::typeDeleted, this, [this](int id, const std::string& name) {
        recordChange<DeleteTypeCommand>(id, name);
    });
}
