// Takes the README's screenshots: the main window with a book, and the report
// of each analysis the program offers. Run it on a display (tools/screenshots
// runs it under a virtual one).
//
//   screenshotdriver BOOK FOLDER [LOCALE]
//
// With a locale ("de", "zh_TW") the pictures show that language.
//
// An analysis whose command opens no dialog yet is reported and skipped, so
// the same driver takes those screenshots as soon as the program has them.

#include <QAbstractButton>
#include <QApplication>
#include <QDateEdit>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cstdio>

#include "core/accountdb.h"
#include "ui/find/filterbar.h"
#include "ui/prompts/dialogprompts.h"
#include "ui/statistics/quickrange.h"
#include "ui/window/mainwindow.h"

namespace {

struct Analysis {
    const char* action;
    const char* shot;
};
const Analysis analyses[] = {
    {"grandTotalAct", "grand-total"},
    {"percentageAct", "percentage"},
    {"budgetAct", "budget"},
    {"chartsAct", "charts"},
};

bool save(QWidget& widget, const QString& file) {
    if (!QTest::qWaitForWindowExposed(&widget)) return false;
    // Let layouts and fonts settle before the picture.
    QTest::qWait(200);
    if (!widget.grab().save(file)) return false;
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(file)));
    return true;
}

// The window's questions answered as a person taking screenshots would: an
// analysis dialog is set to the whole book, all types, income and outgoing,
// and its report is photographed instead of waited on.
class ShotPrompts : public DialogPrompts {
public:
    QString folder;
    QString shot;  // the name of the screenshot being taken
    QDate first, last;
    int dialogsRun = 0;
    int reportsTaken = 0;
    QString dataFile;  // what a file dialog for data picks; empty: it is cancelled

    FileChoice chooseDataFile(QWidget*, bool, const QStringList&, const QString&) override { return {dataFile, 0}; }

    void inform(QWidget* parent, const QString& caption, const QString& text) override {
        QMessageBox box(QMessageBox::Information, caption, shownReport(text), QMessageBox::Yes, parent);
        // Not modal, so that the poll in runDialog leaves it to this function.
        box.setWindowModality(Qt::NonModal);
        box.show();
        if (save(box, folder + u'/' + shot + QStringLiteral(".png"))) ++reportsTaken;
    }

    bool runDialog(QDialog& dialog) override {
        ++dialogsRun;
        // The statement dialog is its own picture, with its preview; nothing
        // is imported. So are the charts' window and Book Settings.
        if (dialog.inherits("StatementImportDialog") || dialog.inherits("ChartWindow") ||
            dialog.inherits("BookSettingsDialog")) {
            dialog.show();
            if (save(dialog, folder + u'/' + shot + QStringLiteral(".png"))) ++reportsTaken;
            return false;
        }
        setDate(dialog, "fromDate", first);
        setDate(dialog, "toDate", last);
        // The budget's "today": the middle of the book's span.
        setDate(dialog, "todayDate", first.addDays(first.daysTo(last) / 2));
        if (auto* types = dialog.findChild<QListWidget*>(QStringLiteral("typeListBox")); types && types->count() > 0)
            types->item(0)->setSelected(true);  // "ALL"
        // The charts' choice is accepted; their window comes next.
        if (dialog.inherits("ChartDialog")) return true;
        dialog.show();
        if (!QTest::qWaitForWindowExposed(&dialog)) return false;

        // A report the dialog shows as its own box (the message box, or the
        // one whose text scrolls), not through the prompts, runs modally: it
        // is photographed and closed from the loop.
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [this, &poll] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!box) return;
            poll.stop();
            if (save(*box, folder + u'/' + shot + QStringLiteral(".png"))) ++reportsTaken;
            box->done(QMessageBox::Yes);
        });
        poll.start(100);
        if (QAbstractButton* ok = okButton(dialog)) ok->click();
        poll.stop();
        return false;
    }

private:
    static void setDate(QDialog& dialog, const char* name, QDate date) {
        if (auto* edit = dialog.findChild<QDateEdit*>(QString::fromLatin1(name))) edit->setDate(date);
    }
    static QAbstractButton* okButton(QDialog& dialog) {
        // OK in the language shown.
        const QString ok = QCoreApplication::translate("StatisticDialog", "OK");
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->objectName() == QLatin1String("okButton") || button->text() == ok) return button;
        return nullptr;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: screenshotdriver BOOK FOLDER [LOCALE]\n");
        return 2;
    }
    const QString book = QFile::decodeName(argv[1]);
    ShotPrompts prompts;
    prompts.folder = QFile::decodeName(argv[2]);
    if (!QDir().mkpath(prompts.folder)) return 1;

    MainWindow window;
    window.setPrompts(&prompts);
    window.setLangDir(QStringLiteral(PENNYWELL_LANGUAGES_DIR));
    // As the program's main does: the toolkit's translator, installed last, is consulted first.
    app.installTranslator(window.appTranslator());
    app.installTranslator(window.qtTranslator());
    window.initWindow();
    if (argc == 4) {
        auto* language = window.findChild<QAction*>(QStringLiteral("language_") + QString::fromLatin1(argv[3]));
        if (!language) {
            std::fprintf(stderr, "no language %s\n", argv[3]);
            return 1;
        }
        language->trigger();
    }
    window.show();
    window.openFile(book);
    const KestLib::AccountDB& db = window.database();
    if (db.transCount() == 0) {
        std::fprintf(stderr, "%s holds no transactions\n", argv[1]);
        return 1;
    }
    prompts.shot = QStringLiteral("window");
    if (!save(window, prompts.folder + QStringLiteral("/window.png"))) return 1;

    // ---- Find: the bar open, a text typed, the rows and figures it finds ----
    if (auto* find = window.findChild<QAction*>(QStringLiteral("findAct"))) {
        find->trigger();
        auto* text = window.findChild<QLineEdit*>(QStringLiteral("findText"));
        QTest::keyClicks(text, QStringLiteral("e"));
        QTest::qWait(FilterBar::typingPause * 2);
        if (!save(window, prompts.folder + QStringLiteral("/find.png"))) return 1;
        QTest::keyClick(text, Qt::Key_Escape);
    }

    // The span of the book, for the analyses' dates.
    const std::optional<QuickRange::Span> span = QuickRange::bookSpan(db);
    if (!span) return 1;
    prompts.first = span->first;
    prompts.last = span->last;

    int failures = 0;
    for (const Analysis& analysis : analyses) {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(analysis.action));
        prompts.shot = QString::fromLatin1(analysis.shot);
        const int dialogsBefore = prompts.dialogsRun;
        const int reportsBefore = prompts.reportsTaken;
        if (action) action->trigger();
        if (prompts.dialogsRun == dialogsBefore) {
            std::printf("skipped %s: the program has no such report yet\n", analysis.shot);
        } else if (prompts.reportsTaken == reportsBefore) {
            std::fprintf(stderr, "no report was shown for %s\n", analysis.shot);
            ++failures;
        }
    }

    // ---- File > Import Statement…: a bank's CSV that overlaps the book's end ----
    if (auto* importStatement = window.findChild<QAction*>(QStringLiteral("importStatementAct"))) {
        const QTemporaryDir statementFolder;
        QFile statement(statementFolder.filePath(QStringLiteral("giro.csv")));
        if (!statement.open(QIODevice::WriteOnly) || statement.write("Buchungstag;Verwendungszweck;Betrag\r\n"
                                                                     "30.12.2026;Corner shop;-19,00\r\n"
                                                                     "30.12.2026;Bike repair;-42,00\r\n"
                                                                     "31.12.2026;Savings account;3,00\r\n"
                                                                     "02.01.2027;Supermarket;-58,40\r\n"
                                                                     "04.01.2027;Milk and bread;-7,15\r\n"
                                                                     "05.01.2027;Bakery;-6,80\r\n"
                                                                     "08.01.2027;Bus ticket;-2,50\r\n"
                                                                     "10.01.2027;Cinema;-24,00\r\n") < 0)
            return 1;
        statement.close();
        prompts.dataFile = statement.fileName();
        prompts.shot = QStringLiteral("statement");
        const int reportsBefore = prompts.reportsTaken;
        importStatement->trigger();
        prompts.dataFile.clear();
        if (prompts.reportsTaken == reportsBefore) {
            std::fprintf(stderr, "no statement dialog was shown\n");
            ++failures;
        }
    }

    // ---- Database > Book Settings…: the book's format, decimals and name ----
    if (auto* settings = window.findChild<QAction*>(QStringLiteral("bookSettingsAct"))) {
        prompts.shot = QStringLiteral("book-settings");
        const int reportsBefore = prompts.reportsTaken;
        settings->trigger();
        if (prompts.reportsTaken == reportsBefore) {
            std::fprintf(stderr, "no book settings dialog was shown\n");
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
