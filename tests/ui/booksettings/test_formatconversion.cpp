// A book of the older format meets what only the newer one holds: the one
// question and its answers, a new book converted without one, the
// conversion and the decimals as steps of the history, and Book Settings.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTest>
#include <QUndoStack>
#include <functional>

#include "core/accountdb.h"
#include "core/databaseformat.h"
#include "tests/support/booksupport.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/windowfixture.h"
#include "text/booktext.h"
#include "ui/window/mainwindow.h"

using namespace BookSupport;

class TestFormatConversion : public QObject, private WindowFixture {
    Q_OBJECT

private:
    // One dialog, filled in by fill; if it is still open afterwards, the
    // text of the field named kept is written down and the dialog cancelled.
    void scriptDialog(std::function<void(QDialog&)> fill, const char* kept = nullptr, QString* keptText = nullptr) {
        prompts.dialogScripts.push_back([fill, kept, keptText](QDialog& dialog) {
            fill(dialog);
            if (dialog.result() == QDialog::Accepted) return true;
            if (kept) *keptText = widget<QLineEdit>(dialog, kept)->text();
            click(dialog, "cancelButton");
            return false;
        });
    }
    // A transaction of type Food with this amount and comment, through the dialog.
    void create(const QString& amount, const QString& comment, QString* keptText = nullptr,
                const char* kept = nullptr) {
        scriptDialog(
            [amount, comment](QDialog& dialog) {
                choose(widget<QComboBox>(&dialog, "typeCombo"), 1);
                choose(widget<QComboBox>(&dialog, "inOutCombo"), 1);
                QTest::keyClicks(widget<QLineEdit>(dialog, "moneyLineEdit"), amount);
                widget<QLineEdit>(dialog, "commentLineEdit")->insert(comment);
                click(dialog, "okButton");
            },
            kept, keptText);
        action("transCreateAct")->trigger();
    }
    using WindowFixture::widget;
    template <typename T>
    static T* widget(QDialog* dialog, const char* name) {
        return widget<T>(*dialog, name);
    }
    void addType(const QString& name, QString* keptText) {
        prompts.dialogScripts.push_back([name, keptText](QDialog& dialog) {
            auto* types = widget<QComboBox>(dialog, "typeCombo");
            choose(types, 0);
            types->lineEdit()->insert(name);
            click(dialog, "addButton");
            *keptText = types->currentText();
            click(dialog, "cancelButton");
            return false;
        });
        action("transCreateAct")->trigger();
    }
    // Book Settings, filled in by fill.
    void settings(std::function<void(QDialog&)> fill) {
        scriptDialog(std::move(fill));
        action("bookSettingsAct")->trigger();
    }
    void openFormat1Book() {
        writeBook(path("book.pwdb"), "Book", {{2004, 3, 7, false, 9, "Food", "rice"}});
        window->openFile(path("book.pwdb"));
    }
    void openFormat2Book(int decimals, const std::vector<int>& amounts) {
        KestLib::AccountDB db = makeBook("Book", {}, {"Food"});
        PwText::convertToFormat2(db, decimals);
        for (const int amount : amounts) {
            KestLib::Transaction record;
            record.setDate(2004, 3, 7);
            record.setType(db.findType("Food").id());
            record.setAmount(amount);
            db.addTransaction(record);
        }
        std::string target = pathBytes(path("book.pwdb"));
        db.saveFile(target);
        window->openFile(path("book.pwdb"));
    }
    std::vector<int> amounts() const {
        std::vector<int> found;
        for (int i = 0; i < window->database().transCount(); ++i)
            found.push_back(window->database().transaction(i, false).amount());
        return found;
    }
    const KestLib::AccountDB& db() const { return window->database(); }
    QLabel* formatLabel() const { return window->findChild<QLabel*>(QStringLiteral("formatLabel")); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Convert goes on with the change in the newer format; Cancel leaves
    // the book as it was and the dialog open with the text as typed.
    void typedTextAsksOnce_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("convert");
        QTest::addColumn<QString>("lacking");  // what the question says the format has none of
        for (const bool convert : {true, false}) {
            const char* answer = convert ? "Convert" : "Cancel";
            QTest::addRow("comment, %s", answer) << "comment" << convert << "no 'ü'";
            QTest::addRow("type name, %s", answer) << "type" << convert << "no 'ü'";
            QTest::addRow("book name, %s", answer) << "name" << convert << "no 'ü'";
            QTest::addRow("cents, %s", answer) << "cents" << convert << "no cents";
            QTest::addRow("a long comment, %s", answer) << "long" << convert << "no room for a text this long";
        }
    }
    void typedTextAsksOnce() {
        QFETCH(QString, kind);
        QFETCH(bool, convert);
        QFETCH(QString, lacking);
        openFormat1Book();
        const std::string before = KestLib::encodeDatabase(db());
        const QString typed = kind == "long" ? QString(300, u'x') : QStringLiteral("Müller");
        prompts.convertAnswers.push_back(convert);
        QString kept;
        if (kind == "comment" || kind == "long") {
            create(QStringLiteral("5"), typed, &kept, "commentLineEdit");
        } else if (kind == "cents") {
            create(QStringLiteral("12.50"), QString(), &kept, "moneyLineEdit");
        } else if (kind == "type") {
            addType(typed, &kept);
        } else {
            prompts.nameAnswers.push_back({true, typed});
            // Cancel returns to the name dialog, which is then cancelled.
            if (!convert) prompts.nameAnswers.push_back({false, QString()});
            action("dbNameAct")->trigger();
            QCOMPARE(prompts.asked.contains(QStringLiteral("name: ") + typed), !convert);
        }
        QCOMPARE(prompts.asked.count(QStringLiteral("convert")), 1);
        QVERIFY2(prompts.lastText.contains(lacking), qPrintable(prompts.lastText));
        QCOMPARE(prompts.warnings, QStringList());
        if (!convert) {
            QCOMPARE(KestLib::encodeDatabase(db()), before);
            if (kind != "name") QCOMPARE(kept, kind == "cents" ? QStringLiteral("12.50") : typed);
            return;
        }
        QCOMPARE(db().format(), 2);
        QCOMPARE(db().decimals(), kind == "cents" ? 2 : 0);
        const QByteArray utf8 = typed.toUtf8();
        const std::string stored(utf8.constData(), static_cast<std::size_t>(utf8.size()));
        if (kind == "comment" || kind == "long") QCOMPARE(std::string(db().transaction(1, false).comment()), stored);
        if (kind == "type") QCOMPARE(db().typeAt(db().typeCount() - 1).name(), stored);
        if (kind == "name") QCOMPARE(db().name(), stored);
        if (kind == "cents") QCOMPARE(amounts(), (std::vector<int>{900, 1250}));
        QVERIFY(formatLabel()->isVisible());
        // The conversion and the change, each a step; both taken back.
        action("undoAct")->trigger();
        QCOMPARE(action("undoAct")->text().remove(u'&'), QStringLiteral("Undo Convert to Format 2"));
        action("undoAct")->trigger();
        QCOMPARE(KestLib::encodeDatabase(db()), before);
        QCOMPARE(status(), QStringLiteral("File Saved"));
    }

    // Also a book holding a Big5 code that reads as the same character as
    // another code, which UTF-8 alone would give back as that one.
    void convertedAndUndoneIsTheOriginal_data() {
        QTest::addColumn<QString>("book");
        QTest::newRow("the sample book") << QStringLiteral(EXAMPLES_DIR "/household.pwdb");
        QTest::newRow("a Big5 code of two") << QString();
    }
    void convertedAndUndoneIsTheOriginal() {
        QFETCH(QString, book);
        if (book.isEmpty())
            writeBook(path("household.pwdb"), "\xA2\xCC", {{2004, 3, 7, false, 9, "\xA2\xCE", "\xA4\x51\xA2\xCC"}});
        else
            QVERIFY(QFile::copy(book, path("household.pwdb")));
        window->openFile(path("household.pwdb"));
        const QByteArray original = fileBytes(path("household.pwdb"));
        const std::vector<int> whole = amounts();
        QVERIFY(!whole.empty());
        settings([](QDialog& dialog) {
            click(dialog, "convertButton");
            choose(widget<QComboBox>(dialog, "decimalsCombo"), 1);
            click(dialog, "okButton");
        });
        std::vector<int> cents = whole;
        for (int& amount : cents) amount *= 100;
        QCOMPARE(db().format(), 2);
        QCOMPARE(amounts(), cents);

        for (int round = 0; round < 2; ++round) {
            action("undoAct")->trigger();
            action("undoAct")->trigger();
            QCOMPARE(db().format(), 1);
            QCOMPARE(db().decimals(), 0);
            QCOMPARE(QByteArray::fromStdString(KestLib::encodeDatabase(db())), original);
            QCOMPARE(status(), QStringLiteral("File Saved"));
            action("redoAct")->trigger();
            action("redoAct")->trigger();
            QCOMPARE(db().decimals(), 2);
            QCOMPARE(amounts(), cents);
        }
        action("undoAct")->trigger();
        action("undoAct")->trigger();
        prompts.saveNames.push_back(path("again.pwdb"));
        action("saveAsAct")->trigger();
        QCOMPARE(fileBytes(path("again.pwdb")), original);
    }

    // Down refuses an amount that would lose a digit, up one that would
    // overflow; either leaves the dialog open and the book as it was.
    void settingsScaleTheAmounts_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("item");  // of the decimals box: 0, 2, 3
        QTest::addColumn<std::vector<int>>("before");
        QTest::addColumn<std::vector<int>>("after");  // empty: refused
        QTest::addColumn<QString>("warning");
        QTest::newRow("0 to 2") << 0 << 1 << std::vector<int>{12, -7} << std::vector<int>{1200, -700} << QString();
        QTest::newRow("3 to 2") << 3 << 1 << std::vector<int>{1500} << std::vector<int>{150} << QString();
        QTest::newRow("2 to 0, a cent") << 2 << 0 << std::vector<int>{1200, 1250} << std::vector<int>{}
                                        << "Warning: An amount has more decimals than the book would keep";
        QTest::newRow("0 to 3, too large") << 0 << 2 << std::vector<int>{2147484} << std::vector<int>{}
                                           << "Warning: An amount is too large for the book's decimals";
    }
    void settingsScaleTheAmounts() {
        QFETCH(int, from);
        QFETCH(int, item);
        QFETCH(std::vector<int>, before);
        QFETCH(std::vector<int>, after);
        QFETCH(QString, warning);
        openFormat2Book(from, before);
        bool stayedOpen = false;
        bool offeredConvert = true;
        prompts.dialogScripts.push_back([item, &stayedOpen, &offeredConvert](QDialog& dialog) {
            offeredConvert = widget<QPushButton>(dialog, "convertButton")->isEnabled();
            choose(widget<QComboBox>(dialog, "decimalsCombo"), item);
            click(dialog, "okButton");
            stayedOpen = dialog.result() != QDialog::Accepted;
            return !stayedOpen;
        });
        action("bookSettingsAct")->trigger();
        QVERIFY(!offeredConvert);
        QCOMPARE(stayedOpen, after.empty());
        QCOMPARE(prompts.warnings, warning.isEmpty() ? QStringList() : QStringList{warning});
        QCOMPARE(amounts(), after.empty() ? before : after);
        if (after.empty()) return;
        QCOMPARE(window->history()->count(), 1);
        action("undoAct")->trigger();
        QCOMPARE(amounts(), before);
        QCOMPARE(db().decimals(), from);
    }

    // A format 2 book's amount is shown with its decimals and read back so.
    void aFormat2AmountIsModifiedInItsDecimals_data() {
        QTest::addColumn<QString>("typed");  // empty: left as shown
        QTest::addColumn<int>("stored");
        QTest::newRow("left as shown") << QString() << 1250;
        QTest::newRow("cents typed") << QStringLiteral("3.05") << 305;
        QTest::newRow("a whole amount") << QStringLiteral("7") << 700;
    }
    void aFormat2AmountIsModifiedInItsDecimals() {
        QFETCH(QString, typed);
        QFETCH(int, stored);
        openFormat2Book(2, {1250});
        QString shown;
        scriptDialog([typed, &shown](QDialog& dialog) {
            choose(widget<QComboBox>(dialog, "indexCombo"), 1);
            auto* money = widget<QLineEdit>(dialog, "moneyLineEdit");
            shown = money->text();
            if (!typed.isEmpty()) {
                money->clear();
                QTest::keyClicks(money, typed);
            }
            click(dialog, "okButton");
        });
        action("transModifyAct")->trigger();
        QCOMPARE(shown, QStringLiteral("12.50"));
        QCOMPARE(amounts(), std::vector<int>{stored});
        QCOMPARE(window->history()->count(), typed.isEmpty() ? 0 : 1);
    }

    // Nothing older has read a new book: it takes the newer format at once,
    // and the status bar says so.
    void aNewBookBecomesFormat2WithoutAQuestion_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("its name") << "name";
        QTest::newRow("a type name") << "type";
        QTest::newRow("a comment") << "comment";
        QTest::newRow("cents") << "cents";
        QTest::newRow("cents in the German mark") << "cents-de";
    }
    void aNewBookBecomesFormat2WithoutAQuestion() {
        QFETCH(QString, kind);
        const QLocale before;
        const auto restore = qScopeGuard([before] { QLocale::setDefault(before); });
        // A German household types its decimal comma.
        if (kind == "cents-de") QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const bool cents = kind.startsWith(QLatin1String("cents"));
        prompts.nameAnswers.push_back({true, kind == "name" ? QStringLiteral("Café") : QStringLiteral("Cafe")});
        action("newAct")->trigger();
        QString kept;
        if (kind == "type") {
            addType(QStringLiteral("Gebühr"), &kept);
        } else if (kind != "name") {
            // The new book's one type, the nameless one, is chosen.
            create(kind == "cents"      ? QStringLiteral("3.5")
                   : kind == "cents-de" ? QStringLiteral("3,49")
                                        : QStringLiteral("3"),
                   kind == "comment" ? QStringLiteral("Müller") : QString());
        }
        QVERIFY(!prompts.asked.contains(QStringLiteral("convert")));
        QCOMPARE(prompts.warnings, QStringList());
        QCOMPARE(db().format(), 2);
        QCOMPARE(db().decimals(), cents ? 2 : 0);
        QVERIFY(!window->statusBar()->currentMessage().isEmpty());
        QVERIFY(formatLabel()->isVisible());
        if (cents) QCOMPARE(amounts(), std::vector<int>{kind == "cents" ? 350 : 349});
    }
};

QTEST_MAIN(TestFormatConversion)
#include "test_formatconversion.moc"
