#include "mainwindow.h"

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
#include <QUrl>
#include <algorithm>

#include "accountdb.h"
#include "big5text.h"
#include "dialogprompts.h"
#include "errormsg.h"
#include "saveplan.h"
#include "transactiontablemodel.h"
#include "transactiontableview.h"

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
}

MainWindow::~MainWindow() {
    // The view and the model read the database; they go before it does.
    delete table;
    delete model;
}

void MainWindow::setLangDir(const QString& folder) { langDir = folder; }

void MainWindow::setPrompts(UserPrompts* replacement) {
    prompts = replacement ? replacement : dialogPrompts.get();
}

void MainWindow::initWindow() {
    createActions();
    refreshTable();
    createMenus();
    createStatusBar();
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

    // The transaction and analysis commands get their dialogs later; until
    // then their actions exist, with texts and enabled state, unconnected.
    transCreateAct = createAction("transCreateAct");
    transDeleteAct = createAction("transDeleteAct");
    transModifyAct = createAction("transModifyAct");
    transDeleteOneAct = createAction("transDeleteOneAct");
    transModifyOneAct = createAction("transModifyOneAct");

    dbNameAct = createAction("dbNameAct");
    grandTotalAct = createAction("grandTotalAct");
    budgetAct = createAction("budgetAct");
    percentageAct = createAction("percentageAct");
    connect(dbNameAct, &QAction::triggered, this, &MainWindow::dbDBName);

    aboutAct = createAction("aboutAct");
    aboutQtAct = createAction("aboutQtAct");
    connect(aboutAct, &QAction::triggered, this, &MainWindow::about);
    connect(aboutQtAct, &QAction::triggered, qApp, &QApplication::aboutQt);
}

void MainWindow::createMenus() {
    fileMenu = new QMenu(this);
    fileMenu->addAction(newAct);
    fileMenu->addAction(openAct);
    fileMenu->addAction(saveAct);
    fileMenu->addAction(saveAsAct);
    fileMenu->addAction(closeAct);
    fileMenu->addSeparator();
    fileMenu->addAction(exitAct);

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
    for (QMenu* menu : {fileMenu, transMenu, dbMenu, langMenu, helpMenu}) menuBar()->addMenu(menu);
}

void MainWindow::createLanguageMenu() {
    langGroup = new QActionGroup(this);
    langGroup->setExclusive(true);
    // No folder means no languages to offer (an empty path would be the
    // current directory).
    if (langDir.isEmpty()) return;

    const QStringList files = QDir(langDir).entryList({QStringLiteral("Pennywell_*.qm")}, QDir::Files,
                                                      QDir::Name | QDir::IgnoreCase);
    for (const QString& file : files) {
        QTranslator probe;
        // A file that can't be loaded is still offered, under its locale.
        (void)probe.load(file, langDir);

        const qsizetype underscore = file.indexOf(u'_');
        const qsizetype dot = file.indexOf(u'.', underscore + 1);
        const QString locale = file.mid(underscore + 1, dot - underscore - 1);
        const QString translated = probe.translate(context, "English");
        const QString languageName = translated.isEmpty() ? locale : translated;

        const int param = static_cast<int>(locales.size());
        locales.append(locale);
        QAction* item = langMenu->addAction(languageName);
        item->setCheckable(true);
        item->setData(param);
        item->setChecked(languageName == QLatin1String("English"));
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

    fileMenu->setTitle(tr("&File"));
    transMenu->setTitle(tr("&Transaction"));
    dbMenu->setTitle(tr("&Database"));
    statMenu->setTitle(tr("&Statistic"));
    langMenu->setTitle(tr("&Language"));
    helpMenu->setTitle(tr("&Help"));

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
}

void MainWindow::updateTitle(bool force) {
    if (!fileName.isEmpty() || force)
        setWindowTitle(tr("Pennywell - %1").arg(fromBig5(context, db->name())));
    else
        setWindowTitle(tr("Pennywell"));
}

QList<QAction*> MainWindow::dbActions() const {
    return {transCreateAct, transDeleteAct, transModifyAct, transDeleteOneAct, transModifyOneAct,
            dbNameAct,      grandTotalAct,  budgetAct,      percentageAct};
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
bool MainWindow::guarded(Work&& work) {
    try {
        work();
        return true;
    } catch (const KestLib::ErrorMsg& error) {
        warnCoreError(error.message());
    } catch (const std::exception& error) {
        // No exception may leave a handler: Qt can't unwind through its event loop.
        warnCoreError(error.what());
    }
    return false;
}

void MainWindow::warnCoreError(const std::string& message) {
    // The core's messages double as translation keys in this window's context.
    prompts->warn(this, tr("Warning"), fromBig5(context, message));
}

bool MainWindow::acceptableName(const QString& name) {
    if (fitsBig5(name)) return true;
    prompts->warn(this, tr("Warning"),
                  tr("The name can't be stored in a Pennywell database file: "
                     "it may hold only Big5 characters and at most 255 bytes."));
    return false;
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
                fileName = BookPath();
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
        const BookPath path = BookPath::fromDisplay(prompts->openFileName(this, fileFilter));
        // Chosen or not, the table is shown afresh: rows in database order,
        // the current sort re-applied (a load does that itself).
        if (path.isEmpty() || !guarded([&] { loadBook(path); })) refreshTable();
    }
    updateStatus();
}

void MainWindow::openFile(const BookPath& path) {
    if (maybeSave()) guarded([&] { loadBook(path); });
    updateStatus();
}

void MainWindow::loadBook(const BookPath& path) {
    // The core replaces the database only when the whole file was read.
    db->loadFile(path.bytes());
    fileName = path;
    updateTitle(false);
    enableDBActions();
    refreshTable();
}

bool MainWindow::saveDB() {
    if (!db->isModified()) return true;
    if (fileName.isEmpty()) return saveAsDB();
    // A book opened without the extension is written under the completed
    // name, which may be another book: that one is asked about and backed up.
    const SavePlan plan = SavePlan::forSave(fileName);
    return confirmReplace(plan) && saveTo(plan);
}

bool MainWindow::saveAsDB() {
    const QString chosen = prompts->saveFileName(this, fileFilter);
    if (chosen.isEmpty()) return false;
    // Save As keeps no backup; the overwrite question guards what it replaces.
    const SavePlan plan = SavePlan::forSaveAs(BookPath::fromDisplay(chosen));
    return confirmReplace(plan) && saveTo(plan);
}

bool MainWindow::confirmReplace(const SavePlan& plan) {
    if (plan.overwritten().isEmpty()) return true;
    const QString question = tr("File %1 already exists.\nDo you want to override it?")
                                 .arg(QDir::toNativeSeparators(plan.overwritten().display()));
    return prompts->askOverwrite(this, tr("Pennywell"), question);
}

bool MainWindow::saveTo(const SavePlan& plan) {
    const bool saved = guarded([&] {
        if (!plan.backupSource().isEmpty()) writeBackupOf(plan.backupSource());
        std::string written = plan.target().bytes();
        db->saveFile(written);
        // The window is bound to the file really written, so the next Save
        // backs up that one.
        fileName = BookPath::fromBytes(written);
    });
    updateStatus();
    return saved;
}

void MainWindow::writeBackupOf(const BookPath& path) {
    // The previous file is read and written again, so a damaged file stops
    // the save before the file is replaced.
    KestLib::AccountDB previous;
    previous.loadFile(path.bytes());
    std::string backup = path.bytes() + ".bak";
    previous.saveFile(backup);
}

void MainWindow::closeDB() {
    if (maybeSave()) {
        db->clear();
        fileName = BookPath();
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

// ---- Name command ------------------------------------------------------------

bool MainWindow::dbDBName() {
    const auto answer = prompts->askDatabaseName(this, fromBig5(context, db->name()));
    bool named = false;
    if (answer.accepted && acceptableName(answer.name)) {
        named = guarded([&] {
            db->setName(toBig5(answer.name));
            updateTitle(true);
        });
    }
    updateStatus();
    return named;
}

// ---- Languages ---------------------------------------------------------------

void MainWindow::switchToLanguage(int param) {
    if (param < 0 || param >= locales.size()) return;
    const QString& locale = locales.at(param);
    // A missing file leaves its translator empty, so those texts stay English.
    (void)programTranslator->load(QStringLiteral("Pennywell_") + locale, langDir);
    (void)toolkitTranslator->load(QStringLiteral("qt_") + locale, langDir);

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
