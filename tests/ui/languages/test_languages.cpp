#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSet>
#include <QSignalSpy>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <QXmlStreamReader>
#include <cerrno>
#include <memory>
#include <utility>

#include "tests/support/bookbuilder.h"
#include "tests/support/coretestsupport.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/statisticsupport.h"
#include "tests/support/windowfixture.h"
#include "text/big5text.h"
#include "ui/languages/languagefolder.h"
#include "ui/prompts/coremessages.h"
#include "ui/prompts/dbnamedialog.h"
#include "ui/table/transactiontablemodel.h"
#include "ui/window/mainwindow.h"
#include "ui/window/windowactions.h"

namespace {

const QString shippedDir = QStringLiteral(PENNYWELL_LANGUAGES_DIR);
const QString fixtureDir = QStringLiteral(FIXTURE_DIR);
const char* const headerSources[] = {"Index", "Date", "In/Out", "Money", "Type", "Comment"};

// A folder of translation files: each entry copies a file (a path) to a name.
using FileCopies = QList<std::pair<QString, QString>>;

QString shipped(const QString& name) { return shippedDir + u'/' + name; }
QString fixture(const QString& name) { return fixtureDir + u'/' + name; }

QStringList standardButtonTexts() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return {box.button(QMessageBox::Yes)->text(), box.button(QMessageBox::No)->text(),
            box.button(QMessageBox::Cancel)->text()};
}

QStringList placeholders(const QString& text) {
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(QStringLiteral("%[\\dn]")).globalMatch(text))
        found << match.captured();
    found.sort();
    return found;
}

int mnemonicCount(QString text) {
    text.remove(QStringLiteral("&&"));
    return static_cast<int>(text.count(u'&'));
}

}  // namespace

class TestLanguages : public QObject, private WindowFixture {
    Q_OBJECT

private:
    // Starts the window as main does, on the given translation folder.
    void openWindow(const QString& langDir) { startWindow(langDir, true); }
    void openSampleBook() {
        KestLib::AccountDB book = sampleDatabase();
        std::string path = QFile::encodeName(folder->filePath(QStringLiteral("sample.pwdb"))).toStdString();
        book.saveFile(path);
        window->openFile(QFile::decodeName(path.c_str()));
        QCOMPARE(window->boundFileName(), QFile::decodeName(path.c_str()));
    }
    QString makeFolder(const FileCopies& copies) {
        const QString path = folder->filePath(QStringLiteral("languages"));
        QDir().mkpath(path);
        for (const auto& [source, name] : copies) {
            if (!QFile::copy(source, path + u'/' + name)) qFatal("can't copy %s", qPrintable(source));
        }
        return path;
    }
    QMenu* languageMenu() const { return window->menuBar()->actions().at(4)->menu(); }
    QStringList languageNames() const {
        QStringList names;
        for (const QAction* item : languageMenu()->actions()) names << item->text();
        return names;
    }
    QList<bool> languageChecks() const {
        QList<bool> checks;
        for (const QAction* item : languageMenu()->actions()) checks << item->isChecked();
        return checks;
    }
    void chooseLanguage(const QString& locale) {
        auto* item = languageMenu()->findChild<QAction*>(QStringLiteral("language_") + locale);
        if (!item) item = window->findChild<QAction*>(QStringLiteral("language_") + locale);
        QVERIFY2(item, qPrintable("no item for " + locale));
        item->trigger();
    }
    QAction* action(const char* name) const { return window->findChild<QAction*>(QString::fromLatin1(name)); }
    QTableView* table() const { return window->findChild<QTableView*>(QStringLiteral("table")); }
    QString status() const { return window->findChild<QLabel*>(QStringLiteral("statusLabel"))->text(); }
    QSet<QString> inOutCells() const {
        QSet<QString> texts;
        const QAbstractItemModel* model = table()->model();
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, TransactionTableModel::InOutColumn).data().toString();
        return texts;
    }
    QList<QKeySequence> shortcuts() const {
        QList<QKeySequence> keys;
        // Only the actions that have keys: a language switch builds the
        // Recent Books entries anew, with the books opened since.
        for (const QAction* each : window->findChildren<QAction*>())
            if (!each->shortcut().isEmpty()) keys << each->shortcut();
        return keys;
    }

    // Every followed text of the window, each against the translation the
    // reference gives of its source (the source itself when reference is null).
    void compareWindowTexts(const QTranslator* reference) {
        auto expected = [reference](const char* source) {
            const QString text = reference ? reference->translate("MainWindow", source) : QString();
            return text.isEmpty() ? QString::fromUtf8(source) : text;
        };
        // The menu bar's titles, then the Statistic submenu's, in the table's order.
        QStringList shownTitles, expectedTitles;
        for (const QAction* title : window->menuBar()->actions()) shownTitles << title->text();
        for (const QAction* item : window->menuBar()->actions().at(3)->menu()->actions())
            if (item->menu()) shownTitles << item->text();
        for (const WindowActions::MenuEntry& entry : WindowActions::menus())
            if (*entry.title && entry.menu != WindowActions::Menu::Statistic) expectedTitles << expected(entry.title);
        expectedTitles << expected("&Statistic");
        QCOMPARE(shownTitles, expectedTitles);
        for (const WindowActions::Entry& entry : WindowActions::table()) {
            const QAction* shown = action(entry.objectName);
            QCOMPARE(shown->text(), expected(entry.text));
            if (*entry.statusTip) QCOMPARE(shown->statusTip(), expected(entry.statusTip));
        }
        for (int section = 0; section < TransactionTableModel::ColumnCount; ++section)
            QCOMPARE(table()->model()->headerData(section, Qt::Horizontal).toString(),
                     expected(headerSources[section]));
        QCOMPARE(status(), expected("File Saved"));
        QCOMPARE(inOutCells(), QSet<QString>({expected("Income"), expected("Outgoing")}));
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    void init() { prepare(); }

    void cleanup() {
        // The window's translators leave the application with it.
        window.reset();
        QVERIFY2(prompts.unscripted.isEmpty(), qPrintable("unexpected questions: " + prompts.unscripted.join(", ")));
    }

    void noLanguagesGiveAnEmptyMenuAndEnglish_data() {
        QTest::addColumn<QString>("langDir");
        QTest::addColumn<FileCopies>("files");
        QTest::newRow("no folder") << QStringLiteral("absent") << FileCopies();
        QTest::newRow("folder never set") << QString() << FileCopies();
        QTest::newRow("no program files") << QStringLiteral("languages")
                                          << FileCopies{{shipped("qt_de.qm"), "qt_de.qm"},
                                                        {PENNYWELL_TS_DIR "/Pennywell_de.ts", "Pennywell_de.ts"},
                                                        {shipped("Pennywell_de.qm"), "Other_de.qm"}};
    }
    void noLanguagesGiveAnEmptyMenuAndEnglish() {
        QFETCH(QString, langDir);
        QFETCH(FileCopies, files);
        if (!files.isEmpty()) makeFolder(files);
        openWindow(langDir.isEmpty() ? QString() : folder->filePath(langDir));
        openSampleBook();
        QVERIFY(languageMenu()->actions().isEmpty());
        QVERIFY(window->menuBar()->actions().at(4)->isEnabled());
        compareWindowTexts(nullptr);
    }

    void languagesListedInFileNameOrder_data() {
        QTest::addColumn<FileCopies>("files");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QList<bool>>("checks");
        QTest::newRow("the shipped three")
            << FileCopies{{shipped("Pennywell_zh_TW.qm"), "Pennywell_zh_TW.qm"},
                          {shipped("Pennywell_en.qm"), "Pennywell_en.qm"},
                          {shipped("Pennywell_de.qm"), "Pennywell_de.qm"}}
            << QStringList{"Deutsch", "English", QStringLiteral("繁體中文")} << QList<bool>{false, true, false};
        // The file without a name of its language shows its locale, here
        // with a capital that a case-sensitive order would put first.
        QTest::newRow("case ignored, locale as name")
            << FileCopies{{fixture("Pennywell_fr.qm"), "Pennywell_Fr.qm"},
                          {shipped("Pennywell_en.qm"), "Pennywell_en.qm"},
                          {shipped("Pennywell_de.qm"), "Pennywell_de.qm"}}
            << QStringList{"Deutsch", "English", "Fr"} << QList<bool>{false, true, false};
        QTest::newRow("locale cut at the first dot")
            << FileCopies{{fixture("Pennywell_fr.qm"), "Pennywell_pt_BR.v2.qm"}} << QStringList{"pt_BR"}
            << QList<bool>{false};
        QTest::newRow("no English file, nothing checked") << FileCopies{{shipped("Pennywell_de.qm"), "Pennywell_de.qm"}}
                                                          << QStringList{"Deutsch"} << QList<bool>{false};
    }
    void languagesListedInFileNameOrder() {
        QFETCH(FileCopies, files);
        QFETCH(QStringList, names);
        QFETCH(QList<bool>, checks);
        openWindow(makeFolder(files));
        QCOMPARE(languageNames(), names);
        QCOMPARE(languageChecks(), checks);
    }

    void switchingRenamesTheWindowAtOnce_data() {
        QTest::addColumn<QStringList>("choices");
        QTest::newRow("German") << QStringList{"de"};
        QTest::newRow("Chinese") << QStringList{"zh_TW"};
        QTest::newRow("German, then Chinese") << QStringList{"de", "zh_TW"};
        QTest::newRow("Chinese, then English") << QStringList{"zh_TW", "en"};
        QTest::newRow("the same twice") << QStringList{"de", "de"};
    }
    void switchingRenamesTheWindowAtOnce() {
        QFETCH(QStringList, choices);
        openWindow(shippedDir);
        openSampleBook();
        const QStringList names = languageNames();
        const QList<QKeySequence> keys = shortcuts();
        // The view reads cells on demand; it repaints only when told.
        QSignalSpy headersRenewed(table()->model(), &QAbstractItemModel::headerDataChanged);
        QSignalSpy cellsRenewed(table()->model(), &QAbstractItemModel::dataChanged);
        QSignalSpy rowsRenewed(table()->model(), &QAbstractItemModel::modelReset);
        for (const QString& locale : choices) chooseLanguage(locale);
        QCOMPARE(headersRenewed.count(), choices.size());
        QVERIFY(cellsRenewed.count() + rowsRenewed.count() >= choices.size());

        QTranslator reference;
        QVERIFY(reference.load(QStringLiteral("Pennywell_") + choices.last(), shippedDir));
        // English shows the program's own texts exactly as they stand.
        if (choices.last() == QLatin1String("en")) {
            compareWindowTexts(nullptr);
        } else {
            QVERIFY(reference.translate("MainWindow", "&File") != QLatin1String("&File"));
            compareWindowTexts(&reference);
        }
        // The items keep their own names; the chosen one alone is checked.
        QCOMPARE(languageNames(), names);
        QList<bool> checks;
        for (const QAction* item : languageMenu()->actions())
            checks << (item->objectName() == QStringLiteral("language_") + choices.last());
        QCOMPARE(languageChecks(), checks);
        // Shortcuts are the same keys in every language.
        QCOMPARE(shortcuts(), keys);
        // Calendars and file dialogs name months and days in it too.
        QCOMPARE(QLocale().name().left(2), choices.last().left(2));
        QCOMPARE(window->locale(), QLocale());
    }

    void storedTextsEqualToInterfaceTextsShowAsStored_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("English") << QStringLiteral("en");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Chinese") << QStringLiteral("zh_TW");
    }
    void storedTextsEqualToInterfaceTextsShowAsStored() {
        // A book whose name, types and comments are words the interface
        // translates: each is the user's text, shown as stored everywhere.
        QFETCH(QString, locale);
        const std::string path = QFile::encodeName(folder->filePath(QStringLiteral("words.pwdb"))).toStdString();
        BookBuilder("Warning")
            .income("Income", 100, 2004, 3, 1, "Warning")
            .outgoing("ALL", 30, 2004, 3, 2, "Permission denied")
            .outgoing("Income", 5, 2004, 3, 3, "Disk full")
            .writeTo(path);
        openWindow(shippedDir);
        window->openFile(QFile::decodeName(path.c_str()));
        chooseLanguage(locale);
        QTranslator reference;
        QVERIFY(reference.load(QStringLiteral("Pennywell_") + locale, shippedDir));
        const QStringList types{QString(), "Income", "ALL"};

        QVERIFY2(window->windowTitle().contains(QLatin1String("Warning")), qPrintable(window->windowTitle()));
        QStringList shownTypes, comments;
        const QAbstractItemModel* model = table()->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            shownTypes << model->index(row, TransactionTableModel::TypeColumn).data().toString();
            comments << model->index(row, TransactionTableModel::CommentColumn).data().toString();
        }
        shownTypes.sort();
        comments.sort();
        QCOMPARE(shownTypes, QStringList({"ALL", "Income", "Income"}));
        QCOMPARE(comments, QStringList({"Disk full", "Permission denied", "Warning"}));

        const auto* findType = window->findChild<QComboBox*>(QStringLiteral("findType"));
        QStringList findTypes;
        for (int item = 1; item < findType->count(); ++item) findTypes << findType->itemText(item);
        QCOMPARE(findTypes, types);

        // The type list under its own "ALL" entry, and the report's rows.
        QStringList listed;
        prompts.dialogScripts.push_back([&](QDialog& shown) {
            QListWidget* list = typeList(shown);
            for (int row = 1; row < list->count(); ++row) listed << list->item(row)->text();
            setRange(shown, QDate(2004, 3, 1), QDate(2004, 3, 31));
            list->item(0)->setSelected(true);
            const QString ok = reference.translate("StatisticDialog", "OK");
            button(shown, ok.isEmpty() ? QStringLiteral("OK") : ok)->click();
            return false;
        });
        action("percentageAct")->trigger();
        QCOMPARE(listed, types);
        QCOMPARE(prompts.reports.size(), 1);
        const QString typeCell = reference.translate("PercentageDialog", "<TR><TD>%1</TD>");
        for (const char* name : {"Income", "ALL"})
            QVERIFY2(prompts.reports.first().contains(typeCell.arg(QLatin1String(name))), name);
    }

    void dialogsAfterASwitchFollowTheLanguage_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<bool>("withToolkitFiles");
        QTest::newRow("German") << QStringLiteral("de") << true;
        QTest::newRow("Chinese") << QStringLiteral("zh_TW") << true;
        QTest::newRow("German, toolkit files missing") << QStringLiteral("de") << false;
    }
    void dialogsAfterASwitchFollowTheLanguage() {
        QFETCH(QString, locale);
        QFETCH(bool, withToolkitFiles);
        QString langDir = shippedDir;
        if (!withToolkitFiles) {
            const QString name = QStringLiteral("Pennywell_") + locale + QStringLiteral(".qm");
            langDir = makeFolder({{shipped(name), name}});
        }
        openWindow(langDir);
        const QStringList englishButtons = standardButtonTexts();
        chooseLanguage(locale);

        QTranslator reference;
        QVERIFY(reference.load(QStringLiteral("Pennywell_") + locale, shippedDir));
        DBNameDialog dialog(window.get());
        const QString prompt = reference.translate("DBNameDialog", "Enter the database name");
        QVERIFY(!prompt.isEmpty() && prompt != QLatin1String("Enter the database name"));
        QCOMPARE(dialog.findChild<QLabel*>()->text(), prompt);
        QCOMPARE(dialog.findChild<QPushButton*>(QStringLiteral("cancelButton"))->text(),
                 reference.translate("DBNameDialog", "Cancel"));

        // The toolkit's own buttons follow only where its file is there.
        const QStringList buttons = standardButtonTexts();
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            if (withToolkitFiles)
                QVERIFY2(buttons[i] != englishButtons[i], qPrintable(buttons[i]));
            else
                QCOMPARE(buttons[i], englishButtons[i]);
        }
    }

    // The core's one message for both, worded apart: a save that can't open
    // its file for writing says so, and which file; an open says it
    // couldn't open the file.
    void aFileThatCantBeOpenedSaysInGermanWhetherForWriting_data() {
        QTest::addColumn<bool>("saving");
        QTest::addColumn<QString>("warning");  // "%1": the file
        QTest::newRow("saved into a missing folder")
            << true << QStringLiteral("Die Datei „%1“ konnte nicht zum Schreiben geöffnet werden.");
        QTest::newRow("opened from a missing folder")
            << false << QStringLiteral("Die Datei konnte nicht geöffnet werden.");
    }
    void aFileThatCantBeOpenedSaysInGermanWhetherForWriting() {
        QFETCH(bool, saving);
        QFETCH(QString, warning);
        openWindow(shippedDir);
        chooseLanguage(QStringLiteral("de"));
        const QString missing = folder->filePath(QStringLiteral("missing/money.pwdb"));
        if (saving) {
            openSampleBook();
            prompts.saveNames.push_back(missing);
            action("saveAsAct")->trigger();
        } else {
            window->openFile(missing);
        }
        QCOMPARE(prompts.warnings.size(), 1);
        const QString file = QDir::toNativeSeparators(missing);
        const QString expected = QStringLiteral(": ") + (saving ? warning.arg(file) : warning);
        QVERIFY2(prompts.warnings.first().endsWith(expected), qPrintable(prompts.warnings.first()));
    }

    void coreMessagesAreTranslatedWhole_data() {
        QTest::addColumn<QString>("locale");
        QTest::newRow("German") << QStringLiteral("de");
        QTest::newRow("Chinese") << QStringLiteral("zh_TW");
        QTest::newRow("English") << QStringLiteral("en");
    }
    void coreMessagesAreTranslatedWhole() {
        QFETCH(QString, locale);
        using KestLib::ErrorCode;
        using KestLib::ErrorMsg;
        const QString food = QStringLiteral("餐飲");
        // Each code's message with a subject where it takes one, as the core
        // throws it: a type's name is stored text, a file's the system's bytes.
        const auto thrown = [&](ErrorCode code) {
            if (code == ErrorCode::typeExists) return ErrorMsg::typeExists(toBig5(food));
            if (code == ErrorCode::notEnoughMemory) return ErrorMsg(code, "/tmp/big.pwdb", 0);
            if (code == ErrorCode::fileOpenForWriting) return ErrorMsg(code, "/tmp/big.pwdb", EACCES);
            return ErrorMsg(code);
        };
        const auto subjectOf = [&](ErrorCode code) {
            if (code == ErrorCode::typeExists) return food;
            const bool namesFile = code == ErrorCode::notEnoughMemory || code == ErrorCode::fileOpenForWriting;
            return namesFile ? QStringLiteral("/tmp/big.pwdb") : QString();
        };

        // Untranslated every message reads as the core wrote it; translated,
        // as the language's file words it, the subject in its place.
        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral("Pennywell_") + locale, shippedDir));
        const auto uninstall = qScopeGuard([&] { QApplication::removeTranslator(&translator); });
        for (const bool translated : {false, true}) {
            if (translated) QApplication::installTranslator(&translator);
            for (std::size_t i = 0; i < KestLib::errorCodeCount; ++i) {
                const auto code = static_cast<ErrorCode>(i);
                const ErrorMsg error = thrown(code);
                const char* source = coreMessageSource(code);
                QVERIFY2(source != nullptr, error.message().c_str());
                // The window's key is the core's own spelling; but the core
                // words a file that can't be opened for writing as one that
                // can't be read, and only the window tells them apart.
                const ErrorCode spelledAs = code == ErrorCode::fileOpenForWriting ? ErrorCode::fileOpen : code;
                QCOMPARE(KestLib::errorText(code), KestLib::errorText(spelledAs));
                if (spelledAs == code)
                    QCOMPARE(QByteArray(source), QByteArray::fromStdString(std::string(KestLib::errorText(code))));
                const QString english = QString::fromLatin1(source);
                const QString sentence = translated ? translator.translate("MainWindow", source) : english;
                QVERIFY2(!sentence.isEmpty(), source);
                QCOMPARE(sentence.contains(QLatin1String("%1")), english.contains(QLatin1String("%1")));
                if (locale == QLatin1String("en")) QCOMPARE(sentence, english);
                const QString expected =
                    sentence.contains(QLatin1String("%1")) ? sentence.arg(subjectOf(code)) : sentence;
                QCOMPARE(coreMessageText(error), expected);
                // Found by its text alone, the message is the one it shares.
                QCOMPARE(coreMessageText(error.message()),
                         spelledAs == code ? expected : coreMessageText(ErrorMsg(spelledAs)));
            }
        }

        const QString sentence = translator.translate("MainWindow", "The type %1 has existed");
        // The name is found between the fixed parts, whatever it holds.
        QCOMPARE(coreMessageText(ErrorMsg::typeExists("").message()), sentence.arg(QString()));
        QCOMPARE(coreMessageText(ErrorMsg::typeExists("A has existed").message()),
                 sentence.arg(QStringLiteral("A has existed")));
        // A message the table doesn't know is shown as it is.
        QCOMPARE(coreMessageText("The type"), QStringLiteral("The type"));
        QCOMPARE(coreMessageText("Disk on fire"), QStringLiteral("Disk on fire"));
    }

    // Every shipped language translates every text of every context, so a
    // new text without its translations fails here (and a text the code
    // gained without an update of the .ts files fails translations_in_step).
    // The English file gives every text exactly as the program writes it; a
    // counted text ("%n row(s)") gets the singular and plural a reader expects.
    void everyTextHasAFinishedTranslation_data() {
        QTest::addColumn<QString>("path");
        const QFileInfoList files = QDir(QStringLiteral(PENNYWELL_TS_DIR)).entryInfoList({"*.ts"}, QDir::Files);
        QCOMPARE(files.size(), 3);
        for (const QFileInfo& file : files) QTest::newRow(qPrintable(file.fileName())) << file.filePath();
    }
    void everyTextHasAFinishedTranslation() {
        QFETCH(QString, path);
        // How many forms a counted text has in each shipped language.
        const QHash<QString, int> pluralForms{{"en", 2}, {"de", 2}, {"zh_TW", 1}};
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        QString language;
        QString context;
        QString source;
        bool counted = false;
        QStringList faults;
        int messages = 0;
        while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
            if (!xml.isStartElement()) continue;
            if (xml.name() == QLatin1String("TS")) {
                language = xml.attributes().value(QLatin1String("language")).toString();
                QVERIFY2(pluralForms.contains(language), qPrintable(language));
            } else if (xml.name() == QLatin1String("name")) {
                context = xml.readElementText();
            } else if (xml.name() == QLatin1String("message")) {
                counted = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            } else if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                ++messages;
                const QString kind = xml.attributes().value(QLatin1String("type")).toString();
                QStringList forms;
                if (counted) {
                    while (xml.readNextStartElement()) forms << xml.readElementText();
                } else {
                    forms << xml.readElementText();
                }
                QStringList english{source};
                if (counted) {
                    QString singular = source;
                    QString plural = source;
                    english = QStringList{singular.remove(QStringLiteral("(s)")),
                                          plural.replace(QStringLiteral("(s)"), QStringLiteral("s"))};
                }
                const QString where = context + QStringLiteral(" \"") + source + QStringLiteral("\": ");
                if (!kind.isEmpty() || forms.contains(QString()))
                    faults << where + QStringLiteral("not finished");
                else if (counted && forms.size() != pluralForms.value(language))
                    faults << where + QStringLiteral("%1 forms where %2 needs %3")
                                          .arg(forms.size())
                                          .arg(language)
                                          .arg(pluralForms.value(language));
                else if (language == QLatin1String("en") && forms != english)
                    faults << where + QStringLiteral("differs from the source: \"") + forms.join(u'|') + u'"';
                for (const QString& translation : std::as_const(forms)) {
                    if (placeholders(translation) != placeholders(source))
                        faults << where + QStringLiteral("other placeholders");
                    // A report's HTML has no mnemonics: its "&" is a word there.
                    else if (!source.startsWith(u'<') && mnemonicCount(translation) != mnemonicCount(source))
                        faults << where + QStringLiteral("other mnemonics");
                    else if (source.startsWith(QLatin1String("Ctrl+")) &&
                             QKeySequence(translation) != QKeySequence(source))
                        faults << where + QStringLiteral("other keys");
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 0);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
    }

    void languageFolderIsFoundBesideOrInstalled_data() {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("build folder") << true << false << "prefix/bin/languages";
        QTest::newRow("installed") << false << true << "prefix/share/pennywell/languages";
        QTest::newRow("both: beside first") << true << true << "prefix/bin/languages";
        QTest::newRow("neither: beside, empty") << false << false << "prefix/bin/languages";
    }
    void languageFolderIsFoundBesideOrInstalled() {
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        QFETCH(QString, expected);
        const QDir root(folder->path());
        QVERIFY(root.mkpath(QStringLiteral("prefix/bin")));
        if (beside) QVERIFY(root.mkpath(QStringLiteral("prefix/bin/languages")));
        if (installed) QVERIFY(root.mkpath(QStringLiteral("prefix/share/pennywell/languages")));
        QCOMPARE(LanguageFolder::locate(root.filePath(QStringLiteral("prefix/bin"))), root.filePath(expected));
    }

    void builtAndInstalledProgramsFindTheirLanguages() {
        // The build folder: the languages lie beside the program.
        const QString programFolder = QFileInfo(QStringLiteral(PENNYWELL_PROGRAM)).absolutePath();
        QCOMPARE(LanguageFolder::locate(programFolder), shippedDir);

        QProcess install;
        install.start(QStringLiteral(CMAKE_COMMAND),
                      {"--install", PENNYWELL_BUILD_DIR, "--prefix", folder->filePath(QStringLiteral("prefix"))});
        QVERIFY(install.waitForFinished(60000));
        QVERIFY2(install.exitCode() == 0, install.readAllStandardError().constData());
        const QString bin = folder->filePath(QStringLiteral("prefix/bin"));
        QVERIFY(QFileInfo(bin + QStringLiteral("/pennywell")).isExecutable());

        for (const QString& found : {shippedDir, LanguageFolder::locate(bin)}) {
            QStringList names;
            for (const LanguageFolder::Language& language : LanguageFolder(found).languages()) names << language.name;
            QCOMPARE(names, QStringList({"Deutsch", "English", QStringLiteral("繁體中文")}));
            // The toolkit's files load, with every catalogue they need.
            for (const QString locale : {"de", "zh_TW"}) {
                QTranslator program;
                QTranslator toolkit;
                LanguageFolder(found).load(locale, program, toolkit);
                QVERIFY2(!program.isEmpty() && !toolkit.isEmpty(), qPrintable(found + u' ' + locale));
            }
        }
    }
};

QTEST_MAIN(TestLanguages)
#include "test_languages.moc"
