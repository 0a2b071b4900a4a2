#include "ui/window/mainwindow.h"

#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QLocale>
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

#include "core/accountdb.h"
#include "text/big5text.h"
#include "text/booktext.h"
#include "ui/app/appidentity.h"
#include "ui/book/book.h"
#include "ui/book/formatquestion.h"
#include "ui/book/transactioncolumns.h"
#include "ui/booksettings/booksettingsdialog.h"
#include "ui/charts/chartdialog.h"
#include "ui/charts/chartlauncher.h"
#include "ui/csv/csvcommands.h"
#include "ui/find/filterbar.h"
#include "ui/history/bookcommands.h"
#include "ui/languages/languagemenu.h"
#include "ui/prompts/commandguard.h"
#include "ui/prompts/dbnamedialog.h"
#include "ui/prompts/dialogprompts.h"
#include "ui/recent/recentbooks.h"
#include "ui/recent/recentbooksmenu.h"
#include "ui/statements/statementcommands.h"
#include "ui/statistics/budgetdialog.h"
#include "ui/statistics/grandtotaldialog.h"
#include "ui/statistics/percentagedialog.h"
#include "ui/table/transactiontablemodel.h"
#include "ui/table/transactiontableview.h"
#include "ui/transactions/transactioncommands.h"
#include "ui/window/filecommands.h"
#include "ui/window/windowactions.h"
#include "ui/window/windowstatus.h"

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent),
      book(new Book(this)),
      recentBooks(std::make_unique<RecentBooks>()),
      programTranslator(new QTranslator(this)),
      toolkitTranslator(new QTranslator(this)),
      dialogPrompts(std::make_unique<DialogPrompts>()),
      prompts(dialogPrompts.get()),
      guard(this, prompts),
      transactions(this, *book, prompts, guard),
      files(this, *book, *recentBooks, prompts, guard) {
    model = new TransactionTableModel(this);
    model->setBook(*book);
    table = new TransactionTableView(model, this);
    table->setObjectName(QStringLiteral("table"));
    connect(table->horizontalHeader(), &QHeaderView::sectionClicked, this, &MainWindow::sortingTable);
    setCentralWidget(table);
    // Only the height matters: the width follows the columns.
    resize(640, 480);
    setAcceptDrops(true);
    // The dialogs and the about box show it too, as children of the window.
    setWindowIcon(applicationIcon());
}

MainWindow::~MainWindow() {
    // The view and the model read the book; they go before it does, and
    // the book's last words go unheard.
    book->disconnect();
    delete table;
    delete model;
}

void MainWindow::setLangDir(const QString& folder) { langDir = folder; }

void MainWindow::setPrompts(UserPrompts* replacement) { prompts = replacement ? replacement : dialogPrompts.get(); }

const KestLib::AccountDB& MainWindow::database() const { return book->database(); }
QString MainWindow::boundFileName() const { return book->path().display(); }
const BookPath& MainWindow::boundPath() const { return book->path(); }
QUndoStack* MainWindow::history() const { return book->history(); }

void MainWindow::initWindow() {
    languageMenu = new LanguageMenu(this);
    languageMenu->fill(langDir);
    languageMenu->startInEnglish(*programTranslator, *toolkitTranslator);
    connect(languageMenu, &LanguageMenu::languageChosen, this, &MainWindow::switchToLanguage);
    filterBar = new FilterBar(this);
    filterBar->setBook(*book);
    // The imports are children of the window; their actions run them.
    auto* csv = new CsvCommands(this, *book, prompts, guard);
    auto* statements = new StatementCommands(this, *book, prompts, guard);
    actions = new WindowActions({*this, *book, *filterBar, *csv, *statements}, menuBar(), languageMenu);
    recentMenu = new RecentBooksMenu(*recentBooks, this);
    // Like a dropped file: unsaved changes are asked about first, and a book
    // that can't be read leaves the open one as it was.
    connect(recentMenu, &RecentBooksMenu::bookChosen, this,
            [this](const QString& path) { openFile(BookPath::fromDisplay(path)); });
    actions->menu(WindowActions::Menu::File)->insertMenu(actions->action(WindowActions::Id::Save), recentMenu);
    // The keyboard's and the double-click's way to the right-click commands.
    connect(table, &TransactionTableView::modifyRequested, actions->action(WindowActions::Id::TransModifyOne),
            &QAction::trigger);
    connect(table, &TransactionTableView::deleteRequested, actions->action(WindowActions::Id::TransDeleteOne),
            &QAction::trigger);
    refreshTable();
    createCentre();
    createStatusBar();
    followBook();
    updateTexts();
}

void MainWindow::createCentre() {
    connect(filterBar, &FilterBar::searchChanged, this, &MainWindow::applySearch);
    connect(filterBar, &FilterBar::rowsWanted, this, [this] {
        if (model->rowCount() == 0) return;
        table->setFocus(Qt::TabFocusReason);
        table->setCurrentIndex(model->index(0, 0));
    });
    // No book, nothing to find: the bar goes with the book.
    connect(actions->action(WindowActions::Id::Find), &QAction::enabledChanged, this, [this](bool enabled) {
        if (!enabled) filterBar->closeBar();
    });
    // The bar goes above the table.
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(filterBar);
    layout->addWidget(takeCentralWidget());
    setCentralWidget(centre);
}

void MainWindow::createStatusBar() { status = new WindowStatus(statusBar(), *book, *model); }

void MainWindow::followBook() {
    connect(table, &TransactionTableView::columnsFitted, this, &MainWindow::fitWidth);
    connect(model, &TransactionTableModel::readFailed, this,
            [this](const std::exception_ptr& error) { guard([&] { std::rethrow_exception(error); }); });
    connect(book, &Book::renamed, this, &MainWindow::updateTitle);
    connect(book, &Book::reset, this, &MainWindow::updateTitle);
    connect(book, &Book::openChanged, this, [this](bool open) { actions->enableBookActions(open); });
    connect(book, &Book::modifiedChanged, this, &MainWindow::updateUndoTexts);
    connect(book, &Book::historyLost, this,
            [this](const QString& text, const QString& details) { guard.warnText(text, details); });
}

void MainWindow::updateTexts() {
    updateTitle();
    actions->retranslate();
    recentMenu->retranslate();
    filterBar->retranslate();
    updateUndoTexts();
    // The column headers and the cells' own words; stored texts read the
    // same in every language.
    model->retranslate();
    updateStatus();
}

void MainWindow::updateUndoTexts() {
    // A type name's "&" is shown, not taken as a shortcut letter.
    const auto named = [](const QString& format, QString what) {
        return format.arg(what.replace(QLatin1Char('&'), QLatin1String("&&")));
    };
    const QUndoStack* steps = book->history();
    QAction* undo = actions->action(WindowActions::Id::Undo);
    QAction* redo = actions->action(WindowActions::Id::Redo);
    undo->setText(steps->canUndo() ? named(tr("&Undo %1"), describedStep(*steps, steps->index() - 1)) : tr("&Undo"));
    redo->setText(steps->canRedo() ? named(tr("&Redo %1"), describedStep(*steps, steps->index())) : tr("&Redo"));
    undo->setEnabled(steps->canUndo());
    redo->setEnabled(steps->canRedo());
}

void MainWindow::updateStatus() { status->update(); }

void MainWindow::updateTitle() {
    if (book->isOpen())
        setWindowTitle(tr("Pennywell - %1").arg(shownName()));
    else
        setWindowTitle(tr("Pennywell"));
}

QMenu* MainWindow::createContextMenu() {
    auto* menu = new QMenu(this);
    menu->addActions(actions->actionsOf(WindowActions::Menu::Context));
    return menu;
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createContextMenu());
    menu->exec(event->globalPos());
}

void MainWindow::about() { QMessageBox::about(this, tr("About Pennywell"), aboutText()); }

QString MainWindow::shownName() const {
    return TransactionColumns::storedText(book->database(), book->database().name());
}

bool MainWindow::acceptableName(const QString& name, int format) {
    PwText::BookTextCodec texts(format);
    const QString why = DBNameDialog::whyNotStorable(name, texts);
    if (why.isEmpty()) return true;
    if (texts.storesUtf8())
        guard.warnText(tr("The name can't be stored in this database."), why);
    else
        guard.warnText(tr("The name can't be stored in a Pennywell database file: "
                          "it may hold only Big5 characters and at most 255 bytes."),
                       why);
    return false;
}

// ---- File commands ---------------------------------------------------------

bool MainWindow::maybeSave() { return files.maybeSave(); }

void MainWindow::newDB() {
    if (!maybeSave()) return;
    // A name only the newer format holds starts the book in it: nothing
    // older has read a new book, so nothing is asked.
    const auto answer = prompts->askDatabaseName(this, shownName(), 1,
                                                 [](const QString& name) { return FormatQuestion::forNewBook(name); });
    int format = 1;
    FormatQuestion::forNewBook(answer.name, &format);
    // A new book, as one opened, starts with the find bar closed: nothing
    // asked of the last book is asked of it.
    if (answer.accepted && acceptableName(answer.name, format) && guard([&] {
            std::string name;
            FormatQuestion::storable(format, answer.name, PwText::StoredTextKind::Name, &name);
            book->startNew(name, format);
        }))
        filterBar->closeBar();
}

void MainWindow::openDB() {
    if (!maybeSave()) return;
    // Chosen or not, the table is shown afresh: rows in book order, the
    // current sort re-applied (a load does that itself).
    if (files.openChosen())
        filterBar->closeBar();
    else
        guard([this] { refreshTable(); });
}

void MainWindow::openFile(const BookPath& path) {
    if (maybeSave() && files.open(path)) filterBar->closeBar();
}

bool MainWindow::saveDB() { return files.save(); }

bool MainWindow::saveAsDB() { return files.saveAs(); }

void MainWindow::closeDB() {
    if (maybeSave()) book->close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!maybeSave()) {
        event->ignore();
        return;
    }
    // The book itself lives on until the window goes, so that nothing that
    // still runs before then can reach a dangling pointer.
    book->close();
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

// ---- Transaction and name commands --------------------------------------------

void MainWindow::transCreate() { transactions.create(); }
void MainWindow::transDelete() { transactions.deleteChosen(); }
void MainWindow::transModify() { transactions.modifyChosen(); }

void MainWindow::transDeleteOne() {
    if (const std::optional<int> index = currentTransactionIndex()) transactions.deleteOne(*index);
}

void MainWindow::transModifyOne() {
    if (const std::optional<int> index = currentTransactionIndex()) transactions.modifyOne(*index);
}

std::optional<int> MainWindow::currentTransactionIndex() const {
    // Indexes read from a file may be 0 or negative, so only the row says
    // whether there is one.
    const QModelIndex current = table->currentIndex();
    if (!current.isValid()) return std::nullopt;
    return model->transactionIndexAt(current.row());
}

bool MainWindow::dbDBName() {
    const auto answer = prompts->askDatabaseName(this, shownName(), book->database().format(),
                                                 FormatQuestion::forName(*book, prompts, this));
    const int format = book->database().format();
    std::string name;
    return answer.accepted && acceptableName(answer.name, format) && guard([&] {
               FormatQuestion::storable(format, answer.name, PwText::StoredTextKind::Name, &name);
               book->rename(name);
           });
}

void MainWindow::bookSettings() {
    BookSettingsDialog dialog(this);
    guard([&] {
        dialog.setPrompts(prompts);
        dialog.setBook(*book);
        prompts->runDialog(dialog);
    });
}

// ---- Analyses and charts: their dialogs only read the book ---------------------

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
    guard([&] {
        dialog.setPrompts(prompts);
        dialog.setDB(&book->database());
        ChartLauncher::serve(dialog, *prompts);
        prompts->runDialog(dialog);
    });
}

void MainWindow::dbCharts() {
    ChartDialog dialog(this);
    guard([&] {
        dialog.setPrompts(prompts);
        dialog.setDB(&book->database());
        if (prompts->runDialog(dialog)) ChartLauncher::show(dialog, *prompts, this);
    });
}

// ---- Find ----------------------------------------------------------------------

void MainWindow::applySearch() {
    guard([this] { model->setSearch(filterBar->search()); });
    status->updateFind();
}

// ---- Languages ---------------------------------------------------------------

void MainWindow::switchToLanguage(int param) {
    if (!languageMenu->switchTo(param, *programTranslator, *toolkitTranslator)) return;
    // The find bar's date boxes and their calendars speak the new language too.
    setLocale(QLocale());
    updateTexts();
    guard([this] { refreshTable(); });
}

// ---- Table -------------------------------------------------------------------

void MainWindow::refreshTable() {
    model->reload();
    if (book->database().transCount() <= 0) return;
    table->fitColumns();
    model->resort();
    fitWidth();
}

void MainWindow::fitWidth() {
    // Never narrower than the menu bar, whose last menus would hide behind
    // its overflow button where the book's texts are short.
    int width = std::max(table->fullWidth(), menuBar()->sizeHint().width());
    if (const QScreen* shown = screen()) width = std::min(width, shown->availableGeometry().width());
    setFixedWidth(width);
}

void MainWindow::sortingTable(int column) { model->sortByClick(column); }
