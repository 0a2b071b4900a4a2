// File > Import Statement…: the dialog through its widgets, from the menu
// to the book and back by undo, with small statements of each format.

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <functional>

#include "core/accountdb.h"
#include "core/databaseformat.h"
#include "tests/support/bookbuilder.h"
#include "tests/support/booksupport.h"
#include "tests/support/windowfixture.h"
#include "text/statement.h"
#include "ui/book/applicationsettings.h"
#include "ui/statements/statementpreviewmodel.h"

using namespace BookSupport;

namespace {

const QByteArray german =
    "Buchungstag;Verwendungszweck;Betrag\r\n"
    "31.01.2026;Miete Januar;-850,00\r\n"
    "02.02.2026;Gehalt;2.345,50\r\n";

// Cells of one preview row, joined by '|'.
QString previewRow(QDialog& dialog, int row) {
    const QAbstractItemModel* model = dialog.findChild<QTableView*>(QStringLiteral("preview"))->model();
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column)
        cells << model->index(row, column).data().toString().trimmed();
    return cells.join(u'|');
}

int previewRows(QDialog& dialog) {
    return dialog.findChild<QTableView*>(QStringLiteral("preview"))->model()->rowCount();
}

QPushButton* okButton(QDialog& dialog) {
    return dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"))->button(QDialogButtonBox::Ok);
}

QString labelText(QDialog& dialog, const char* name) {
    return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text();
}

QComboBox* box(QDialog& dialog, const QString& name) {
    auto* found = dialog.findChild<QComboBox*>(name);
    if (!found) qFatal("no box %s", qPrintable(name));
    return found;
}

// The box's item whose text starts so; -1 when none.
int itemStarting(QComboBox* combo, const QString& start) {
    for (int item = 0; item < combo->count(); ++item)
        if (combo->itemText(item).startsWith(start)) return item;
    return -1;
}

}  // namespace

class TestStatementDialog : public QObject, private WindowFixture {
    Q_OBJECT

private:
    std::string bookBytes() const { return KestLib::encodeDatabase(window->database()); }

    void startNewBook() {
        prompts.nameAnswers.push_back({true, QStringLiteral("Statements")});
        action("newAct")->trigger();
    }

    // The statement chosen in the file dialog and the dialog run by look,
    // which may press OK; true when the dialog was accepted.
    bool importStatement(const QByteArray& bytes, std::function<void(QDialog&)> look,
                         const QString& name = QStringLiteral("statement.csv")) {
        writeBytes(path(name), bytes);
        prompts.dataFiles.push_back({path(name), 0});
        bool accepted = false;
        prompts.dialogScripts.push_back([&](QDialog& dialog) {
            look(dialog);
            accepted = dialog.result() == QDialog::Accepted;
            return accepted;
        });
        action("importStatementAct")->trigger();
        return accepted;
    }
    static void pressOk(QDialog& dialog) { QTest::mouseClick(okButton(dialog), Qt::LeftButton); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() {
        // Mappings remembered by an earlier test or run would change what is guessed.
        applicationSettings()->remove(QStringLiteral("statementMappings"));
        openWindow();
    }

    void cleanup() { closeWindow(); }

    void actionSitsBesideTheCsvImportAndWaitsForABook() {
        QMenu* file = window->menuBar()->actions().at(0)->menu();
        const QList<QAction*> items = file->actions();
        QCOMPARE(items.indexOf(action("importStatementAct")), items.indexOf(action("importCsvAct")) + 1);
        QVERIFY(!action("importStatementAct")->isEnabled());
        startNewBook();
        QVERIFY(action("importStatementAct")->isEnabled());
        QVERIFY(!action("importStatementAct")->statusTip().isEmpty());
    }

    void germanBankCsvIsPreviewedAsStoredAndImported() {
        startNewBook();
        QVERIFY(importStatement(german, [](QDialog& dialog) {
            QCOMPARE(box(dialog, "column1")->currentText(), QStringLiteral("Date"));
            QCOMPARE(box(dialog, "column2")->currentText(), QStringLiteral("Comment"));
            QCOMPARE(box(dialog, "column3")->currentText(), QStringLiteral("Amount"));
            QCOMPARE(box(dialog, "dateFormatBox")->currentText(), QStringLiteral("Detected: DD.MM.YYYY"));
            QCOMPARE(box(dialog, "decimalMarkBox")->currentText(), QStringLiteral("Detected: Comma (12,50)"));
            QCOMPARE(previewRows(dialog), 2);
            QCOMPARE(previewRow(dialog, 0), QStringLiteral("2|2026/ 1/31|Outgoing|850||Miete Januar|"));
            QCOMPARE(previewRow(dialog, 1), QStringLiteral("3|2026/ 2/ 2|Income|2346||Gehalt|rounded"));
            QCOMPARE(labelText(dialog, "countsLabel"),
                     QStringLiteral("2 new transaction(s), 0 duplicate(s) skipped, 1 amount(s) rounded, "
                                    "0 faulty row(s)"));
            QVERIFY(okButton(dialog)->isEnabled());
            pressOk(dialog);
        }));
        const KestLib::AccountDB& db = window->database();
        QCOMPARE(db.transCount(), 2);
        const KestLib::Transaction rent = db.transaction(0, false);
        QCOMPARE(rent.year() * 10000 + rent.month() * 100 + rent.day(), 20260131);
        QCOMPARE(rent.amount(), 850);
        QVERIFY(!rent.isIncome());
        QCOMPARE(rent.comment(), std::string("Miete Januar"));
        QCOMPARE(window->history()->count(), 1);
        QCOMPARE(prompts.reports,
                 QStringList{QStringLiteral("Import Statement: 2 transaction(s) imported. 1 amount(s) rounded.")});
    }
    // A book of cents takes the statement's cents as written: nothing to
    // round, so no rule to choose and no mark; the preview writes them in
    // the language's mark.
    void aBookOfDecimalsTakesTheCentsExactly_data() {
        QTest::addColumn<QLocale>("language");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("rent");
        QTest::addColumn<QString>("salary");
        QTest::addColumn<int>("salaryUnits");
        QTest::newRow("cents") << QLocale(QLocale::English) << 2 << "2|2026/ 1/31|Outgoing|850.00||Miete Januar|"
                               << "3|2026/ 2/ 2|Income|2345.50||Gehalt|" << 234550;
        QTest::newRow("cents, German") << QLocale(QLocale::German) << 2 << "2|2026/ 1/31|Outgoing|850,00||Miete Januar|"
                                       << "3|2026/ 2/ 2|Income|2345,50||Gehalt|" << 234550;
        QTest::newRow("thousandths") << QLocale(QLocale::English) << 3 << "2|2026/ 1/31|Outgoing|850.000||Miete Januar|"
                                     << "3|2026/ 2/ 2|Income|2345.500||Gehalt|" << 2345500;
    }
    void aBookOfDecimalsTakesTheCentsExactly() {
        QFETCH(QLocale, language);
        QFETCH(int, decimals);
        QFETCH(QString, rent);
        QFETCH(QString, salary);
        QFETCH(int, salaryUnits);
        QLocale::setDefault(language);
        const QString file = path(QStringLiteral("cents.pwdb"));
        BookBuilder().inFormat2(decimals).writeTo(pathBytes(file));
        window->openFile(file);
        QVERIFY(importStatement(german, [&](QDialog& dialog) {
            QVERIFY(!box(dialog, "amountRuleBox")->isEnabled());
            QCOMPARE(previewRow(dialog, 0), rent);
            QCOMPARE(previewRow(dialog, 1), salary);
            QVERIFY(labelText(dialog, "countsLabel").contains(QStringLiteral("0 amount(s) rounded")));
            pressOk(dialog);
        }));
        QCOMPARE(window->database().transCount(), 2);
        QCOMPARE(window->database().transaction(1, false).amount(), salaryUnits);
        QCOMPARE(prompts.reports, QStringList{QStringLiteral("Import Statement: 2 transaction(s) imported.")});
        QLocale::setDefault(QLocale::c());
    }

    // Each choice reads the file again: the preview's first row after it.
    void aChoiceChangesThePreview_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("choice");  // the item's text, or what is typed into an editable box
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("shown");  // the row's cells, or how they start
        QTest::addColumn<bool>("importable");
        QTest::newRow("amounts read as cents") << "amountRuleBox"
                                               << "Read as cents" << 1 << "3|2026/ 2/ 2|Income|234550||Gehalt|" << true;
        QTest::newRow("a comment column ignored") << "column2"
                                                  << "Ignore" << 0 << "2|2026/ 1/31|Outgoing|850|||" << true;
        QTest::newRow("the amount column as the comment") << "column3"
                                                          << "Comment" << 0 << "" << false;
        QTest::newRow("dates read the American way") << "dateFormatBox"
                                                     << "MM/DD/YYYY" << 0 << "2||||||" << false;
        QTest::newRow("a default type, new")
            << "defaultTypeBox"
            << "Wohnung" << 0 << "2|2026/ 1/31|Outgoing|850|Wohnung (new)|Miete Januar|" << true;
    }
    void aChoiceChangesThePreview() {
        QFETCH(QString, box);
        QFETCH(QString, choice);
        QFETCH(int, row);
        QFETCH(QString, shown);
        QFETCH(bool, importable);
        startNewBook();
        QVERIFY(!importStatement(german, [&](QDialog& dialog) {
            const QString before = previewRow(dialog, row);
            QComboBox* chosen = ::box(dialog, box);
            if (chosen->isEditable()) {
                chosen->setEditText(choice);
            } else {
                const int item = itemStarting(chosen, choice);
                QVERIFY(item >= 0);
                choose(chosen, item);
            }
            QVERIFY(previewRow(dialog, row) != before);
            QVERIFY2(previewRow(dialog, row).startsWith(shown), qPrintable(previewRow(dialog, row)));
            QCOMPARE(okButton(dialog)->isEnabled(), importable);
        }));
        QCOMPARE(window->database().transCount(), 0);
    }

    // A box a column, up to a bank's widest; the columns past the boxes
    // keep their fields when a box changes: here the last, the comment.
    void wideFilesGetBoxesForTheirFirstColumns_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("boxes");
        QTest::newRow("four") << 4 << 4;
        QTest::newRow("as many as there are boxes") << 64 << 64;
        QTest::newRow("one more") << 65 << 64;
        QTest::newRow("many more") << 200 << 64;
    }
    void wideFilesGetBoxesForTheirFirstColumns() {
        QFETCH(int, columns);
        QFETCH(int, boxes);
        QByteArray header = "date,amount";
        QByteArray row = "2026-01-31,-5";
        for (int column = 3; column < columns; ++column) {
            header += ",extra" + QByteArray::number(column);
            row += ",x";
        }
        startNewBook();
        QVERIFY(!importStatement(header + ",comment\n" + row + ",Rent\n", [&](QDialog& dialog) {
            QCOMPARE(dialog.findChildren<QComboBox*>(QRegularExpression(QStringLiteral("^column\\d+$"))).size(), boxes);
            QCOMPARE(previewRow(dialog, 0), QStringLiteral("2|2026/ 1/31|Outgoing|5||Rent|"));
            choose(box(dialog, "column3"), itemStarting(box(dialog, "column3"), QStringLiteral("Comment")));
            QCOMPARE(previewRow(dialog, 0), QStringLiteral("2|2026/ 1/31|Outgoing|5||x Rent|"));
        }));
    }

    // A row at fault keeps the whole statement out and is shown first,
    // with its line; OK does nothing.
    void aFaultyRowBlocksTheImportAndShowsItsLine_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("line");
        const QByteArray header = "Buchungstag;Verwendungszweck;Betrag\n31.01.2026;Miete;-850,00\n";
        QTest::newRow("an amount that isn't one") << header + "01.02.2026;Kaffee;zwei\n" << 3;
        QTest::newRow("an amount beyond a transaction") << header + "01.02.2026;Lotto;-99.999.999.999,00\n" << 3;
        QTest::newRow("a date that isn't one") << header + "01.02.2026;Kaffee;-3,00\n02.13.2026;Tee;-1,00\n" << 4;
        QTest::newRow("a QIF record without its ^")
            << QByteArray("!Type:Bank\nD1/1/2026\nT-1\nD1/2/2026\nT-2\n^\n") << 4;
        QTest::newRow("an OFX transaction without its <STMTTRN>")
            << QByteArray(
                   "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST>\n"
                   "<STMTTRN><DTPOSTED>20260101<TRNAMT>-1</STMTTRN>\n<DTPOSTED>20260102<TRNAMT>-2</STMTTRN>\n"
                   "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n")
            << 3;
    }
    void aFaultyRowBlocksTheImportAndShowsItsLine() {
        QFETCH(QByteArray, bytes);
        QFETCH(int, line);
        startNewBook();
        QVERIFY(!importStatement(bytes, [&](QDialog& dialog) {
            const QStringList cells = previewRow(dialog, 0).split(u'|');
            QCOMPARE(cells.first(), QString::number(line));
            QVERIFY(!cells.last().isEmpty());
            QVERIFY2(labelText(dialog, "noteLabel").contains(cells.last()), qPrintable(labelText(dialog, "noteLabel")));
            QVERIFY(labelText(dialog, "countsLabel").contains(QStringLiteral("1 faulty row(s)")));
            QVERIFY(!okButton(dialog)->isEnabled());
            pressOk(dialog);
        }));
        QCOMPARE(window->database().transCount(), 0);
        QCOMPARE(window->history()->count(), 0);
    }

    // Dates that read with the day or the month first are not guessed: the
    // note shows the first both ways, and the user's choice imports.
    void datesEitherWayRoundWaitForAChoice() {
        startNewBook();
        QVERIFY(importStatement(
            "Date,Description,Amount\n3/6/2016,Coffee,-3.50\n3/5/2016,Grocer,-20\n", [](QDialog& dialog) {
                QCOMPARE(box(dialog, "dateFormatBox")->currentText(), QStringLiteral("Detected: none"));
                QVERIFY2(labelText(dialog, "noteLabel").contains(QStringLiteral("2016-06-03 / 2016-03-06")),
                         qPrintable(labelText(dialog, "noteLabel")));
                QVERIFY(!okButton(dialog)->isEnabled());
                choose(box(dialog, "dateFormatBox"),
                       itemStarting(box(dialog, "dateFormatBox"), QStringLiteral("MM/DD/YYYY")));
                QCOMPARE(previewRow(dialog, 0), QStringLiteral("2|2016/ 3/ 6|Outgoing|4||Coffee|rounded"));
                pressOk(dialog);
            }));
        QCOMPARE(window->database().transCount(), 2);
    }

    // A savings bank's 17 columns below a preamble: the boxes scroll
    // sideways, the preview keeps ten rows and more, its comment the width,
    // and Tab leaves it for the buttons.
    void aWideStatementLeavesThePreviewItsRows() {
        QByteArray file = "Konto;DE12\nZeitraum;2016\n";
        QByteArray header = "Buchungstag;Verwendungszweck;Betrag";
        for (int column = 4; column <= 17; ++column) header += ";Feld" + QByteArray::number(column);
        file += header + "\n";
        for (int row = 1; row <= 12; ++row)
            file +=
                QByteArray::number(row).rightJustified(2, '0') + ".01.2016;Zeile;-1,00" + QByteArray(14, ';') + "\n";
        startNewBook();
        QVERIFY(!importStatement(file, [](QDialog& dialog) {
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCOMPARE(labelText(dialog, "formatLabel"), QStringLiteral("Read as CSV; line 3 is the header."));
            auto* preview = dialog.findChild<QTableView*>(QStringLiteral("preview"));
            QVERIFY2(preview->viewport()->height() >= 10 * preview->rowHeight(0),
                     qPrintable(QString::number(preview->viewport()->height())));
            QVERIFY(preview->columnWidth(StatementPreviewModel::CommentColumn) >
                    preview->columnWidth(StatementPreviewModel::MarkColumn));
            preview->setFocus();
            QTest::keyClick(preview, Qt::Key_Tab);
            QVERIFY(!preview->hasFocus());
            dialog.hide();
        }));
    }

    // A file past the limit of a statement is refused before it is read: a
    // file of a gigabyte and a byte, with none of its bytes written.
    void aFileOverTheLimitIsRefusedUnread() {
        startNewBook();
        const QString name = path(QStringLiteral("huge.csv"));
        QFile huge(name);
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(static_cast<qint64>(PwText::statementFileLimit) + 1));
        huge.close();
        prompts.dataFiles.push_back({name, 0});
        action("importStatementAct")->trigger();
        QCOMPARE(prompts.warnings,
                 QStringList{QStringLiteral("Warning: The file is larger than 1 GB, more than a statement may be.")});
        QVERIFY(prompts.allAnswersUsed());
        QVERIFY(prompts.unscripted.isEmpty());
        QCOMPARE(window->database().transCount(), 0);
    }

    // Statements overlap: the rows already in the book are counted and
    // skipped, so a second import has nothing to add, unless they are kept.
    void aSecondImportFindsOnlyDuplicates() {
        startNewBook();
        QVERIFY(importStatement(german, pressOk));
        const std::string once = bookBytes();
        QVERIFY(!importStatement(german, [](QDialog& dialog) {
            QCOMPARE(labelText(dialog, "countsLabel"),
                     QStringLiteral("0 new transaction(s), 2 duplicate(s) skipped, 0 amount(s) rounded, "
                                    "0 faulty row(s)"));
            QVERIFY(previewRow(dialog, 0).endsWith(QStringLiteral("|duplicate, skipped")));
            QVERIFY(!labelText(dialog, "noteLabel").isEmpty());
            QVERIFY(!okButton(dialog)->isEnabled());

            dialog.findChild<QCheckBox*>(QStringLiteral("keepDuplicatesBox"))->setChecked(true);
            QVERIFY(labelText(dialog, "countsLabel")
                        .startsWith(QStringLiteral("2 new transaction(s), 2 duplicate(s) kept")));
            QVERIFY(previewRow(dialog, 0).endsWith(QStringLiteral("|duplicate, kept")));
            QVERIFY(okButton(dialog)->isEnabled());
        }));
        QCOMPARE(bookBytes(), once);
        QCOMPARE(window->history()->count(), 1);
    }

    // The whole import, types and all, is one step: one undo takes back
    // exactly what it added, one redo adds it again.
    void oneUndoTakesBackTheWholeImport() {
        writeBook(path("money.pwdb"), "Money");
        window->openFile(path("money.pwdb"));
        const std::string before = bookBytes();
        const int types = window->database().typeCount();
        QVERIFY(importStatement(german, [](QDialog& dialog) {
            QComboBox* type = box(dialog, "defaultTypeBox");
            type->setEditText(QStringLiteral("Bank"));
            pressOk(dialog);
        }));
        const std::string after = bookBytes();
        QCOMPARE(window->database().typeCount(), types + 1);
        QCOMPARE(window->history()->count(), 1);
        QCOMPARE(action("undoAct")->text().remove(u'&'), QStringLiteral("Undo Import Statement"));

        action("undoAct")->trigger();
        QCOMPARE(bookBytes(), before);
        QCOMPARE(window->database().typeCount(), types);
        action("redoAct")->trigger();
        QCOMPARE(bookBytes(), after);
    }

    // The columns and choices of a header are read the same way for the
    // bank's next statement, and for no other header.
    void theMappingIsRememberedForTheSameHeader() {
        startNewBook();
        const QByteArray header = "Datum;Notiz;Wert\n";
        QVERIFY(importStatement(header + "03.01.2026;Brot;-2,40\n", [](QDialog& dialog) {
            choose(box(dialog, "column1"), itemStarting(box(dialog, "column1"), QStringLiteral("Date")));
            choose(box(dialog, "column2"), itemStarting(box(dialog, "column2"), QStringLiteral("Comment")));
            choose(box(dialog, "column3"), itemStarting(box(dialog, "column3"), QStringLiteral("Amount")));
            choose(box(dialog, "amountRuleBox"),
                   itemStarting(box(dialog, "amountRuleBox"), QStringLiteral("Read as cents")));
            QCOMPARE(previewRow(dialog, 0), QStringLiteral("2|2026/ 1/ 3|Outgoing|240||Brot|"));
            pressOk(dialog);
        }));
        QVERIFY(!importStatement(
            header + "04.02.2026;Milch;-1,10\n",
            [](QDialog& dialog) {
                QCOMPARE(box(dialog, "column2")->currentText(), QStringLiteral("Comment"));
                QCOMPARE(box(dialog, "amountRuleBox")->currentText(), QStringLiteral("Read as cents"));
                QCOMPARE(previewRow(dialog, 0), QStringLiteral("2|2026/ 2/ 4|Outgoing|110||Milch|"));
            },
            QStringLiteral("next.csv")));
        QVERIFY(!importStatement(
            "Datum;Notiz;Wert;Saldo\n04.02.2026;Milch;-1,10;7\n",
            [](QDialog& dialog) {
                QCOMPARE(box(dialog, "amountRuleBox")->currentText(), QStringLiteral("Round to whole units"));
            },
            QStringLiteral("other.csv")));
    }

    // A date format of the longer list is remembered with the mapping too.
    void aMappingRemembersEveryDateFormat() {
        startNewBook();
        const QByteArray header = "Datum;Notiz;Summe\n";
        QVERIFY(importStatement(header + "20260103;Brot;-2,40\n", [](QDialog& dialog) {
            choose(box(dialog, "column2"), itemStarting(box(dialog, "column2"), QStringLiteral("Comment")));
            choose(box(dialog, "column3"), itemStarting(box(dialog, "column3"), QStringLiteral("Amount")));
            QCOMPARE(box(dialog, "dateFormatBox")->currentText(), QStringLiteral("Detected: YYYYMMDD"));
            pressOk(dialog);
        }));
        QVERIFY(!importStatement(
            header + "20260204;Milch;-1,10\n",
            [](QDialog& dialog) {
                QCOMPARE(box(dialog, "dateFormatBox")->currentText(), QStringLiteral("YYYYMMDD"));
                QCOMPARE(previewRow(dialog, 0), QStringLiteral("2|2026/ 2/ 4|Outgoing|1||Milch|rounded"));
            },
            QStringLiteral("next.csv")));
    }

    // Each format the banks write comes in from the window, and a second
    // time adds nothing.
    void everyFormatImportsOnceOnly_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("encoding");  // chosen in its box; empty: detected
        QTest::addColumn<QString>("first");     // date|in/out|amount|comment of the first row
        QTest::addColumn<int>("rows");
        QTest::newRow("German CSV") << "giro.csv" << german << ""
                                    << "2026/ 1/31|Outgoing|850|Miete Januar" << 2;
        QTest::newRow("Big5 CSV with ROC dates")
            << "taiwan.csv" << QByteArray("date,comment,amount\n115/01/31,\xA4\xC8\xC0\\,-120\n115/02/01,x,30\n")
            << "Big5" << QString::fromUtf8("2026/ 1/31|Outgoing|120|午餐") << 2;
        QTest::newRow("OFX 1.x")
            << "bank.ofx"
            << QByteArray(
                   "OFXHEADER:100\nDATA:OFXSGML\nVERSION:102\nENCODING:USASCII\nCHARSET:1252\n\n"
                   "<OFX><BANKMSGSRSV1><STMTTRNRS><STMTRS><BANKTRANLIST>\n"
                   "<STMTTRN><TRNTYPE>DEBIT<DTPOSTED>20260131<TRNAMT>-12.40<NAME>Coffee</STMTTRN>\n"
                   "<STMTTRN><TRNTYPE>CREDIT<DTPOSTED>20260201<TRNAMT>100.00<NAME>Refund</STMTTRN>\n"
                   "</BANKTRANLIST></STMTRS></STMTTRNRS></BANKMSGSRSV1></OFX>\n")
            << ""
            << "2026/ 1/31|Outgoing|12|Coffee" << 2;
        QTest::newRow("OFX 2.x")
            << "card.qfx"
            << QByteArray(
                   "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<?OFX OFXHEADER=\"200\" VERSION=\"220\"?>\n"
                   "<OFX><CREDITCARDMSGSRSV1><CCSTMTTRNRS><CCSTMTRS><BANKTRANLIST>\n"
                   "<STMTTRN><TRNTYPE>DEBIT</TRNTYPE><DTPOSTED>20260305120000</DTPOSTED>"
                   "<TRNAMT>-7.00</TRNAMT><NAME>Bakery</NAME></STMTTRN>\n"
                   "</BANKTRANLIST></CCSTMTRS></CCSTMTTRNRS></CREDITCARDMSGSRSV1></OFX>\n")
            << ""
            << "2026/ 3/ 5|Outgoing|7|Bakery" << 1;
        QTest::newRow("QIF") << "cash.qif"
                             << QByteArray("!Type:Bank\nD1/31'26\nT-4.00\nPNewsagent\n^\nD2/1'26\nT50.00\nPGift\n^\n")
                             << ""
                             << "2026/ 1/31|Outgoing|4|Newsagent" << 2;
    }
    void everyFormatImportsOnceOnly() {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, encoding);
        QFETCH(QString, first);
        QFETCH(int, rows);
        startNewBook();
        const auto chooseEncoding = [&](QDialog& dialog) {
            if (encoding.isEmpty()) return;
            QComboBox* encodings = box(dialog, "encodingBox");
            choose(encodings, itemStarting(encodings, encoding));
        };
        QVERIFY(importStatement(
            bytes,
            [&](QDialog& dialog) {
                chooseEncoding(dialog);
                QCOMPARE(previewRows(dialog), rows);
                const QStringList cells = previewRow(dialog, 0).split(u'|');
                QCOMPARE(cells.mid(StatementPreviewModel::DateColumn, 3).join(u'|') + u'|' +
                             cells.at(StatementPreviewModel::CommentColumn),
                         first);
                pressOk(dialog);
            },
            file));
        QCOMPARE(window->database().transCount(), rows);
        QVERIFY(!importStatement(
            bytes,
            [&](QDialog& dialog) {
                chooseEncoding(dialog);
                QVERIFY2(labelText(dialog, "countsLabel")
                             .startsWith(QStringLiteral("0 new transaction(s), %1 duplicate(s) skipped").arg(rows)),
                         qPrintable(labelText(dialog, "countsLabel")));
                QVERIFY(!okButton(dialog)->isEnabled());
            },
            file));
        QCOMPARE(window->database().transCount(), rows);
    }
};

QTEST_MAIN(TestStatementDialog)
#include "test_statementdialog.moc"
