#include <QSignalSpy>
#include <QTest>
#include <functional>

#include "core/accountdb.h"
#include "core/databaseformat.h"
#include "tests/support/booksupport.h"
#include "ui/book/book.h"

using namespace BookSupport;

Q_DECLARE_METATYPE(std::function<void(Book&)>)

// Each change announces what it changed, and undo and redo announce the
// inverse, so whatever shows the book can follow it row by row.
class TestBook : public QObject {
    Q_OBJECT

private:
    Book book;
    QStringList heard;

    static KestLib::Transaction entered() {
        KestLib::Transaction record;
        record.setYear(2004);
        record.setMonth(5);
        record.setDay(1);
        record.setAmount(12);
        record.setType(1);
        return record;
    }

private slots:
    void initTestCase() {
        connect(&book, &Book::transactionAdded, this, [this](int at) { heard << QStringLiteral("added %1").arg(at); });
        connect(&book, &Book::transactionChanged, this,
                [this](int index) { heard << QStringLiteral("changed %1").arg(index); });
        connect(&book, &Book::transactionRemoved, this,
                [this](int at) { heard << QStringLiteral("removed %1").arg(at); });
        connect(&book, &Book::typesChanged, this, [this] { heard << QStringLiteral("types"); });
        connect(&book, &Book::renamed, this, [this] { heard << QStringLiteral("renamed"); });
        connect(&book, &Book::reset, this, [this] { heard << QStringLiteral("reset"); });
        connect(&book, &Book::openChanged, this,
                [this](bool open) { heard << (open ? QStringLiteral("opened") : QStringLiteral("closed")); });
    }

    void changesAndTheirUndo_data() {
        QTest::addColumn<std::function<void(Book&)>>("change");
        QTest::addColumn<QString>("done");
        QTest::addColumn<QString>("undone");
        using Change = std::function<void(Book&)>;
        QTest::newRow("add") << Change([](Book& b) { b.addTransaction(entered()); }) << "added 3"
                             << "removed 3";
        QTest::newRow("modify") << Change([](Book& b) {
            KestLib::Transaction record = entered();
            record.setIndex(3);
            b.modifyTransaction(record);
        }) << "changed 3"
                                << "changed 3";
        QTest::newRow("delete in the middle") << Change([](Book& b) { b.deleteTransaction(2); }) << "removed 1"
                                              << "added 1";
        QTest::newRow("add type") << Change([](Book& b) { b.addType("Gift"); }) << "types"
                                  << "types";
        QTest::newRow("delete type") << Change([](Book& b) { b.deleteType(b.database().findType("Spare").id()); })
                                     << "types"
                                     << "types";
        QTest::newRow("rename") << Change([](Book& b) { b.rename("Other"); }) << "renamed"
                                << "renamed";
        // A new type and two rows, taken back and made again as a whole.
        QTest::newRow("import") << Change([](Book& b) {
            b.importCsv(
                "date,direction,amount,type,comment\n"
                "2005-01-02,income,5,Gift,first imported row\n"
                "2005-01-03,outgoing,6,Food,second\n",
                PwText::CsvEncoding::Utf8);
        }) << "reset"
                                << "reset";
    }
    void changesAndTheirUndo() {
        QFETCH(std::function<void(Book&)>, change);
        QFETCH(QString, done);
        QFETCH(QString, undone);
        book.adopt(makeBook("Book",
                            {{2004, 3, 7, false, 9, "Food", "rice"},
                             {2004, 3, 8, true, 10, "Salary", "pay"},
                             {2004, 3, 9, false, 4, "Food", ""}},
                            {"Food", "Salary", "Spare"}));
        const std::string before = KestLib::encodeDatabase(book.database());
        QSignalSpy modified(&book, &Book::modifiedChanged);
        heard.clear();
        change(book);
        QCOMPARE(heard, QStringList(done));
        QVERIFY(book.isModified());
        const std::string after = KestLib::encodeDatabase(book.database());
        heard.clear();
        book.undo();
        QCOMPARE(heard, QStringList(undone));
        QVERIFY(!book.isModified());
        QVERIFY(KestLib::encodeDatabase(book.database()) == before);
        heard.clear();
        book.redo();
        QCOMPARE(heard, QStringList(done));
        QVERIFY(book.isModified() && modified.count() >= 3);
        QVERIFY(KestLib::encodeDatabase(book.database()) == after);
    }

    void wholeBookChangesReset() {
        heard.clear();
        book.close();
        book.startNew("Fresh");
        QVERIFY(book.isModified());
        book.close();
        QCOMPARE(heard, QStringList({"closed", "reset", "opened", "reset", "closed", "reset"}));
        QVERIFY(!book.isOpen() && !book.isModified());
    }
};

QTEST_MAIN(TestBook)
#include "test_book.moc"
