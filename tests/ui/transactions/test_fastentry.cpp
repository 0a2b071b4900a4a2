#include <QAbstractItemView>
#include <QCompleter>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

#include "tests/support/booksupport.h"
#include "tests/support/windowfixture.h"
#include "ui/book/book.h"
#include "ui/transactions/typecombobox.h"

using namespace BookSupport;

namespace {

// One receipt of the month: its day, amount, type and comment, and whether
// it is income.
struct Receipt {
    int day;
    int amount;
    const char* type;
    const char* comment;
    bool income = false;
};

// Last month's book, which this month's receipts repeat in part.
std::vector<Row> lastMonth(QDate first) {
    const int y = first.year(), m = first.month();
    return {{y, m, 1, true, 2400, "Salary", "Salary"},
            {y, m, 1, false, 850, "Rent", "Rent"},
            {y, m, 2, false, 40, "Internet", "Internet"},
            {y, m, 3, false, 25, "Phone", "Phone plan"},
            {y, m, 4, false, 64, "Insurance", "Insurance"},
            {y, m, 5, false, 30, "Sport", "Gym"},
            {y, m, 6, false, 72, "Groceries", "Supermarket"},
            {y, m, 7, false, 6, "Groceries", "Bakery"},
            {y, m, 8, false, 55, "Car", "Fuel station"},
            {y, m, 9, false, 90, "Energy", "Gas and electricity"},
            {y, m, 10, false, 48, "Energy", "Electricity"},
            {y, m, 12, false, 14, "Health", "Pharmacy"},
            {y, m, 14, false, 21, "Groceries", "Farmers market"},
            {y, m, 18, false, 38, "Eating out", "Restaurant"},
            {y, m, 20, false, 12, "Leisure", "Cinema"},
            {y, m, 22, false, 19, "Transport", "Bus pass"}};
}

// This month: 5 bills as last month, 13 known comments with another
// amount, 8 new comments (three of them of new types).
const std::vector<Receipt> thisMonth = {
    {1, 850, "Rent", "Rent"},
    {1, 2400, "Salary", "Salary November", true},
    {2, 40, "Internet", "Internet"},
    {2, 64, "Groceries", "Supermarket"},
    {3, 25, "Phone", "Phone plan"},
    {4, 7, "Groceries", "Bakery"},
    {4, 64, "Insurance", "Insurance"},
    {5, 30, "Sport", "Gym"},
    {6, 61, "Car", "Fuel station"},
    {7, 52, "Energy", "Electricity"},
    {8, 83, "Groceries", "Supermarket"},
    {9, 5, "Groceries", "Bakery"},
    {10, 17, "Health", "Pharmacy"},
    {11, 26, "Books", "Bookshop"},
    {12, 24, "Groceries", "Farmers market"},
    {13, 45, "Eating out", "Restaurant"},
    {14, 9, "Transport", "Train ticket"},
    {15, 58, "Groceries", "Supermarket"},
    {17, 22, "Personal", "Hairdresser"},
    {18, 49, "Car", "Fuel station"},
    {19, 35, "Gifts", "Birthday present"},
    {20, 15, "Leisure", "Concert"},
    {22, 31, "Clothes", "Shoes returned", true},
    {24, 6, "Groceries", "Bakery"},
    {26, 18, "Transport", "Bike repair"},
    {28, 77, "Groceries", "Supermarket"},
};

}  // namespace

class TestFastEntry : public QObject, private WindowFixture {
    Q_OBJECT

private:
    int keys = 0;

    // Where a key goes: an open list of suggestions takes it before the field.
    static QWidget* focused() {
        QWidget* popup = QApplication::activePopupWidget();
        return popup ? popup : QApplication::focusWidget();
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        ++keys;
        QTest::keyClick(focused(), key, modifiers);
    }
    void type(QChar c) {
        ++keys;
        QTest::keyClick(focused(), c.toLatin1());
    }
    void type(const QString& text) {
        for (const QChar c : text) type(c);
    }
    // Letters of the name until the box completes it, then Enter: it
    // chooses the type, or adds it, and goes on to the amount.
    void enterType(TypeComboBox* box, const QString& name) {
        for (const QChar c : name) {
            type(c);
            if (box->currentText().compare(name, Qt::CaseInsensitive) == 0) break;
        }
        press(Qt::Key_Return);
    }
    // Letters of an earlier comment until it is the first offered, then
    // Down and Enter; a new comment is typed whole.
    void enterComment(QLineEdit* box, const QString& comment, bool earlier) {
        for (const QChar c : comment) {
            type(c);
            const QAbstractItemModel* offered = box->completer()->completionModel();
            if (earlier && box->completer()->popup()->isVisible() && offered->rowCount() > 0 &&
                offered->index(0, 0).data().toString() == comment) {
                press(Qt::Key_Down);
                press(Qt::Key_Return);
                return;
            }
        }
    }
    // The date as a typist moves to it: a few days by + and -, else the
    // day (in the shown month) or month/day typed; then on to the type.
    void enterDate(QDateEdit* box, QDate date) {
        const qint64 days = box->date().daysTo(date);
        if (days != 0 && days >= -3 && days <= 3) {
            for (qint64 k = 0; k < std::abs(days); ++k) type(days > 0 ? u'+' : u'-');
        } else if (days != 0) {
            type(box->date().month() == date.month() ? QString::number(date.day())
                                                     : QStringLiteral("%1/%2").arg(date.month()).arg(date.day()));
        }
        press(Qt::Key_Tab);
    }

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }

    // Last month's book, and this month's receipts entered from the keyboard
    // alone, one dialog after the other by "Add and next".
    void monthOfReceipts() {
        const QDate today = QDate::currentDate();
        const QDate month = QDate(today.year(), today.month(), 1).addMonths(-1);
        writeBook(path("book.pwdb"), "", lastMonth(month.addMonths(-1)));
        window->openFile(path("book.pwdb"));
        const int before = window->database().transCount();
        std::size_t next = 0;
        QList<QDate> startDates;
        for (std::size_t k = 0; k < thisMonth.size(); ++k) {
            prompts.dialogScripts.push_back([&](QDialog& dialog) {
                const Receipt& receipt = thisMonth.at(next++);
                const bool last = next == thisMonth.size();
                dialog.show();
                // As exec() would: the dialog is the active window, its first field focused.
                QApplication::setActiveWindow(&dialog);
                if (!QTest::qWaitForWindowActive(&dialog)) return false;
                auto* date = dialog.findChild<QDateEdit*>(QStringLiteral("dateDateEdit"));
                startDates << date->date();
                // A comment entered before, and whether its latest amount, which
                // comes with it, is this one.
                bool known = false, same = false;
                for (const Row& row : lastMonth(month))
                    if (row.comment == receipt.comment) known = true, same = row.amount == receipt.amount;
                for (std::size_t j = 0; j + 1 < next; ++j)
                    if (QByteArray(thisMonth[j].comment) == receipt.comment)
                        known = true, same = thisMonth[j].amount == receipt.amount;
                enterDate(date, QDate(month.year(), month.month(), receipt.day));
                if (known) {
                    press(Qt::Key_Tab);  // the type comes with the comment
                    if (same) {
                        press(Qt::Key_Tab);
                    } else {
                        type(QString::number(receipt.amount));
                        press(Qt::Key_Tab);
                    }
                    press(Qt::Key_Tab);  // in/out too
                } else {
                    enterType(dialog.findChild<TypeComboBox*>(), QString::fromLatin1(receipt.type));
                    type(QString::number(receipt.amount));
                    press(Qt::Key_Tab);
                    type(receipt.income ? u'I' : u'O');
                    press(Qt::Key_Tab);
                }
                enterComment(dialog.findChild<QLineEdit*>(QStringLiteral("commentLineEdit")),
                             QString::fromLatin1(receipt.comment), known);
                if (last)
                    press(Qt::Key_Return);
                else
                    press(Qt::Key_Return, Qt::ControlModifier);
                return dialog.result() == QDialog::Accepted;
            });
        }
        press(Qt::Key_C, Qt::ControlModifier);  // Transaction > Create
        QCOMPARE(next, thisMonth.size());
        QCOMPARE(prompts.warnings, QStringList());
        QCOMPARE(startDates.first(), today);  // the first dialog starts on today

        const KestLib::AccountDB& db = window->database();
        QCOMPARE(db.transCount(), before + int(thisMonth.size()));
        for (std::size_t k = 0; k < thisMonth.size(); ++k) {
            const KestLib::Transaction& entered = db.transaction(before + int(k), false);
            const Receipt& receipt = thisMonth[k];
            const QString got = QStringLiteral("%1-%2 %3 %4 %5 %6")
                                    .arg(entered.month())
                                    .arg(entered.day())
                                    .arg(entered.amount())
                                    .arg(entered.isIncome())
                                    .arg(QString::fromStdString(db.typeById(entered.type()).name()),
                                         QString::fromStdString(std::string(entered.comment())));
            QCOMPARE(got, QStringLiteral("%1-%2 %3 %4 %5 %6")
                              .arg(month.month())
                              .arg(receipt.day)
                              .arg(receipt.amount)
                              .arg(receipt.income)
                              .arg(QString::fromLatin1(receipt.type), QString::fromLatin1(receipt.comment)));
        }
        const double average = double(keys) / double(thisMonth.size());
        qInfo("%d keys for %d receipts: %.2f a transaction", keys, int(thisMonth.size()), average);
        QVERIFY(average <= 16);
    }

    // OK without a change changes nothing: no step to undo, nothing to save.
    void modifyWithoutAChange() {
        writeBook(path("book.pwdb"), "", {{2026, 11, 3, false, 9, "Food", "rice"}});
        window->openFile(path("book.pwdb"));
        prompts.dialogScripts.push_back([](QDialog& dialog) {
            QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
            return dialog.result() == QDialog::Accepted;
        });
        auto* table = window->findChild<QTableView*>();
        table->setCurrentIndex(table->model()->index(0, 0));
        action("transModifyOneAct")->trigger();
        QVERIFY(prompts.dialogScripts.empty());
        QVERIFY(!window->history()->canUndo());
        QCOMPARE(status(), QStringLiteral("File Saved"));
    }
};

QTEST_MAIN(TestFastEntry)
#include "test_fastentry.moc"
