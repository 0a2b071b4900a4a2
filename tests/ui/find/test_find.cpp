#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <memory>
#include <set>

#include "core/accountdb.h"
#include "tests/support/bookbuilder.h"
#include "tests/support/booksupport.h"
#include "tests/support/generatedbook.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/windowfixture.h"
#include "text/big5text.h"
#include "text/transactionsearch.h"
#include "ui/find/filterbar.h"
#include "ui/table/foldedcomments.h"
#include "ui/table/transactiontablemodel.h"
#include "ui/window/mainwindow.h"

using namespace BookSupport;
using KestLib::AccountDB;
using KestLib::Transaction;
using PwText::TransactionSearch;

namespace {

std::string big5(const char* utf8) { return toBig5(QString::fromUtf8(utf8)); }

// Comments and type names in both cases and in Big5, among them Big5
// characters whose second byte is an ASCII letter ("\xA4\x61"), which a
// search of the stored bytes would find an "a" in.
std::vector<Row> findRows() {
    return {
        {2004, 3, 7, false, 9, "Food", "rice"},
        {2004, 10, 1, true, 10, "Salary", "PAY day"},
        {2004, 11, 15, false, 100, "Food", big5("Dinner at 食堂")},
        {2005, 1, 2, true, 2000, big5("薪水"), big5("獎金 bonus")},
        {2005, 2, 3, false, 50, "Rent", big5("rent for 一月")},
        {2005, 2, 28, false, 7, "Food", ""},
        {2003, 12, 31, true, 1, "Rent", "refund Pay"},
        {2004, 10, 1, false, 30, big5("薪水"), "\xA4\x61\xA4\x61"},
    };
}

int typeId(const AccountDB& db, const std::string& name) { return db.findType(name).id(); }

// What the search takes, by a plain scan of the book that compares shown
// texts as the toolkit does, case-insensitively.
bool scanTakes(const AccountDB& db, const Transaction& record, const TransactionSearch& search) {
    const KestLib::Selection& fields = search.selection;
    if (fields.inOut == KestLib::InOutSelector::Income && !record.isIncome()) return false;
    if (fields.inOut == KestLib::InOutSelector::Outgoing && record.isIncome()) return false;
    if (!fields.allTypes && !fields.types.test(static_cast<std::size_t>(record.type()))) return false;
    const QDate date(record.year(), record.month(), record.day());
    auto dateOf = [](std::int32_t code) {
        const QString digits = QString::number(code, 16);  // the code is BCD
        return QDate::fromString(digits, QStringLiteral("yyyyMMdd"));
    };
    if (fields.range.first != -1 && date < dateOf(fields.range.first)) return false;
    if (fields.range.last != -1 && date > dateOf(fields.range.last)) return false;
    if (search.text().isEmpty()) return true;
    const QString comment = fromBig5(record.comment());
    const QString type = fromBig5(db.typeById(record.type()).name());
    return comment.contains(search.text(), Qt::CaseInsensitive) || type.contains(search.text(), Qt::CaseInsensitive);
}

struct Scan {
    std::multiset<int> indexes;
    TransactionTableModel::ShownFigures figures;
};

Scan scan(const AccountDB& db, const TransactionSearch& search) {
    Scan result;
    for (int position = 0; position < db.transCount(); ++position) {
        const Transaction& record = db.transaction(position, false);
        if (!scanTakes(db, record, search)) continue;
        result.indexes.insert(record.index());
        ++result.figures.count;
        result.figures.balance += record.isIncome() ? record.amount() : -record.amount();
    }
    return result;
}

std::vector<int> shownIndexes(const TransactionTableModel& model) {
    std::vector<int> indexes;
    for (int row = 0; row < model.rowCount(); ++row) indexes.push_back(model.transactionIndexAt(row));
    return indexes;
}

TransactionSearch searchFor(const AccountDB& db, const QString& text, const std::string& type = {}, int inOut = -1,
                            QDate first = {}, QDate last = {}) {
    TransactionSearch search;
    search.setText(text);
    search.selection.inOut = static_cast<KestLib::InOutSelector>(inOut);
    if (!type.empty()) {
        search.selection.allTypes = false;
        search.selection.types.set(static_cast<std::size_t>(typeId(db, type)));
    }
    if (first.isValid()) search.selection.range.first = KestLib::packDate(first.year(), first.month(), first.day());
    if (last.isValid()) search.selection.range.last = KestLib::packDate(last.year(), last.month(), last.day());
    return search;
}

// The sorted column's texts of every shown row, in row order.
QStringList columnTexts(const TransactionTableModel& model, int column) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) texts << model.index(row, column).data().toString();
    return texts;
}

// With bytes that are no Big5 character, which the decoder shows otherwise.
const std::vector<std::string> randomComments = {"",         "pay",   "PAY back", big5("食堂"),  big5("薪水 a"),
                                                 "\xA4\x61", "Apple", "zz",       "bad \xFFPay", "end \xA4"};

}  // namespace

class TestFind : public QObject, private WindowFixture {
    Q_OBJECT

private:
    template <typename T>
    T* child(const char* name) const {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (!found) qFatal("no widget %s", name);
        return found;
    }
    QTableView* table() const { return child<QTableView>("table"); }
    QStringList column(int column) const {
        QStringList texts;
        for (int row = 0; row < table()->model()->rowCount(); ++row)
            texts << table()->model()->index(row, column).data().toString();
        return texts;
    }
    QString findStatus() const {
        auto* label = child<QLabel>("findStatusLabel");
        return label->isVisible() ? label->text() : QString();
    }
    int rowCount() const { return table()->model()->rowCount(); }
    void sortBy(int section) { emit table()->horizontalHeader()->sectionClicked(section); }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void init();
    void cleanup();

    // ---- The model's filter against a plain scan ----
    void filterMatchesAScan_data();
    void filterMatchesAScan();
    void extendedSearchMatchesAFreshOne_data();
    void extendedSearchMatchesAFreshOne();
    void foldedCommentsReadAsTheDecoderShowsThem();
    void format2SearchIgnoresCaseAndAccents_data();
    void format2SearchIgnoresCaseAndAccents();
    void rowChangesWhileFilteredMatchAScan();

    // ---- The window ----
    void findBarOpensFiltersAndCloses();
    void datesFromTheYear8000OnFilterAndSortAfter7999();
    void rowCommandsActOnTheShownRow_data();
    void rowCommandsActOnTheShownRow();
    void keysFromTheTextToTheRows_data();
    void keysFromTheTextToTheRows();
    void balanceOfABookWithDecimals_data();
    void balanceOfABookWithDecimals();
};

void TestFind::init() { openWindow(); }

void TestFind::cleanup() { closeWindow(); }

void TestFind::filterMatchesAScan_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("type");  // UTF-8; empty for every type
    QTest::addColumn<int>("inOut");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<int>("expectedCount");  // so that no row asks for nothing

    const QDate none;
    QTest::newRow("nothing asked") << ""
                                   << "" << -1 << none << none << 8;
    QTest::newRow("text, any case") << "pay"
                                    << "" << -1 << none << none << 2;
    QTest::newRow("text in capitals") << "PAY"
                                      << "" << -1 << none << none << 2;
    QTest::newRow("Big5 in a comment") << "食"
                                       << "" << -1 << none << none << 1;
    QTest::newRow("Big5 in a type name") << "薪水"
                                         << "" << -1 << none << none << 2;
    QTest::newRow("type name, any case") << "fOOd"
                                         << "" << -1 << none << none << 3;
    QTest::newRow("a letter, not a Big5 byte") << "a"
                                               << "" << -1 << none << none << 3;
    QTest::newRow("text nowhere") << "nothing here"
                                  << "" << -1 << none << none << 0;
    QTest::newRow("a type") << ""
                            << "Food" << -1 << none << none << 3;
    QTest::newRow("a Big5 type") << ""
                                 << "薪水" << -1 << none << none << 2;
    QTest::newRow("type and text") << "r"
                                   << "Food" << -1 << none << none << 2;
    QTest::newRow("income") << ""
                            << "" << 0 << none << none << 3;
    QTest::newRow("outgoing") << ""
                              << "" << 1 << none << none << 5;
    QTest::newRow("date range, ends included") << ""
                                               << "" << -1 << QDate(2004, 10, 1) << QDate(2005, 1, 2) << 4;
    QTest::newRow("everything at once") << "e"
                                        << "" << 1 << QDate(2004, 1, 1) << QDate(2005, 2, 3) << 3;
}

void TestFind::filterMatchesAScan() {
    QFETCH(QString, text);
    QFETCH(QString, type);
    QFETCH(int, inOut);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(int, expectedCount);

    AccountDB db = makeBook("Find", findRows());
    {
        TransactionTableModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        model.setDatabase(&db);
        model.sortRows(TransactionTableModel::MoneyColumn, false);
        const std::vector<int> sorted = shownIndexes(model);

        const TransactionSearch search = searchFor(db, text, toBig5(type), inOut, first, last);
        model.setSearch(search);
        const Scan expected = scan(db, search);
        QCOMPARE(expected.figures.count, expectedCount);
        const std::vector<int> shown = shownIndexes(model);
        QCOMPARE(std::multiset<int>(shown.begin(), shown.end()), expected.indexes);
        // In the order of the sort.
        std::vector<int> inOrder;
        std::copy_if(sorted.begin(), sorted.end(), std::back_inserter(inOrder),
                     [&](int index) { return expected.indexes.count(index) > 0; });
        QCOMPARE(shown, inOrder);
        QCOMPARE(model.shownFigures().count, expected.figures.count);
        QCOMPARE(model.shownFigures().balance, expected.figures.balance);
        QCOMPARE(model.isFiltered(), !search.takesAll());

        // Taken back, every row shows again in the sort.
        model.setSearch(TransactionSearch());
        QCOMPARE(shownIndexes(model), sorted);
        QCOMPARE(model.shownFigures().count, db.transCount());
    }
}

void TestFind::extendedSearchMatchesAFreshOne_data() {
    QTest::addColumn<int>("book");           // 0 the rows above, 1 a household book, 2 a generated one
    QTest::addColumn<QStringList>("typed");  // the texts in turn, as typed
    QTest::addColumn<bool>("oneType");       // the book's second type chosen as well

    QTest::newRow("letters typed on") << 0 << QStringList{"p", "pa", "pay"} << false;
    QTest::newRow("each key in another case") << 0 << QStringList{"P", "pA", "PAY", "pay "} << false;
    QTest::newRow("typed on, taken back, typed on") << 0 << QStringList{"r", "re", "r", "ri", "ric", "rice"} << false;
    QTest::newRow("a letter, then a Big5 comment") << 0 << QStringList{"a", "at", "at "} << false;
    QTest::newRow("Big5 typed on, type name and comment")
        << 0 << QStringList{QString::fromUtf8("薪"), QString::fromUtf8("薪水")} << false;
    QTest::newRow("with a type chosen") << 0 << QStringList{"f", "fo", "foo"} << true;
    QTest::newRow("household words") << 1 << QStringList{"b", "bo", "bon", "BONU"} << false;
    QTest::newRow("household Big5 comment")
        << 1 << QStringList{QString::fromUtf8("食"), QString::fromUtf8("食物")} << false;
    QTest::newRow("household type names") << 1 << QStringList{"t", "ty", "type 1", "type 11"} << false;
    QTest::newRow("household, a type chosen") << 1 << QStringList{"l", "lu", "lunch"} << true;
    QTest::newRow("generated letters") << 2 << QStringList{"Q", "qu"} << false;
    QTest::newRow("generated Big5") << 2 << QStringList{QString::fromUtf8("中"), QString::fromUtf8("中文")} << false;
}

void TestFind::extendedSearchMatchesAFreshOne() {
    QFETCH(int, book);
    QFETCH(QStringList, typed);
    QFETCH(bool, oneType);

    const AccountDB db = book == 0   ? makeBook("Find", findRows())
                         : book == 1 ? BenchBooks::householdBook(3000, BenchBooks::HouseholdShape{})
                                     : BenchBooks::generateBook(3000);
    TransactionSearch search;
    if (oneType) {
        search.selection.allTypes = false;
        search.selection.types.set(static_cast<std::size_t>(db.typeAt(1).id()));
    }
    {
        TransactionTableModel typing;
        QAbstractItemModelTester tester(&typing, QAbstractItemModelTester::FailureReportingMode::QtTest);
        typing.setDatabase(&db);
        typing.sortRows(TransactionTableModel::DateColumn, false);
        for (const QString& text : typed) {
            search.setText(text);
            typing.setSearch(search);
            TransactionTableModel fresh;
            fresh.setDatabase(&db);
            fresh.sortRows(TransactionTableModel::DateColumn, false);
            fresh.setSearch(search);
            QVERIFY2(fresh.rowCount() > 0, qPrintable(text));
            QCOMPARE(shownIndexes(typing), shownIndexes(fresh));
            QCOMPARE(typing.shownFigures().count, fresh.shownFigures().count);
            QCOMPARE(typing.shownFigures().balance, fresh.shownFigures().balance);
        }
    }
}

void TestFind::foldedCommentsReadAsTheDecoderShowsThem() {
    // Comments folded the quick way against the decoder's text, folded:
    // ASCII in both cases, Big5 pairs (some with an
    // ASCII second byte, some with case, some the decoder reads otherwise),
    // lone lead bytes, zero bytes, and texts longer than 64 bytes, so that
    // a pair falls across every boundary.
    const std::vector<std::string> pieces = {
        "a",       "Z",    " ",    "\xA4\x61", "\xA4\xA4", big5("食"),           big5("Ａ"), big5("Ω"),
        big5("Ⅳ"), "\xA4", "\x80", "\xFF",     "\xC8\x40", std::string(1, '\0'), "\xA2\x4F"};
    QRandomGenerator random(6464);
    AccountDB db;
    db.reset();
    Transaction record;
    record.setDate(2005, 1, 1);
    record.setAmount(1);
    for (int i = 0; i < 3000; ++i) {
        std::string comment;
        const int length = random.bounded(i % 10 == 0 ? 150 : 30);
        while (static_cast<int>(comment.size()) < length) {
            // Mostly characters that read plainly, as most comments do.
            const int piece = random.bounded(10) == 0 ? random.bounded(int(pieces.size())) : random.bounded(7);
            comment += pieces[static_cast<std::size_t>(piece)];
        }
        record.setComment(comment.substr(0, std::min<std::size_t>(comment.size(), 255)));
        db.addTransaction(record);
    }
    const auto decoded = [&db](int position) {
        return TransactionSearch::fold(fromBig5(db.transaction(position, false).comment())).toStdU16String();
    };
    FoldedComments quick;
    quick.fillTo(db, 1000);  // in two parts, as a search fills them
    quick.fill(db);
    int differing = 0;
    for (int position = 0; position < db.transCount(); ++position)
        if (quick.at(position) != decoded(position)) ++differing;
    QCOMPARE(differing, 0);
    // And kept so row by row.
    record.setComment("\xA4\x61 PAY \xA4");
    db.addTransaction(record);
    quick.appended(db);
    QVERIFY(quick.at(db.transCount() - 1) == decoded(db.transCount() - 1));
}

void TestFind::format2SearchIgnoresCaseAndAccents_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("found");  // the indexes of the rows found

    QTest::newRow("no accents typed") << "muller" << QList<int>{1, 2, 3};
    QTest::newRow("an accent typed") << QString::fromUtf8("MÜLLER") << QList<int>{1, 2, 3};
    QTest::newRow("an accent written apart in the comment") << QString::fromUtf8("mülle") << QList<int>{1, 2, 3};
    QTest::newRow("two accents on one letter") << "cafe ole" << QList<int>{4};
    QTest::newRow("Greek") << QString::fromUtf8("καφες") << QList<int>{5};
    QTest::newRow("a type name") << "gemuse" << QList<int>{6};
    QTest::newRow("Cyrillic case") << QString::fromUtf8("ЁЛКА") << QList<int>{7};
    QTest::newRow("a Cyrillic letter keeps its mark") << QString::fromUtf8("елка") << QList<int>{};
    QTest::newRow("Japanese") << QString::fromUtf8("ランチ") << QList<int>{8};
    QTest::newRow("a kana keeps its voicing mark") << QString::fromUtf8("かっこう") << QList<int>{};
    QTest::newRow("emoji") << QString::fromUtf8("🎉") << QList<int>{9};
    QTest::newRow("Simplified Chinese") << QString::fromUtf8("晚饭") << QList<int>{10};
}

void TestFind::format2SearchIgnoresCaseAndAccents() {
    QFETCH(QString, text);
    QFETCH(QList<int>, found);

    const AccountDB db =
        makeFormat2Book("Suche", {
                                     {2026, 1, 1, false, 1, "Essen", "Müller Bäckerei"},
                                     {2026, 1, 2, false, 2, "Essen", "MULLER"},
                                     {2026, 1, 3, false, 3, "Essen", "Mu\xCC\x88ller"},  // u and a combining diaeresis
                                     {2026, 1, 4, false, 4, "Essen", "Café Olé"},
                                     {2026, 1, 5, false, 5, "Essen", "Καφές"},
                                     {2026, 1, 6, false, 6, "Gemüse", "Markt"},
                                     {2026, 1, 7, false, 7, "Essen", "Ёлка"},
                                     {2026, 1, 8, false, 8, "食費", "寿司ランチ がっこう"},
                                     {2026, 1, 9, true, 9, "Essen", "🎉 party"},
                                     {2026, 1, 10, false, 10, "饮食", "晚饭"},
                                 });
    TransactionTableModel model;
    model.setDatabase(&db);
    model.setSearch(searchFor(db, text));
    std::vector<int> shown = shownIndexes(model);
    std::sort(shown.begin(), shown.end());
    QCOMPARE(QList<int>(shown.begin(), shown.end()), found);

    // The quick fold of the UTF-8 is the fold of the shown text.
    FoldedComments quick;
    quick.fill(db);
    for (int position = 0; position < db.transCount(); ++position) {
        const std::string& comment = db.transaction(position, false).comment();
        const QString shownComment = QString::fromUtf8(comment.data(), static_cast<qsizetype>(comment.size()));
        QVERIFY(quick.at(position) == TransactionSearch::fold(shownComment).toStdU16String());
    }
}

void TestFind::rowChangesWhileFilteredMatchAScan() {
    // A seeded run of adds, modifies, deletes, sorts and new searches on a
    // filtered model; after each step the rows are those a scan takes, in
    // the order of a fresh model, and the figures are the scan's.
    AccountDB db = makeBook("Find", findRows());
    const std::vector<int> typeIds = {typeId(db, "Food"), typeId(db, "Rent"), typeId(db, big5("薪水"))};
    QRandomGenerator random(1313);
    auto randomRecord = [&] {
        Transaction record;
        record.setDate(2000 + random.bounded(6), 1 + random.bounded(12), 1 + random.bounded(28));
        record.setType(typeIds[random.bounded(int(typeIds.size()))]);
        record.setAmount(1 + random.bounded(20));
        record.setIncome(random.bounded(3) == 0);
        record.setComment(randomComments[random.bounded(int(randomComments.size()))]);
        return record;
    };
    for (int i = 0; i < 120; ++i) {
        Transaction record = randomRecord();
        db.addTransaction(record);
    }
    // Among them texts that extend others, as typing makes them.
    const std::vector<TransactionSearch> searches = {searchFor(db, QStringLiteral("pa")),
                                                     searchFor(db, QStringLiteral("pay")),
                                                     searchFor(db, QStringLiteral("PAY b")),
                                                     searchFor(db, QString::fromUtf8("薪水"), {}, 1),
                                                     searchFor(db, QStringLiteral("A"), "Food"),
                                                     searchFor(db, {}, {}, 0, QDate(2002, 1, 1), QDate(2004, 6, 30)),
                                                     TransactionSearch()};
    TransactionTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setDatabase(&db);
    int column = TransactionTableModel::MoneyColumn;
    bool ascending = true;
    TransactionSearch search = searches[0];
    model.setSearch(search);
    model.sortRows(column, ascending);
    for (int step = 0; step < 250; ++step) {
        const int action = random.bounded(12);
        if (action < 3) {
            Transaction record = randomRecord();
            db.addTransaction(record);
            model.appendLastTransaction();
        } else if (action < 6 && db.transCount() > 0) {
            const int index = db.transaction(random.bounded(db.transCount()), false).index();
            Transaction changed = randomRecord();
            changed.setIndex(index);
            db.modifyTransaction(changed);
            model.transactionModified(index);
        } else if (action < 9 && db.transCount() > 0) {
            const int position = random.bounded(db.transCount());
            db.deleteTransaction(db.transaction(position, false).index());
            model.transactionDeleted(position);
        } else if (action < 10) {
            column = random.bounded(int(TransactionTableModel::ColumnCount));
            ascending = random.bounded(2) == 0;
        } else {
            search = searches[random.bounded(int(searches.size()))];
            model.setSearch(search);
        }
        model.sortRows(column, ascending);

        const Scan expected = scan(db, search);
        const std::vector<int> shown = shownIndexes(model);
        QCOMPARE(std::multiset<int>(shown.begin(), shown.end()), expected.indexes);
        QCOMPARE(model.shownFigures().count, expected.figures.count);
        QCOMPARE(model.shownFigures().balance, expected.figures.balance);
        TransactionTableModel fresh;
        fresh.setDatabase(&db);
        fresh.setSearch(search);
        fresh.sortRows(column, ascending);
        QCOMPARE(columnTexts(model, column), columnTexts(fresh, column));
        for (int c = 0; c < TransactionTableModel::ColumnCount; ++c) QCOMPARE(model.widestText(c), fresh.widestText(c));
    }
    // Clearing the search shows every row in the sort.
    model.setSearch(TransactionSearch());
    TransactionTableModel fresh;
    fresh.setDatabase(&db);
    fresh.sortRows(column, ascending);
    QCOMPARE(columnTexts(model, column), columnTexts(fresh, column));
}

void TestFind::findBarOpensFiltersAndCloses() {
    auto* bar = child<FilterBar>("filterBar");
    QVERIFY(!action("findAct")->isEnabled());
    QVERIFY(window->menuBar()->actions().at(1)->menu()->actions().contains(action("findAct")));
    const QString file = folder->filePath(QStringLiteral("find.pwdb"));
    writeBook(file, "Find", findRows());
    window->openFile(file);
    sortBy(TransactionTableModel::MoneyColumn);
    sortBy(TransactionTableModel::MoneyColumn);  // descending
    const QStringList allMoney = column(TransactionTableModel::MoneyColumn);
    QCOMPARE(allMoney, QStringList({"2000", "100", "50", "30", "10", "9", "7", "1"}));
    QVERIFY(bar->isHidden());

    // Ctrl+F, as a person presses it.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(bar->isVisible());
    QVERIFY(child<QLineEdit>("findText")->hasFocus());
    QCOMPARE(findStatus(), QString());

    // Typing is looked for once the window takes the keys in, not in the key press itself.
    // As an input method enters it.
    child<QLineEdit>("findText")->insert(QString::fromUtf8("薪"));
    QCOMPARE(column(TransactionTableModel::MoneyColumn), allMoney);
    QTRY_COMPARE(column(TransactionTableModel::MoneyColumn), QStringList({"2000", "30"}));
    QCOMPARE(findStatus(), QStringLiteral("2 of 8 transactions match, balance 1970"));
    QCOMPARE(child<QLabel>("statusLabel")->text(), QStringLiteral("File Saved"));

    // A choice answers at once, and the sort holds.
    auto* inOut = child<QComboBox>("findInOut");
    choose(inOut, 2);  // outgoing
    QCOMPARE(column(TransactionTableModel::MoneyColumn), QStringList({"30"}));
    QCOMPARE(findStatus(), QStringLiteral("1 of 8 transactions match, balance -30"));
    child<QLineEdit>("findText")->clear();
    child<QCheckBox>("findDates")->setChecked(true);
    child<QDateEdit>("findFirstDate")->setDate(QDate(2004, 1, 1));
    child<QDateEdit>("findLastDate")->setDate(QDate(2004, 12, 31));
    QCOMPARE(column(TransactionTableModel::MoneyColumn), QStringList({"100", "30", "9"}));
    auto* type = child<QComboBox>("findType");
    choose(type, type->findText(QStringLiteral("Food")));
    QCOMPARE(column(TransactionTableModel::MoneyColumn), QStringList({"100", "9"}));
    QCOMPARE(findStatus(), QStringLiteral("2 of 8 transactions match, balance -109"));
    // Sorting while filtered sorts the rows shown.
    sortBy(TransactionTableModel::MoneyColumn);
    QCOMPARE(column(TransactionTableModel::MoneyColumn), QStringList({"9", "100"}));

    // Escape: every row again, in the sort now in force, and no figures.
    QTest::keyClick(child<QLineEdit>("findText"), Qt::Key_Escape);
    QVERIFY(bar->isHidden());
    QCOMPARE(findStatus(), QString());
    QCOMPARE(column(TransactionTableModel::MoneyColumn), QStringList({"1", "7", "9", "10", "30", "50", "100", "2000"}));
    // Opened again, the bar asks for nothing yet.
    action("findAct")->trigger();
    QCOMPARE(child<QLineEdit>("findText")->text(), QString());
    QCOMPARE(child<QComboBox>("findType")->currentIndex(), 0);
    QCOMPARE(rowCount(), 8);
    // Closing the book closes the bar.
    action("closeAct")->trigger();
    QVERIFY(bar->isHidden());
}

// The years 8000 to 9999 have date codes with the sign bit set: the find
// bar's dates and the date column still order them after 7999.
void TestFind::datesFromTheYear8000OnFilterAndSortAfter7999() {
    // Each amount names its date; in date order they are 4 1 6 2 5 3.
    const std::vector<Row> rows = {
        {2026, 6, 1, false, 1, "Food", ""}, {8000, 1, 1, false, 2, "Food", ""}, {9999, 12, 31, false, 3, "Food", ""},
        {1, 1, 1, false, 4, "Food", ""},    {9000, 1, 1, false, 5, "Food", ""}, {7999, 12, 31, false, 6, "Food", ""},
    };
    const QString file = folder->filePath(QStringLiteral("far.pwdb"));
    writeBook(file, "Far", rows);
    window->openFile(file);
    sortBy(TransactionTableModel::DateColumn);
    QCOMPARE(column(TransactionTableModel::MoneyColumn), QStringList({"4", "1", "6", "2", "5", "3"}));
    sortBy(TransactionTableModel::DateColumn);  // descending
    QCOMPARE(column(TransactionTableModel::MoneyColumn), QStringList({"3", "5", "2", "6", "1", "4"}));
    sortBy(TransactionTableModel::DateColumn);

    action("findAct")->trigger();
    child<QCheckBox>("findDates")->setChecked(true);
    auto* first = child<QDateEdit>("findFirstDate");
    auto* last = child<QDateEdit>("findLastDate");
    const struct {
        QDate from;
        QDate to;
        QStringList money;
    } cases[] = {
        {QDate(2026, 1, 1), QDate(9999, 12, 31), {"1", "6", "2", "5", "3"}},
        {QDate(1, 1, 1), QDate(2026, 12, 31), {"4", "1"}},
        {QDate(7999, 12, 31), QDate(8000, 1, 1), {"6", "2"}},
        {QDate(8000, 1, 2), QDate(8999, 12, 31), {}},
        {QDate(9999, 12, 31), QDate(9999, 12, 31), {"3"}},
    };
    for (const auto& c : cases) {
        // Each box bounds the other: widest first, then the case's ends.
        first->setDate(QDate(1, 1, 1));
        last->setDate(c.to);
        first->setDate(c.from);
        QCOMPARE(column(TransactionTableModel::MoneyColumn), c.money);
    }
}

void TestFind::rowCommandsActOnTheShownRow_data() {
    QTest::addColumn<bool>("deleting");
    QTest::newRow("delete this") << true;
    QTest::newRow("modify this") << false;
}

void TestFind::rowCommandsActOnTheShownRow() {
    QFETCH(bool, deleting);
    const QString file = folder->filePath(QStringLiteral("find.pwdb"));
    writeBook(file, "Find", findRows());
    window->openFile(file);
    action("findAct")->trigger();
    choose(child<QComboBox>("findType"), child<QComboBox>("findType")->findText(QStringLiteral("Rent")));
    // Rows 0 and 1 of the table are the two rents, indexes 5 and 7.
    QCOMPARE(column(TransactionTableModel::IndexColumn), QStringList({"5", "7"}));
    const QRect cell = table()->visualRect(table()->model()->index(1, 0));
    QTest::mouseClick(table()->viewport(), Qt::RightButton, Qt::NoModifier, cell.center());

    QString shown;
    prompts.dialogScripts.push_back([&](QDialog& dialog) {
        auto* money = dialog.findChild<QLineEdit*>(QStringLiteral("moneyLineEdit"));
        shown = money->text() + ' ' + dialog.findChild<QLineEdit*>(QStringLiteral("commentLineEdit"))->text();
        if (!deleting) {
            money->clear();
            QTest::keyClicks(money, QStringLiteral("5"));
        }
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
        return dialog.result() == QDialog::Accepted;
    });
    std::unique_ptr<QMenu> menu(window->createContextMenu());
    menu->actions().at(deleting ? 0 : 1)->trigger();

    QCOMPARE(shown, QStringLiteral("1 refund Pay"));
    if (deleting) {
        QCOMPARE(window->database().transPosition(7), -1);
        QCOMPARE(window->database().transCount(), 7);
        QCOMPARE(column(TransactionTableModel::IndexColumn), QStringList({"5"}));
        QCOMPARE(findStatus(), QStringLiteral("1 of 7 transactions match, balance -50"));
    } else {
        QCOMPARE(window->database().transaction(7, true).amount(), 5);
        QCOMPARE(column(TransactionTableModel::MoneyColumn), QStringList({"50", "5"}));
        QCOMPARE(findStatus(), QStringLiteral("2 of 8 transactions match, balance -45"));
    }
    QCOMPARE(window->database().transaction(5, true).amount(), 50);
}

// Down or Enter in the text go to the first row shown, typed just now or
// not; Escape then shows every row with that transaction still current.
void TestFind::keysFromTheTextToTheRows_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("Down") << int(Qt::Key_Down);
    QTest::newRow("Return") << int(Qt::Key_Return);
}

void TestFind::keysFromTheTextToTheRows() {
    QFETCH(int, key);
    const QString file = folder->filePath(QStringLiteral("find.pwdb"));
    writeBook(file, "Find", findRows());
    window->openFile(file);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    table()->setCurrentIndex(table()->model()->index(0, 0));
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClicks(child<QLineEdit>("findText"), QStringLiteral("rent"));
    QTest::keyClick(child<QLineEdit>("findText"), Qt::Key(key));
    QCOMPARE(column(TransactionTableModel::IndexColumn), QStringList({"5", "7"}));
    QVERIFY(table()->hasFocus());
    QCOMPARE(table()->currentIndex().row(), 0);

    QTest::keyClick(table(), Qt::Key_Escape);
    QVERIFY(child<FilterBar>("filterBar")->isHidden());
    QCOMPARE(rowCount(), 8);
    QCOMPARE(table()->model()->index(table()->currentIndex().row(), TransactionTableModel::IndexColumn).data(),
             QVariant(QStringLiteral("5")));
}

void TestFind::balanceOfABookWithDecimals_data() {
    QTest::addColumn<QLocale>("language");
    QTest::addColumn<int>("inOut");  // the find bar's item: 0 both, 1 income, 2 outgoing
    QTest::addColumn<QString>("status");
    const QLocale english(QLocale::English), german(QLocale::German);
    const QLocale chinese(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
    QTest::newRow("English") << english << 0 << "2 of 3 transactions match, balance 1221.91";
    QTest::newRow("German") << german << 0 << "2 of 3 transactions match, balance 1221,91";
    QTest::newRow("Chinese") << chinese << 0 << "2 of 3 transactions match, balance 1221.91";
    QTest::newRow("German, outgoing") << german << 2 << "1 of 3 transactions match, balance -12,65";
}

// The balance of the rows found, in the book's cents and the language's mark.
void TestFind::balanceOfABookWithDecimals() {
    QFETCH(QLocale, language);
    QFETCH(int, inOut);
    QFETCH(QString, status);
    QLocale::setDefault(language);
    const QString file = folder->filePath(QStringLiteral("cents.pwdb"));
    BookBuilder()
        .inFormat2(2)
        .income("Salary", 123456, 2004, 3, 1, "pay")
        .outgoing("Food", 1265, 2004, 3, 2, "pay back")
        .income("Salary", 15, 2004, 3, 3, "interest")
        .writeTo(BookSupport::pathBytes(file));
    window->openFile(file);
    QCOMPARE(window->database().decimals(), 2);
    action("findAct")->trigger();
    child<QLineEdit>("findText")->insert(QStringLiteral("pay"));
    choose(child<QComboBox>("findInOut"), inOut);
    QTRY_COMPARE(findStatus(), status);
    QLocale::setDefault(QLocale::c());
}

QTEST_MAIN(TestFind)
#include "test_find.moc"
