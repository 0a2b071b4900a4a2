#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "core/accountdb.h"
#include "core/databaseformat.h"
#include "tests/support/bookbuilder.h"
#include "tests/support/booksupport.h"
#include "tests/support/memoryceiling.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/windowfixture.h"
#include "text/bookcsv.h"
#include "ui/csv/csvfilename.h"
#include "ui/window/mainwindow.h"

namespace {

const QByteArray sample =
    "date,amount,type,comment\n"
    "2024-01-05,-120,Food,\"rice, tea\"\n"
    "2024-01-02,52000,Salary,pay\n";

}  // namespace

class TestCsvCommands : public QObject, private WindowFixture {
    Q_OBJECT

private:
    QAbstractItemModel* model() const { return window->findChild<QTableView*>(QStringLiteral("table"))->model(); }
    void startNewBook() {
        prompts.nameAnswers.push_back({true, QStringLiteral("Csv")});
        action("newAct")->trigger();
    }
    void importFile(const QString& file, int filter = 0) {
        prompts.dataFiles.push_back({file, filter});
        action("importCsvAct")->trigger();
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() { openWindow(); }

    void cleanup() { closeWindow(); }

    void actionsSitInTheFileMenuAndFollowTheDatabase() {
        QMenu* file = window->menuBar()->actions().at(0)->menu();
        QVERIFY(file->actions().contains(action("importCsvAct")));
        QVERIFY(file->actions().contains(action("exportCsvAct")));
        QCOMPARE(action("importCsvAct")->text(), QStringLiteral("&Import CSV…"));
        QVERIFY(!action("importCsvAct")->isEnabled() && !action("exportCsvAct")->isEnabled());
        startNewBook();
        QVERIFY(action("importCsvAct")->isEnabled() && action("exportCsvAct")->isEnabled());
        prompts.saveChoices.push_back(UserPrompts::SaveChoice::Discard);
        action("closeAct")->trigger();
        QVERIFY(!action("importCsvAct")->isEnabled());
    }

    void acceptedImportFillsTheTableInItsSortAndMarksTheBook() {
        startNewBook();
        BookSupport::writeBytes(path("in.csv"), sample);
        importFile(path("in.csv"));

        QCOMPARE(window->database().transCount(), 2);
        QCOMPARE(model()->rowCount(), 2);
        QCOMPARE(status(), QStringLiteral("File Modified"));
        QCOMPARE(prompts.reports,
                 QStringList{QStringLiteral("Import CSV: 2 transaction(s) imported. 2 new type(s) created.")});
        // The table is sorted by index, ascending, as before the import.
        QCOMPARE(model()->index(0, 0).data().toString().trimmed(), QStringLiteral("1"));
        QCOMPARE(model()->index(0, 5).data().toString(), QStringLiteral("rice, tea"));
        QCOMPARE(model()->index(1, 3).data().toString().trimmed(), QStringLiteral("52000"));
    }

    void refusedImportNamesTheLinesAndChangesNothing() {
        startNewBook();
        BookSupport::writeBytes(path("in.csv"), sample);
        importFile(path("in.csv"));
        std::string before = KestLib::encodeDatabase(window->database());

        BookSupport::writeBytes(path("bad.csv"),
                                "date,amount,type\n2024-01-01,1,Food\n2024-13-01,1,Food\n2024-01-03,1,"
                                "\xF0\x9F\x98\x80\n");
        importFile(path("bad.csv"));
        QCOMPARE(prompts.warnings.size(), 1);
        QCOMPARE(prompts.warnings.at(0),
                 QString::fromUtf8("Warning: The CSV file was not imported; the database is unchanged.\n"
                                   "Line 3: the date \"2024-13-01\" is not a calendar date written YYYY-MM-DD\n"
                                   "Line 4: the type \"😀\" holds a character that Big5 can't store"));
        QCOMPARE(KestLib::encodeDatabase(window->database()), before);
        QCOMPARE(model()->rowCount(), 2);

        // A file that can't be read is a warning too.
        importFile(path("missing.csv"));
        QCOMPARE(prompts.warnings.size(), 2);
        QCOMPARE(KestLib::encodeDatabase(window->database()), before);
    }

    // A file too big for the memory at hand (64 GB, sparse, so it takes no
    // disk) is refused by name, and the book keeps its unsaved changes.
    void importOfAFileTooBigForTheMemoryWarnsAndKeepsTheBook() {
        startNewBook();
        BookSupport::writeBytes(path("in.csv"), sample);
        importFile(path("in.csv"));
        const std::string before = KestLib::encodeDatabase(window->database());

        const QString big = path("big.csv");
        BookSupport::writeBytes(big, sample);
        QVERIFY(QFile::resize(big, qint64{64} << 30));
        {
            const MemoryCeiling ceiling;
            importFile(big);
        }
        QCOMPARE(prompts.warnings,
                 QStringList{QStringLiteral("Warning: not enough memory to read ") + QDir::toNativeSeparators(big)});
        QCOMPARE(KestLib::encodeDatabase(window->database()), before);
        QCOMPARE(model()->rowCount(), 2);
        QCOMPARE(status(), QStringLiteral("File Modified"));
        QVERIFY(action("undoAct")->isEnabled());
    }

    void exportWritesTheChosenEncoding_data() {
        QTest::addColumn<int>("filter");
        QTest::addColumn<int>("encoding");
        QTest::newRow("UTF-8") << 0 << int(PwText::CsvEncoding::Utf8);
        QTest::newRow("UTF-8 for spreadsheets") << 1 << int(PwText::CsvEncoding::Utf8WithBom);
        QTest::newRow("Big5") << 2 << int(PwText::CsvEncoding::Big5);
    }

    void exportWritesTheChosenEncoding() {
        QFETCH(int, filter);
        QFETCH(int, encoding);
        startNewBook();
        BookSupport::writeBytes(path("in.csv"), "date,amount,type\n2024-01-01,-5,\xE9\xA3\x9F\xE7\x89\xA9\n");
        importFile(path("in.csv"));

        prompts.dataFiles.push_back({path("out.csv"), filter});
        action("exportCsvAct")->trigger();
        QCOMPARE(prompts.lastFilters.size(), 3);
        const std::string expected = PwText::exportCsv(window->database(), static_cast<PwText::CsvEncoding>(encoding));
        QCOMPARE(BookSupport::fileBytes(path("out.csv")).toStdString(), expected);
        // Exporting changes nothing in the book.
        QCOMPARE(status(), QStringLiteral("File Modified"));

        // Cancelling the dialog writes nothing.
        QVERIFY(QFile::remove(path("out.csv")));
        prompts.dataFiles.push_back({});
        action("exportCsvAct")->trigger();
        QVERIFY(!QFile::exists(path("out.csv")));
    }

    // A book of cents through the window: the file's cents in, shown in the
    // language's mark, and out again with a point, as CSV writes numbers.
    void aBookOfCentsImportsAndExportsItsCents() {
        QLocale::setDefault(QLocale(QLocale::German));
        const QString file = path("cents.pwdb");
        BookBuilder().inFormat2(2).writeTo(BookSupport::pathBytes(file));
        window->openFile(file);
        BookSupport::writeBytes(path("in.csv"),
                                "date,amount,type,comment\n2024-01-05,-12.5,Food,rice\n"
                                "2024-01-02,1234.56,Salary,pay\n");
        importFile(path("in.csv"));
        QCOMPARE(window->database().transCount(), 2);
        QCOMPARE(model()->index(0, 3).data().toString(), QStringLiteral("12,50"));
        QCOMPARE(model()->index(1, 3).data().toString(), QStringLiteral("1234,56"));

        prompts.dataFiles.push_back({path("out.csv"), 0});
        action("exportCsvAct")->trigger();
        const QByteArray written = BookSupport::fileBytes(path("out.csv"));
        QVERIFY2(written.contains(",2024-01-05,outgoing,12.50,Food,rice\r\n") &&
                     written.contains(",2024-01-02,income,1234.56,Salary,pay\r\n"),
                 written.constData());
        QLocale::setDefault(QLocale::c());
    }

    void suggestedFileName_data() {
        QTest::addColumn<QString>("name");  // the book's
        QTest::addColumn<QString>("file");  // the book's, empty when not saved
        QTest::addColumn<QString>("suggested");
        QTest::newRow("beside the book") << "Household"
                                         << "/data/money.pwdb"
                                         << "/data/Household.csv";
        QTest::newRow("not saved") << "Household"
                                   << ""
                                   << "./Household.csv";
        QTest::newRow("no file name characters") << " Rent/2026\tq "
                                                 << "/data/money.pwdb"
                                                 << "/data/Rent_2026_q.csv";
        QTest::newRow("no hidden file") << ".."
                                        << "/data/money.pwdb"
                                        << "/data/money.csv";
        QTest::newRow("no name") << ""
                                 << "/data/money.pwdb"
                                 << "/data/money.csv";
        QTest::newRow("neither") << ""
                                 << ""
                                 << ".";
    }
    void suggestedFileName() {
        QFETCH(QString, name);
        QFETCH(QString, file);
        QFETCH(QString, suggested);
        QCOMPARE(CsvFileName::suggested(name, file), suggested);
    }

    void completedFileName_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("written");
        QTest::newRow("no extension") << "/data/export"
                                      << "/data/export.csv";
        QTest::newRow("ending in a dot") << "/data/export."
                                         << "/data/export.csv";
        QTest::newRow("csv") << "/data/export.CSV"
                             << "/data/export.CSV";
        QTest::newRow("another extension") << "/data/export.txt"
                                           << "/data/export.txt";
        QTest::newRow("a dot in the folder only") << "/data/v1.2/export"
                                                  << "/data/v1.2/export.csv";
    }
    void completedFileName() {
        QFETCH(QString, chosen);
        QFETCH(QString, written);
        QCOMPARE(CsvFileName::completed(chosen), written);
    }

    // The dialog offers the book's name; a completed name that is taken is
    // asked about, and the status bar names the file written.
    void exportCompletesTheNameAndSaysWhere() {
        BookSupport::writeBook(path("money.pwdb"), "Money");
        window->openFile(path("money.pwdb"));
        BookSupport::writeBytes(path("out.csv"), "old");
        prompts.overwriteAnswers.push_back(true);
        prompts.dataFiles.push_back({path("out"), 0});
        action("exportCsvAct")->trigger();

        const QString written = QDir::toNativeSeparators(path("out.csv"));
        QCOMPARE(prompts.lastStart, path("Money.csv"));
        QCOMPARE(prompts.asked.last(), "overwrite: File " + written + " already exists.\nDo you want to override it?");
        QCOMPARE(BookSupport::fileBytes(path("out.csv")).toStdString(),
                 PwText::exportCsv(window->database(), PwText::CsvEncoding::Utf8));
        QCOMPARE(window->statusBar()->currentMessage(), "Exported to " + written);
    }

    void exportToAPlaceThatCantBeWrittenWarns() {
        startNewBook();
        prompts.dataFiles.push_back({path("no-such-folder/out.csv"), 0});
        action("exportCsvAct")->trigger();
        QCOMPARE(prompts.warnings.size(), 1);
        QVERIFY(prompts.warnings.at(0).contains(QStringLiteral("can't be written")));
    }

    void exportOntoTheOpenBookWarnsAndWritesNothing_data() {
        QTest::addColumn<QString>("chosen");
        QTest::newRow("the book") << "money.pwdb";
        QTest::newRow("a link to it") << "link.csv";
    }
    void exportOntoTheOpenBookWarnsAndWritesNothing() {
        QFETCH(QString, chosen);
        const QString money = path("money.pwdb");
        BookSupport::writeBook(money, "Money");
        QVERIFY(QFile::link(money, path("link.csv")));
        const QByteArray before = BookSupport::fileBytes(money);
        window->openFile(money);

        prompts.dataFiles.push_back({path(chosen), 0});
        action("exportCsvAct")->trigger();
        QCOMPARE(prompts.warnings,
                 QStringList({QStringLiteral("Warning: The file %1 is the open book itself; the CSV would replace "
                                             "it. Nothing was written.")
                                  .arg(path(chosen))}));
        QCOMPARE(BookSupport::fileBytes(money), before);
    }

    // The dialog's own question doesn't say that a book would be lost: a
    // book, or the open book's backup, is asked about by name first.
    void exportOntoABookAsksFirst_data() {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("question");
        QTest::addColumn<bool>("replace");
        const QString book =
            QStringLiteral("The file %1 is a Pennywell book.\nDo you want to replace it with the CSV?");
        const QString backup = QStringLiteral(
            "The file %1 is the backup of the open book, kept from before its last "
            "save.\nDo you want to replace it with the CSV?");
        QTest::newRow("another book, kept") << "other.pwdb" << book << false;
        QTest::newRow("another book, replaced") << "other.pwdb" << book << true;
        QTest::newRow("the backup, kept") << "money.pwdb.bak.pwdb" << backup << false;
        QTest::newRow("the backup, replaced") << "money.pwdb.bak.pwdb" << backup << true;
    }
    void exportOntoABookAsksFirst() {
        QFETCH(QString, chosen);
        QFETCH(QString, question);
        QFETCH(bool, replace);
        const QString money = path("money.pwdb");
        BookSupport::writeBook(money, "Money");
        BookSupport::writeBook(path("other.pwdb"), "Other");
        BookSupport::writeBook(path("money.pwdb.bak.pwdb"), "Older");
        const QByteArray before = BookSupport::fileBytes(path(chosen));
        window->openFile(money);

        prompts.overwriteAnswers.push_back(replace);
        prompts.dataFiles.push_back({path(chosen), 0});
        const qsizetype askedBefore = prompts.asked.size();
        action("exportCsvAct")->trigger();
        // The file, then the one question.
        QCOMPARE(prompts.asked.size(), askedBefore + 2);
        QCOMPARE(prompts.asked.last(), "overwrite: " + question.arg(QDir::toNativeSeparators(path(chosen))));
        QCOMPARE(BookSupport::fileBytes(path(chosen)),
                 replace ? QByteArray::fromStdString(PwText::exportCsv(window->database(), PwText::CsvEncoding::Utf8))
                         : before);
    }
};

QTEST_MAIN(TestCsvCommands)
#include "test_csvcommands.moc"
