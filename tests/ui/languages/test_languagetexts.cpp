// The window's texts in each shipped language: mnemonics that never share a
// letter, texts made before a switch that follow it, and texts that fit.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTranslator>
#include <QUndoStack>
#include <cerrno>

#include "core/errormsg.h"
#include "tests/support/coretestsupport.h"
#include "tests/support/windowfixture.h"
#include "ui/book/book.h"
#include "ui/booksettings/booksettingsdialog.h"
#include "ui/prompts/coremessages.h"
#include "ui/prompts/dbnamedialog.h"
#include "ui/prompts/waitingbox.h"
#include "ui/statements/statementimportdialog.h"
#include "ui/statements/statementmappings.h"
#include "ui/statistics/budgetdialog.h"
#include "ui/statistics/grandtotaldialog.h"
#include "ui/statistics/percentagedialog.h"
#include "ui/transactions/transactiondialog.h"

namespace {

const QString shippedDir = QStringLiteral(PENNYWELL_LANGUAGES_DIR);

// The letter Alt reaches, lower case; none for a text without one.
QChar mnemonicOf(const QString& text) {
    const QKeySequence key = QKeySequence::mnemonic(text);
    return key.isEmpty() ? QChar() : QKeySequence(key[0].key()).toString().at(0).toLower();
}

// Each letter two texts of one level share, as "S: &Save, &Statistic".
QStringList clashes(const QStringList& texts, const QSet<QString>& allowed) {
    QHash<QChar, QStringList> byLetter;
    for (const QString& text : texts)
        if (const QChar letter = mnemonicOf(text); !letter.isNull()) byLetter[letter] << text;
    QStringList found;
    for (auto each = byLetter.cbegin(); each != byLetter.cend(); ++each) {
        if (each.value().size() < 2) continue;
        const QString shared = each.value().join(QStringLiteral(", "));
        if (!allowed.contains(shared)) found << QString(each.key()) + QStringLiteral(": ") + shared;
    }
    return found;
}

// Texts cut by their widget: narrower than the least it needs for them.
QStringList cutTexts(const QWidget& top) {
    QStringList cut;
    for (const QWidget* widget : top.findChildren<QWidget*>()) {
        if (!widget->isVisibleTo(&top)) continue;
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->wordWrap()) text = label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) text = button->text();
        if (const auto* box = qobject_cast<const QComboBox*>(widget)) text = box->currentText();
        if (text.isEmpty()) continue;
        if (widget->width() < widget->minimumSizeHint().width())
            cut << QStringLiteral("%1 \"%2\": %3 of %4 px")
                       .arg(widget->objectName(), text)
                       .arg(widget->width())
                       .arg(widget->minimumSizeHint().width());
    }
    return cut;
}

}  // namespace

class TestLanguageTexts : public QObject, private WindowFixture {
    Q_OBJECT

private:
    QTranslator reference;

    void openIn(const QString& locale) {
        prepare();
        startWindow(shippedDir, true);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        if (locale != QLatin1String("en")) {
            QVERIFY(reference.load(QStringLiteral("Pennywell_") + locale, shippedDir));
            action(qPrintable(QStringLiteral("language_") + locale))->trigger();
        }
    }
    QString translated(const char* context, const char* source) const {
        const QString text = reference.isEmpty() ? QString() : reference.translate(context, source);
        return text.isEmpty() ? QString::fromUtf8(source) : text;
    }
    Book* bookOf() const {
        auto* book = window->findChild<Book*>();
        if (!book) qFatal("the window has no book");
        return book;
    }
    static QStringList textsOf(const QMenu& menu) {
        QStringList texts;
        for (const QAction* item : menu.actions())
            if (!item->isSeparator()) texts << item->text();
        return texts;
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() {
        window.reset();
        QApplication::removeTranslator(&reference);
        (void)reference.load(QString());
    }

    void mnemonicsDifferInEveryMenu_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Chinese") << QStringLiteral("zh_TW");
    }
    void mnemonicsDifferInEveryMenu() {
        QFETCH(QString, locale);
        openIn(locale);
        // A book opened shows in Recent Books, numbered.
        std::string book = QFile::encodeName(path(QStringLiteral("a.pwdb"))).toStdString();
        sampleDatabase().saveFile(book);
        window->openFile(path(QStringLiteral("a.pwdb")));
        // English keeps the one clash its own texts were written with.
        const QSet<QString> allowed = locale == QLatin1String("en")
                                          ? QSet<QString>{QStringLiteral("&Set the Database Name, &Statistic")}
                                          : QSet<QString>{};

        // The window's level: the menu bar's titles and the find bar's label.
        QStringList windowLevel;
        for (const QAction* title : window->menuBar()->actions()) windowLevel << title->text();
        for (const QLabel* label : window->findChildren<QLabel*>())
            if (label->buddy()) windowLevel << label->text();
        QStringList faults = clashes(windowLevel, allowed);

        QList<QMenu*> menus;
        for (const QAction* title : window->menuBar()->actions()) menus << title->menu();
        for (qsizetype k = 0; k < menus.size(); ++k) {
            for (const QAction* item : menus[k]->actions())
                if (item->menu()) menus << item->menu();
            emit menus[k]->aboutToShow();
            for (const QString& fault : clashes(textsOf(*menus[k]), allowed))
                faults << menus[k]->title() + QStringLiteral(" > ") + fault;
        }
        QVERIFY(menus.size() >= 8);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    // English is the source language; its file holds the plural forms.
    void englishStartsWithItsPluralForms() {
        openIn(QStringLiteral("en"));
        QCOMPARE(QCoreApplication::translate("BookImport", "%n transaction(s) imported.", nullptr, 1),
                 QStringLiteral("1 transaction imported."));
        QCOMPARE(QCoreApplication::translate("BookImport", "%n transaction(s) imported.", nullptr, 2),
                 QStringLiteral("2 transactions imported."));
    }

    // Texts made in English, then shown after a switch to the language.
    void textsMadeBeforeASwitchFollowIt_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Chinese") << QStringLiteral("zh_TW");
    }
    void textsMadeBeforeASwitchFollowIt() {
        QFETCH(QString, locale);
        openIn(QStringLiteral("en"));
        bookOf()->startNew("Test");
        bookOf()->addType("Food");
        bookOf()->addType("Rent");
        bookOf()->undo();
        QVERIFY(reference.load(QStringLiteral("Pennywell_") + locale, shippedDir));
        action(qPrintable(QStringLiteral("language_") + locale))->trigger();

        const QString addFood = translated("BookCommands", "Add Type %1").arg(QStringLiteral("Food"));
        const QString addRent = translated("BookCommands", "Add Type %1").arg(QStringLiteral("Rent"));
        QCOMPARE(action("undoAct")->text(), translated("MainWindow", "&Undo %1").arg(addFood));
        QCOMPARE(action("redoAct")->text(), translated("MainWindow", "&Redo %1").arg(addRent));
        auto* clear = window->findChild<QAction*>(QStringLiteral("clearRecentBooksAct"));
        QVERIFY(clear);
        QCOMPARE(clear->text(), translated("RecentBooksMenu", "&Clear"));
        QCOMPARE(DBNameDialog(window.get()).windowTitle(), translated("DBNameDialog", "Database Name"));
        // A file warning's path and reason, in the language's punctuation.
        const QString details =
            coreErrorDetails(KestLib::ErrorMsg(KestLib::ErrorCode::fileOpen, "/x/book.pwdb", EACCES));
        QCOMPARE(details, translated("MainWindow", "%1: %2")
                              .arg(QStringLiteral("/x/book.pwdb"), translated("MainWindow", "Permission denied")));
    }

    void textsFitTheirWidgets_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Chinese") << QStringLiteral("zh_TW");
    }
    void textsFitTheirWidgets() {
        QFETCH(QString, locale);
        openIn(locale);
        bookOf()->adopt(sampleDatabase());
        action("findAct")->trigger();
        QTest::qWait(0);
        QStringList faults = cutTexts(*window);
        // The status label takes the width of its text in the language now
        // shown, not the one it started in.
        const auto* status = window->findChild<QLabel*>(QStringLiteral("statusLabel"));
        QVERIFY(status);
        if (status->width() != status->sizeHint().width())
            faults << QStringLiteral("statusLabel \"%1\": %2 px for %3 px of text")
                          .arg(status->text())
                          .arg(status->width())
                          .arg(status->sizeHint().width());

        TransactionDialog entry(window.get());
        GrandTotalDialog total(window.get());
        BudgetDialog budget(window.get());
        PercentageDialog shares(window.get());
        const StatementMappings noneRemembered;
        StatementImportDialog statement(bookOf()->database(),
                                        "Buchungstag;Verwendungszweck;Betrag\r\n31.01.2026;Miete;-700,00\r\n",
                                        noneRemembered, window.get());
        WaitingBox waiting(window.get(), QStringLiteral("Pennywell"),
                           translated("MainWindow", "Waiting for another program that is saving %1…")
                               .arg(QStringLiteral("/home/someone/Documents/household-2026.pwdb")));
        // The settings of a format 1 book, and of one converted.
        Book newer;
        newer.startNew("Newer", 2);
        BookSettingsDialog older(window.get());
        older.setBook(*bookOf());
        BookSettingsDialog converted(window.get());
        converted.setBook(newer);
        for (QDialog* dialog : std::initializer_list<QDialog*>{&entry, &total, &budget, &shares, &statement, &waiting,
                                                               &older, &converted}) {
            dialog->show();
            QVERIFY(QTest::qWaitForWindowExposed(dialog));
            for (const QString& fault : cutTexts(*dialog))
                faults << dialog->metaObject()->className() + QStringLiteral(": ") + fault;
            dialog->hide();
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }
};

QTEST_MAIN(TestLanguageTexts)
#include "test_languagetexts.moc"
