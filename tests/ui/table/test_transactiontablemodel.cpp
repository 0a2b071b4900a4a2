#include <QAbstractItemModelTester>
#include <QApplication>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QItemSelectionModel>
#include <QLocale>
#include <QPersistentModelIndex>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QTest>
#include <QTranslator>

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/accountdb.h"
#include "tests/support/booksupport.h"
#include "text/big5text.h"
#include "ui/table/transactiontablemodel.h"

using KestLib::AccountDB;
using KestLib::Transaction;

namespace {

// Renames texts of the "MainWindow" context, as a language switch would.
class RenamingTranslator : public QTranslator {
public:
    QHash<QString, QString> renames;

    QString translate(const char* context, const char* sourceText, const char*, int) const override {
        if (qstrcmp(context, "MainWindow") != 0) return QString();
        return renames.value(QString::fromUtf8(sourceText));
    }
    bool isEmpty() const override { return false; }
};

Transaction record(int year, int month, int day, int typeId, int amount, bool income, const std::string& comment) {
    Transaction t;
    t.setYear(year);
    t.setMonth(month);
    t.setDay(day);
    t.setType(typeId);
    t.setAmount(amount);
    t.setIncome(income);
    t.setComment(comment);
    return t;
}

void add(AccountDB& db, Transaction t) { db.addTransaction(t); }

// The empty-name type (id 0), then "Salary" (id 2) and "Rent" (id 3):
// "Food" (id 1) was deleted, so ids and positions differ, and the names sort
// otherwise than the ids.
void addTypesWithGap(AccountDB& db) {
    db.reset();
    db.addType("Food");
    db.addType("Salary");
    db.addType("Rent");
    db.deleteType(db.findType("Food"));
}

QString cell(const TransactionTableModel& model, int row, int column) {
    return model.data(model.index(row, column)).toString();
}

std::vector<int> shownIndexes(const TransactionTableModel& model) {
    std::vector<int> indexes;
    for (int row = 0; row < model.rowCount(); ++row) indexes.push_back(model.transactionIndexAt(row));
    return indexes;
}

std::vector<int> indexesOf(std::initializer_list<int> indexes) { return indexes; }

// Every row's six texts, in row order.
std::vector<QStringList> rowTexts(const TransactionTableModel& model) {
    std::vector<QStringList> rows;
    for (int row = 0; row < model.rowCount(); ++row) {
        QStringList texts;
        for (int column = 0; column < TransactionTableModel::ColumnCount; ++column) texts << cell(model, row, column);
        rows.push_back(texts);
    }
    return rows;
}

const std::vector<std::string> someComments = {"",
                                               "b",
                                               "a",
                                               "\xA4\xA4",
                                               "ab",
                                               "B",
                                               "Weekly shopping at the market",
                                               "\xA4\xA4\xA4\xE5\xA4\xA4\xA4\xE5\xA4\xA4\xA4\xE5"};

Transaction randomRecord(QRandomGenerator& random) {
    // Few distinct keys, so equal keys are common; widths vary in every column.
    const int typeId = std::array{0, 2, 3}[random.bounded(3)];
    const int year = random.bounded(20) == 0 ? 12000 + random.bounded(100) : 2000 + random.bounded(12);
    return record(year, 1 + random.bounded(12), 1 + random.bounded(28), typeId,
                  random.bounded(10) == 0 ? 100000 + random.bounded(5) : 1 + random.bounded(15), random.bounded(2) == 0,
                  someComments[random.bounded(int(someComments.size()))]);
}

// What a stable sort of the shown rows by their shown texts gives: the
// reference the model's sort must match exactly.
std::vector<int> expectedOrder(const TransactionTableModel& model, int column, bool ascending) {
    struct Row {
        int index;
        QString text;
        qlonglong number;
    };
    std::vector<Row> rows;
    for (int row = 0; row < model.rowCount(); ++row)
        rows.push_back(
            {model.transactionIndexAt(row), cell(model, row, column), cell(model, row, column).toLongLong()});
    const bool numeric = column == TransactionTableModel::IndexColumn || column == TransactionTableModel::MoneyColumn;
    auto less = [numeric](const Row& a, const Row& b) { return numeric ? a.number < b.number : a.text < b.text; };
    std::stable_sort(rows.begin(), rows.end(),
                     [&](const Row& a, const Row& b) { return ascending ? less(a, b) : less(b, a); });
    std::vector<int> indexes;
    for (const Row& row : rows) indexes.push_back(row.index);
    return indexes;
}

}  // namespace

class TestTransactionTableModel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cellsShowTheirFields();
    void headersAndLanguageSwitch();
    void numbersSortNumerically();
    void textsSortByShownText();
    void descendingKeepsEqualKeysInCurrentOrder();
    void everySortMatchesAStableSortOfShownTexts();
    void keysOrderAsShownTextsInTrickyCases();
    void appendedRowIsSortedIn();
    void persistentIndexFollowsItsTransaction();
    void persistentIndexFollowsItsTransactionThroughSearches();
    void reloadAndClear();
    void commentWidthFromBytesIsTheDecodedWidth_data();
    void commentWidthFromBytesIsTheDecodedWidth();
    void format2TextsSortAndMeasureAsShown_data();
    void format2TextsSortAndMeasureAsShown();
    void rowsOfAChangedDatabaseNeverThrow();
    void rowChangesMatchAReload();
    void rowChangesSignalTheirRowOnly();
    void rowChangesKeepSelectionAndScroll();
    void moneyOfABookWithDecimals_data();
    void moneyOfABookWithDecimals();

private:
    AccountDB db;
    std::unique_ptr<TransactionTableModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

void TestTransactionTableModel::init() {
    db = AccountDB();
    addTypesWithGap(db);
    const int rent = db.findType("Rent").id();
    const int salary = db.findType("Salary").id();
    add(db, record(2004, 3, 7, rent, 10, false, "\xA4\xA4\xA4\xE5"));  // 中文
    add(db, record(2004, 11, 15, salary, 9, true, "pay"));
    add(db, record(2004, 10, 1, 0, 100, false, ""));
    add(db, record(2003, 12, 31, rent, 10, false, "deposit"));
    model = std::make_unique<TransactionTableModel>();
    tester =
        std::make_unique<QAbstractItemModelTester>(model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    model->setDatabase(&db);
}

void TestTransactionTableModel::cellsShowTheirFields() {
    QCOMPARE(model->rowCount(), 4);
    QCOMPARE(model->columnCount(), 6);
    QCOMPARE(cell(*model, 0, TransactionTableModel::IndexColumn), QStringLiteral("1"));
    QCOMPARE(cell(*model, 0, TransactionTableModel::DateColumn), QStringLiteral("2004/ 3/ 7"));
    QCOMPARE(cell(*model, 1, TransactionTableModel::DateColumn), QStringLiteral("2004/11/15"));
    QCOMPARE(cell(*model, 0, TransactionTableModel::InOutColumn), QStringLiteral("Outgoing"));
    QCOMPARE(cell(*model, 1, TransactionTableModel::InOutColumn), QStringLiteral("Income"));
    QCOMPARE(cell(*model, 2, TransactionTableModel::MoneyColumn), QStringLiteral("100"));
    // Type id 3 sits at position 2 since the type with id 1 was deleted.
    QCOMPARE(cell(*model, 0, TransactionTableModel::TypeColumn), QStringLiteral("Rent"));
    QCOMPARE(cell(*model, 1, TransactionTableModel::TypeColumn), QStringLiteral("Salary"));
    QCOMPARE(cell(*model, 2, TransactionTableModel::TypeColumn), QString());
    QCOMPARE(cell(*model, 0, TransactionTableModel::CommentColumn), QString::fromUtf8("中文"));
    QCOMPARE(cell(*model, 1, TransactionTableModel::CommentColumn), QStringLiteral("pay"));

    // Wider numbers are not cut; odd values keep the same padding rule.
    QCOMPARE(TransactionTableModel::dateText(12345, 1, 1), QStringLiteral("12345/ 1/ 1"));
    QCOMPARE(TransactionTableModel::dateText(99, 123, -5), QStringLiteral("  99/123/-5"));

    const int right = model->data(model->index(0, TransactionTableModel::MoneyColumn), Qt::TextAlignmentRole).toInt();
    QVERIFY(right & Qt::AlignRight);
}

void TestTransactionTableModel::headersAndLanguageSwitch() {
    const QStringList english = {"Index", "Date", "In/Out", "Money", "Type", "Comment"};
    for (int column = 0; column < 6; ++column)
        QCOMPARE(model->headerData(column, Qt::Horizontal).toString(), english[column]);

    model->sortRows(TransactionTableModel::CommentColumn, true);
    QCOMPARE(shownIndexes(*model), indexesOf({3, 4, 2, 1}));

    RenamingTranslator translator;
    translator.renames = {{"Money", "Geld"},
                          {"Income", "Einnahme"},
                          {"Outgoing", "Ausgabe"},
                          {"pay", "aaa"},
                          {"deposit", "the translation, far wider than any comment"}};
    const int commentWidth = model->widestText(TransactionTableModel::CommentColumn);
    QCoreApplication::installTranslator(&translator);
    QSignalSpy headers(model.get(), &QAbstractItemModel::headerDataChanged);
    QSignalSpy cells(model.get(), &QAbstractItemModel::dataChanged);
    model->retranslate();
    QCOMPARE(headers.count(), 1);
    QCOMPARE(cells.count(), 1);
    QCOMPARE(model->headerData(TransactionTableModel::MoneyColumn, Qt::Horizontal).toString(), QStringLiteral("Geld"));
    QCOMPARE(cell(*model, 2, TransactionTableModel::InOutColumn), QStringLiteral("Einnahme"));
    // A comment the translation happens to hold is the user's text: shown,
    // measured and sorted as stored.
    QCOMPARE(cell(*model, 1, TransactionTableModel::CommentColumn), QStringLiteral("deposit"));
    QCOMPARE(model->widestText(TransactionTableModel::CommentColumn), commentWidth);

    // Sorts follow the translated words: "Ausgabe" now comes before "Einnahme".
    model->sortRows(TransactionTableModel::InOutColumn, true);
    QCOMPARE(shownIndexes(*model), indexesOf({3, 4, 1, 2}));
    model->sortRows(TransactionTableModel::CommentColumn, true);
    QCOMPARE(shownIndexes(*model), indexesOf({3, 4, 2, 1}));
    QCoreApplication::removeTranslator(&translator);
}

void TestTransactionTableModel::numbersSortNumerically() {
    model->sortRows(TransactionTableModel::MoneyColumn, true);
    // 9 before 10 before 100; the two 10s keep their order.
    QCOMPARE(shownIndexes(*model), indexesOf({2, 1, 4, 3}));
    model->sortRows(TransactionTableModel::IndexColumn, false);
    QCOMPARE(shownIndexes(*model), indexesOf({4, 3, 2, 1}));
    model->sortRows(TransactionTableModel::IndexColumn, true);
    QCOMPARE(shownIndexes(*model), indexesOf({1, 2, 3, 4}));
}

void TestTransactionTableModel::textsSortByShownText() {
    model->sortRows(TransactionTableModel::DateColumn, true);
    // "2003/12/31", "2004/ 3/ 7", "2004/10/ 1", "2004/11/15".
    QCOMPARE(shownIndexes(*model), indexesOf({4, 1, 3, 2}));

    // By the type's name, not its id: "" (id 0) < "Rent" (id 3) < "Salary" (id 2).
    model->sortRows(TransactionTableModel::TypeColumn, true);
    QCOMPARE(shownIndexes(*model), indexesOf({3, 4, 1, 2}));

    // "Income" < "Outgoing".
    model->sortRows(TransactionTableModel::InOutColumn, true);
    QCOMPARE(shownIndexes(*model), indexesOf({2, 3, 4, 1}));

    // "" < "deposit" < "pay" < "中文".
    model->sortRows(TransactionTableModel::CommentColumn, true);
    QCOMPARE(shownIndexes(*model), indexesOf({3, 4, 2, 1}));
}

void TestTransactionTableModel::descendingKeepsEqualKeysInCurrentOrder() {
    // Rows 1 and 4 share Money 10, and rows 1, 3, 4 are outgoing.
    model->sortRows(TransactionTableModel::IndexColumn, false);
    model->sortRows(TransactionTableModel::MoneyColumn, false);
    QCOMPARE(shownIndexes(*model), indexesOf({3, 4, 1, 2}));
    model->sortRows(TransactionTableModel::InOutColumn, false);
    QCOMPARE(shownIndexes(*model), indexesOf({3, 4, 1, 2}));
    model->sortRows(TransactionTableModel::IndexColumn, true);
    model->sortRows(TransactionTableModel::InOutColumn, false);
    QCOMPARE(shownIndexes(*model), indexesOf({1, 3, 4, 2}));
}

void TestTransactionTableModel::everySortMatchesAStableSortOfShownTexts() {
    // Many equal keys in every column, so stability shows.
    QRandomGenerator random(2026);
    const std::vector<std::string> comments = {"", "b", "a", "\xA4\xA4", "ab", "B"};
    for (int i = 0; i < 300; ++i) {
        const int typeId = std::array{0, 2, 3}[random.bounded(3)];
        add(db, record(2000 + random.bounded(12), 1 + random.bounded(12), 1 + random.bounded(28), typeId,
                       1 + random.bounded(15), random.bounded(2) == 0, comments[random.bounded(int(comments.size()))]));
    }
    model->reload();
    for (int step = 0; step < 40; ++step) {
        const int column = random.bounded(6);
        const bool ascending = random.bounded(2) == 0;
        if (step % 5 == 4) {
            // Later rows get dates wider than their fields, which sort by text only.
            const int month = step < 20 ? random.bounded(13) : 100 + step;
            const int day = step == 39 ? -5 : 3;
            add(db, record(2005, month, day, 2, random.bounded(20), true, comments[step % comments.size()]));
            model->appendLastTransaction();
        }
        const std::vector<int> expected = expectedOrder(*model, column, ascending);
        model->sortRows(column, ascending);
        QCOMPARE(shownIndexes(*model), expected);
    }
    for (bool ascending : {true, false}) {
        const std::vector<int> expected = expectedOrder(*model, TransactionTableModel::DateColumn, ascending);
        model->sortRows(TransactionTableModel::DateColumn, ascending);
        QCOMPARE(shownIndexes(*model), expected);
    }
    // Many rows appended to a sorted table are merged in, not placed one by one.
    model->sortRows(TransactionTableModel::CommentColumn, false);
    for (int i = 0; i < 40; ++i) {
        add(db, record(2006, 1, 1, 0, 1, false, comments[random.bounded(int(comments.size()))]));
        model->appendLastTransaction();
    }
    const std::vector<int> expected = expectedOrder(*model, TransactionTableModel::CommentColumn, false);
    model->sortRows(TransactionTableModel::CommentColumn, false);
    QCOMPARE(shownIndexes(*model), expected);
}

void TestTransactionTableModel::keysOrderAsShownTextsInTrickyCases() {
    // Keys built from the stored bytes or numbers must order rows exactly as
    // their shown texts do, equal texts keeping the rows' current order.
    struct Case {
        const char* name;
        int column;
        std::vector<std::string> comments;      // for the Comment column
        std::vector<std::array<int, 3>> dates;  // for the Date column
        bool translated;                        // a translation holding some comments is installed
    };
    using Date = std::array<int, 3>;
    const std::string zeroInside("same\0hidden", 11);
    const std::vector<Case> cases = {
        // Big5 order isn't UTF-16 order: A4A1 (乙) comes after A4A4 (中) in UTF-16.
        {"Big5 against ASCII",
         TransactionTableModel::CommentColumn,
         {"\xA4\xA1", "\xA4\xA4", "\xA4\x40", "z", "A", "\xA1\x40", "~",
          "\xA4\xA4"
          "a",
          "", "\xA2\xCF"},
         {},
         false},
        {"bytes Big5 doesn't read plainly",
         TransactionTableModel::CommentColumn,
         {"abc\xA4", "abc",
          "\x81"
          "A",
          "\x80\xFF\xFF", "\xA4 x", "same", zeroInside, "\xFF", "abc\xA4\xA4"},
         {},
         false},
        {"long texts agreeing at their start",
         TransactionTableModel::CommentColumn,
         {"abcdefgh", "abcdefg", "abcdefgi", "abc", "abcd", "ab", "abcdefgh ", "\xA4\xA4\xA4\xA4\xA4\xA4\xA4\xE5",
          "\xA4\xA4\xA4\xA4\xA4\xA4", std::string(200, 'q'), std::string(199, 'q') + "r"},
         {},
         false},
        {"comments a translation holds",
         TransactionTableModel::CommentColumn,
         {"pay", "deposit", "\xA4\xA4", "zzz", "", "pay "},
         {},
         true},
        {"space-padded and too wide dates",
         TransactionTableModel::DateColumn,
         {},
         {Date{2004, 3, 7}, Date{2004, 10, 1}, Date{2004, 1, 10}, Date{999, 12, 31}, Date{0, 0, 0}, Date{9999, 99, 99},
          Date{2004, 3, 17}, Date{12000, 1, 1}, Date{2004, 100, 1}, Date{-1, 5, 5}, Date{2004, 3, -7}},
         false},
        {"dates that fit their fields",
         TransactionTableModel::DateColumn,
         {},
         {Date{2004, 3, 7}, Date{2004, 10, 1}, Date{2004, 1, 10}, Date{999, 12, 31}, Date{0, 0, 0}, Date{9999, 99, 99},
          Date{2004, 3, 17}, Date{2004, 11, 2}},
         false},
    };
    RenamingTranslator translator;
    translator.renames = {{"pay", "\u4e59 paid"}, {"deposit", "aaa"}, {QString::fromUtf8("中"), "zz"}};
    QRandomGenerator random(11);
    for (const Case& test : cases) {
        AccountDB book;
        book.reset();
        // Each value several times over, shuffled, so equal keys are common.
        const int values = int(std::max(test.comments.size(), test.dates.size()));
        for (int i = 0; i < values * 4; ++i) {
            const int value = random.bounded(values);
            const Date date = test.dates.empty() ? Date{2004, 1, 1} : test.dates[value];
            add(book, record(date[0], date[1], date[2], 0, random.bounded(3), i % 2 == 0,
                             test.comments.empty() ? "" : test.comments[value]));
        }
        if (test.translated) QCoreApplication::installTranslator(&translator);
        TransactionTableModel sorted;
        sorted.setDatabase(&book);
        // From orders other than the database's, in both directions, twice
        // (the second time from keys kept since).
        for (int from : {int(TransactionTableModel::MoneyColumn), int(TransactionTableModel::InOutColumn)}) {
            for (bool ascending : {true, false}) {
                sorted.sortRows(from, false);
                const std::vector<int> expected = expectedOrder(sorted, test.column, ascending);
                sorted.sortRows(test.column, ascending);
                QVERIFY2(shownIndexes(sorted) == expected, test.name);
            }
        }
        if (test.translated) QCoreApplication::removeTranslator(&translator);
    }
}

void TestTransactionTableModel::appendedRowIsSortedIn() {
    model->sortRows(TransactionTableModel::DateColumn, false);
    QSignalSpy inserted(model.get(), &QAbstractItemModel::rowsInserted);
    add(db, record(2004, 3, 7, 0, 5, true, "same day"));
    model->appendLastTransaction();
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.first().at(1).toInt(), 4);
    QCOMPARE(inserted.first().at(2).toInt(), 4);
    QCOMPARE(model->rowCount(), 5);
    QCOMPARE(model->transactionIndexAt(4), 5);

    // The caller re-applies the sort: the new row goes after the row of the
    // same date, since it was after it before the sort.
    model->sortRows(TransactionTableModel::DateColumn, false);
    QCOMPARE(shownIndexes(*model), indexesOf({2, 3, 1, 5, 4}));
}

void TestTransactionTableModel::persistentIndexFollowsItsTransaction() {
    const QPersistentModelIndex moneyOfFirst(model->index(0, TransactionTableModel::MoneyColumn));
    model->sortRows(TransactionTableModel::IndexColumn, false);
    QCOMPARE(moneyOfFirst.row(), 3);
    QCOMPARE(moneyOfFirst.column(), int(TransactionTableModel::MoneyColumn));
    QCOMPARE(model->transactionIndexAt(moneyOfFirst.row()), 1);
}

void TestTransactionTableModel::persistentIndexFollowsItsTransactionThroughSearches() {
    // Rows by Money: 2, 1, 4, 3. The index watches transaction 4 ("deposit")
    // as searches start, change and end; once its row is hidden it is gone.
    struct Step {
        const char* name;
        const char* text;
        int inOut;
        int shown;  // the transaction the index shows then; -1: invalid
    };
    const std::vector<Step> steps = {
        {"a search hides rows", "", 1, 4},
        {"another search", "dep", -1, 4},
        {"every row again", "", -1, 4},
        {"a search hides its row", "pay", -1, -1},
        {"every row again, the index gone", "", -1, -1},
    };
    model->sortRows(TransactionTableModel::MoneyColumn, true);
    const QPersistentModelIndex watched(model->index(2, TransactionTableModel::TypeColumn));
    QCOMPARE(model->transactionIndexAt(watched.row()), 4);
    for (const Step& step : steps) {
        PwText::TransactionSearch search;
        search.setText(QString::fromUtf8(step.text));
        search.selection.inOut = static_cast<KestLib::InOutSelector>(step.inOut);
        model->setSearch(search);
        QVERIFY2((watched.isValid() ? model->transactionIndexAt(watched.row()) : -1) == step.shown, step.name);
        QVERIFY2(!watched.isValid() || watched.column() == TransactionTableModel::TypeColumn, step.name);
    }
}

void TestTransactionTableModel::reloadAndClear() {
    model->sortRows(TransactionTableModel::IndexColumn, false);
    db.deleteTransaction(3);
    model->reload();
    // Database order again; the caller re-applies its sort.
    QCOMPARE(shownIndexes(*model), indexesOf({1, 2, 4}));
    QCOMPARE(model->transactionIndexAt(3), -1);
    QCOMPARE(model->transactionIndexAt(-1), -1);

    model->clearRows();
    QCOMPARE(model->rowCount(), 0);
    QCOMPARE(db.transCount(), 3);

    // A row appended while the rows did not match the database brings them
    // all back rather than a single one.
    add(db, record(2005, 1, 1, 0, 1, true, ""));
    model->appendLastTransaction();
    QCOMPARE(shownIndexes(*model), indexesOf({1, 2, 4, 5}));
}

void TestTransactionTableModel::commentWidthFromBytesIsTheDecodedWidth_data() {
    QTest::addColumn<QByteArray>("comment");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("ASCII") << QByteArray("Weekly shopping, 2 bags");
    QTest::newRow("tab") << QByteArray("a\tb");
    QTest::newRow("Big5") << QByteArray("\xA4\xA4\xA4\xE5 and \xAD\xB9\xAA\xAB");
    QTest::newRow("full-width letters") << QByteArray("\xA2\xCF\xA2\xD0");
    QTest::newRow("ends at a zero byte") << QByteArray("short\0and a long hidden tail", 29);
    QTest::newRow("lead byte at the end") << QByteArray("abc\xA4");
    QTest::newRow("lead byte before ASCII") << QByteArray(
        "\x81"
        "A");
    QTest::newRow("bytes no Big5 text holds") << QByteArray("\x80\xFF\xFF");
}

void TestTransactionTableModel::commentWidthFromBytesIsTheDecodedWidth() {
    // A comment's width comes from its bytes; it must be exactly the width
    // of the text the cell shows, which a type name of the same bytes is
    // measured by once decoded.
    QFETCH(QByteArray, comment);
    AccountDB book;
    book.reset();
    const std::string bytes = comment.toStdString();
    if (!bytes.empty()) book.addType(bytes);  // the empty name is there from the start
    add(book, record(2004, 1, 1, book.findType(bytes).id(), 1, true, bytes));
    TransactionTableModel model;
    model.setDatabase(&book);
    const int width = model.widestText(TransactionTableModel::CommentColumn);
    QCOMPARE(width, model.widestText(TransactionTableModel::TypeColumn));
    const QFontMetricsF metrics(QGuiApplication::font());
    QVERIFY(width >= metrics.horizontalAdvance(cell(model, 0, TransactionTableModel::CommentColumn)));
}

void TestTransactionTableModel::format2TextsSortAndMeasureAsShown_data() {
    QTest::addColumn<QStringList>("comments");  // the types are named as the comments
    QTest::newRow("German") << QStringList{"Müller", "Mueller", "müller", "Zucker", "Äpfel", "apfel"};
    QTest::newRow("Japanese and Chinese") << QStringList{"寿司", "すし", "スシ", "晚饭", "晚飯", "a"};
    QTest::newRow("Cyrillic") << QStringList{"Ёлка", "Елка", "ёлка", "Яблоко", "абв"};
    QTest::newRow("emoji beside the basic plane") << QStringList{"🎉 party", "\uFF5E wave", "🍰", "\uFFFD", "z", "🎉"};
}

void TestTransactionTableModel::format2TextsSortAndMeasureAsShown() {
    // Shown exactly as stored, sorted as the shown texts compare (the order
    // a book of Big5 texts sorts in), and each comment exactly as wide as
    // the type name of the same text, which is measured decoded.
    QFETCH(QStringList, comments);
    std::vector<Row> rows;
    for (const QString& comment : comments)
        rows.push_back({2026, 1, 1, false, 1, comment.toStdString(), comment.toStdString()});
    const AccountDB book = BookSupport::makeFormat2Book("", rows);
    TransactionTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setDatabase(&book);
    for (int row = 0; row < model.rowCount(); ++row) {
        QCOMPARE(cell(model, row, TransactionTableModel::CommentColumn), comments.at(row));
        QCOMPARE(cell(model, row, TransactionTableModel::TypeColumn), comments.at(row));
    }
    for (const int column : {int(TransactionTableModel::CommentColumn), int(TransactionTableModel::TypeColumn)})
        for (const bool ascending : {true, false}) {
            const std::vector<int> expected = expectedOrder(model, column, ascending);
            model.sortRows(column, ascending);
            QCOMPARE(shownIndexes(model), expected);
        }
    QCOMPARE(model.widestText(TransactionTableModel::CommentColumn),
             model.widestText(TransactionTableModel::TypeColumn));
}

void TestTransactionTableModel::rowsOfAChangedDatabaseNeverThrow() {
    // Every paint between a change of the database and the model hearing
    // of it sees rows whose transactions moved or are gone.
    model->sortRows(TransactionTableModel::MoneyColumn, true);
    db.deleteTransaction(2);
    db.deleteTransaction(4);
    int empty = 0;
    for (int row = 0; row < model->rowCount(); ++row)
        for (int column = 0; column < TransactionTableModel::ColumnCount; ++column)
            if (!model->data(model->index(row, column)).isValid()) ++empty;
    QCOMPARE(empty, 2 * TransactionTableModel::ColumnCount);
    const std::vector<int> shown = shownIndexes(*model);
    QCOMPARE(std::count(shown.begin(), shown.end(), -1), 2);
    // No sort reads past the database either; the rows wait for the news.
    for (int column = 0; column < TransactionTableModel::ColumnCount; ++column)
        for (bool ascending : {true, false}) model->sortRows(column, ascending);
    QCOMPARE(model->rowCount(), 4);
    QVERIFY(model->widestText(TransactionTableModel::CommentColumn) > 0);

    model->transactionDeleted(1);  // told of one change where there were two: all rows again
    QCOMPARE(shownIndexes(*model), indexesOf({1, 3}));
}

void TestTransactionTableModel::rowChangesMatchAReload() {
    // A seeded run of adds, modifies, deletes and sorts; after each step the
    // rows, their order by the sorted column and the column widths are those
    // of a model that reads everything afresh.
    QRandomGenerator random(2027);
    for (int i = 0; i < 150; ++i) add(db, randomRecord(random));
    model->reload();
    int column = TransactionTableModel::MoneyColumn;
    bool ascending = true;
    model->sortRows(column, ascending);
    for (int step = 0; step < 200; ++step) {
        const int action = random.bounded(10);
        if (action < 3) {
            add(db, randomRecord(random));
            model->appendLastTransaction();
        } else if (action < 6 && db.transCount() > 0) {
            const int index = db.transaction(random.bounded(db.transCount()), false).index();
            Transaction changed = randomRecord(random);
            // Sometimes only the comment, so the sorted column stays the same.
            if (action == 5) changed = db.transaction(index, true), changed.setComment(someComments[step % 8]);
            changed.setIndex(index);
            db.modifyTransaction(changed);
            model->transactionModified(index);
        } else if (action < 9 && db.transCount() > 0) {
            const int position = random.bounded(db.transCount());
            db.deleteTransaction(db.transaction(position, false).index());
            model->transactionDeleted(position);
        } else {
            column = random.bounded(int(TransactionTableModel::ColumnCount));
            ascending = random.bounded(2) == 0;
        }
        model->sortRows(column, ascending);

        TransactionTableModel fresh;
        fresh.setDatabase(&db);
        fresh.sortRows(column, ascending);
        std::vector<QStringList> rows = rowTexts(*model);
        std::vector<QStringList> expected = rowTexts(fresh);
        // Equal keys may stand in another order: the model's rows keep the
        // order of earlier sorts.
        for (std::size_t row = 0; row < rows.size() && row < expected.size(); ++row)
            QCOMPARE(rows[row][column], expected[row][column]);
        std::sort(rows.begin(), rows.end());
        std::sort(expected.begin(), expected.end());
        QCOMPARE(rows, expected);
        for (int c = 0; c < TransactionTableModel::ColumnCount; ++c)
            QCOMPARE(model->widestText(c), fresh.widestText(c));
    }
    // The widths hold every cell's text.
    const QFontMetricsF metrics(QGuiApplication::font());
    for (int c = 0; c < TransactionTableModel::ColumnCount; ++c) {
        double widest = 0;
        for (int row = 0; row < model->rowCount(); ++row)
            widest = std::max(widest, metrics.horizontalAdvance(cell(*model, row, c)));
        QVERIFY(model->widestText(c) >= widest);
        QVERIFY(model->widestText(c) <= widest + 2);
    }
}

void TestTransactionTableModel::rowChangesSignalTheirRowOnly() {
    model->sortRows(TransactionTableModel::MoneyColumn, true);
    QCOMPARE(shownIndexes(*model), indexesOf({2, 1, 4, 3}));
    QSignalSpy changed(model.get(), &QAbstractItemModel::dataChanged);
    QSignalSpy removed(model.get(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(model.get(), &QAbstractItemModel::modelReset);

    // A new comment leaves the row where it is, even among equal amounts.
    Transaction first = db.transaction(1, true);
    first.setComment("zzz");
    db.modifyTransaction(first);
    model->transactionModified(1);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex(), model->index(1, 0));
    QCOMPARE(changed.first().at(1).toModelIndex(), model->index(1, TransactionTableModel::ColumnCount - 1));
    QCOMPARE(cell(*model, 1, TransactionTableModel::CommentColumn), QStringLiteral("zzz"));
    model->sortRows(TransactionTableModel::MoneyColumn, true);
    QCOMPARE(shownIndexes(*model), indexesOf({2, 1, 4, 3}));

    // A new amount moves it, and the comment sort knows the new comment.
    first.setAmount(100);
    db.modifyTransaction(first);
    model->transactionModified(1);
    model->sortRows(TransactionTableModel::MoneyColumn, true);
    QCOMPARE(shownIndexes(*model), indexesOf({2, 4, 1, 3}));
    model->sortRows(TransactionTableModel::CommentColumn, true);
    QCOMPARE(shownIndexes(*model), indexesOf({3, 4, 2, 1}));

    // The widest cells come and go with one row.
    auto widthsMatchAReload = [this] {
        TransactionTableModel fresh;
        fresh.setDatabase(&db);
        for (int column = 0; column < TransactionTableModel::ColumnCount; ++column)
            if (model->widestText(column) != fresh.widestText(column)) return false;
        return true;
    };
    Transaction third = db.transaction(3, true);
    const Transaction thirdBefore = third;
    third.setAmount(12345678);
    third.setYear(123456);
    third.setComment("a comment far wider than any other");
    third.setIncome(true);
    third.setType(db.findType("Salary").id());
    db.modifyTransaction(third);
    model->transactionModified(3);
    QVERIFY(widthsMatchAReload());
    db.modifyTransaction(thirdBefore);
    model->transactionModified(3);
    QVERIFY(widthsMatchAReload());
    const int moneyWidth = model->widestText(TransactionTableModel::MoneyColumn);

    // Deleting the transaction at position 1 (index 2), shown in row 2.
    db.deleteTransaction(2);
    model->transactionDeleted(1);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(removed.first().at(1).toInt(), 2);
    QCOMPARE(removed.first().at(2).toInt(), 2);
    QCOMPARE(shownIndexes(*model), indexesOf({3, 4, 1}));
    QCOMPARE(reset.count(), 0);
    // A deletion of a later position shifts nothing before it.
    db.deleteTransaction(4);
    model->transactionDeleted(2);
    QCOMPARE(shownIndexes(*model), indexesOf({3, 1}));
    QCOMPARE(cell(*model, 0, TransactionTableModel::MoneyColumn), QStringLiteral("100"));
    QVERIFY(widthsMatchAReload());
    db.deleteTransaction(3);
    model->transactionDeleted(1);
    db.deleteTransaction(1);
    model->transactionDeleted(0);
    QVERIFY(widthsMatchAReload());
    QVERIFY(model->widestText(TransactionTableModel::MoneyColumn) < moneyWidth);
}

void TestTransactionTableModel::rowChangesKeepSelectionAndScroll() {
    QRandomGenerator random(11);
    for (int i = 0; i < 300; ++i) add(db, randomRecord(random));
    model->reload();
    QTableView view;
    view.setModel(model.get());
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    model->sortRows(TransactionTableModel::MoneyColumn, true);
    view.selectRow(150);
    const int selected = model->transactionIndexAt(150);
    view.verticalScrollBar()->setValue(100);
    auto selectedIndex = [&] {
        const QModelIndexList rows = view.selectionModel()->selectedRows();
        return rows.size() == 1 ? model->transactionIndexAt(rows.first().row()) : -1;
    };

    // The selected transaction gets the largest amount: it moves to the end,
    // still selected, and the view stays where it was.
    Transaction moved = db.transaction(selected, true);
    moved.setAmount(999999);
    db.modifyTransaction(moved);
    model->transactionModified(selected);
    model->sortRows(TransactionTableModel::MoneyColumn, true);
    QCOMPARE(selectedIndex(), selected);
    QCOMPARE(model->transactionIndexAt(model->rowCount() - 1), selected);
    QCOMPARE(view.verticalScrollBar()->value(), 100);

    // Another row goes.
    const int gone = model->transactionIndexAt(10);
    const int position = db.transPosition(gone);
    db.deleteTransaction(gone);
    model->transactionDeleted(position);
    model->sortRows(TransactionTableModel::MoneyColumn, true);
    QCOMPARE(selectedIndex(), selected);
    QCOMPARE(view.verticalScrollBar()->value(), 100);
    QCOMPARE(model->rowCount(), 303);
}

void TestTransactionTableModel::moneyOfABookWithDecimals_data() {
    QTest::addColumn<QLocale>("language");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QStringList>("ascending");
    const QLocale english(QLocale::English), german(QLocale::German);
    const QLocale chinese(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
    QTest::newRow("English, cents") << english << 2 << QStringList{"-5.00", "0.15", "12.50", "1234.56"};
    QTest::newRow("German, cents") << german << 2 << QStringList{"-5,00", "0,15", "12,50", "1234,56"};
    QTest::newRow("Chinese, cents") << chinese << 2 << QStringList{"-5.00", "0.15", "12.50", "1234.56"};
    QTest::newRow("German, thousandths") << german << 3 << QStringList{"-0,500", "0,015", "1,250", "123,456"};
}

// Sorted by value, not by text: 0.15 below 12.50 below 1234.56, and a
// stored negative amount below them all; sized to the widest text shown.
void TestTransactionTableModel::moneyOfABookWithDecimals() {
    QFETCH(QLocale, language);
    QFETCH(int, decimals);
    QFETCH(QStringList, ascending);
    QLocale::setDefault(language);
    db = AccountDB();
    db.reset();
    db.convertToFormat2(decimals, [](std::string_view text) { return std::optional<std::string>(text); });
    for (const int units : {1250, -500, 123456, 15}) add(db, record(2004, 3, 7, 0, units, units > 1000, ""));
    model->setDatabase(&db);

    QStringList shown;
    model->sortRows(TransactionTableModel::MoneyColumn, true);
    for (int row = 0; row < model->rowCount(); ++row) shown << cell(*model, row, TransactionTableModel::MoneyColumn);
    QCOMPARE(shown, ascending);
    model->sortRows(TransactionTableModel::MoneyColumn, false);
    QCOMPARE(cell(*model, 0, TransactionTableModel::MoneyColumn), ascending.last());

    const QFontMetricsF metrics(QApplication::font());
    qreal widest = 0;
    for (const QString& text : ascending) widest = std::max(widest, metrics.horizontalAdvance(text));
    const int width = model->widestText(TransactionTableModel::MoneyColumn);
    QVERIFY2(width >= widest && width < widest + metrics.horizontalAdvance(u'0'),
             qPrintable(QStringLiteral("%1 for %2").arg(width).arg(widest)));
    QLocale::setDefault(QLocale::c());
}
QTEST_MAIN(TestTransactionTableModel)
#include "test_transactiontablemodel.moc"
