#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCompleter>
#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "core/accountdb.h"
#include "tests/support/bookbuilder.h"
#include "tests/support/booksupport.h"
#include "tests/support/scriptedprompts.h"
#include "ui/book/book.h"
#include "ui/transactions/transactiondialog.h"
#include "ui/window/mainwindow.h"

using namespace BookSupport;

namespace {

// Indexes 1, 3 and 4 at positions 0 to 2 (index 2 is deleted); Spare is unused.
KestLib::AccountDB standardBook() {
    KestLib::AccountDB book = makeBook("",
                                       {{2004, 3, 7, false, 9, "Food", "rice"},
                                        {2004, 10, 1, true, 10, "Salary", "pay"},
                                        {2004, 11, 15, false, 100, "Food", ""},
                                        {2004, 3, 20, true, 2, "Salary", "tip"}},
                                       {"Food", "Salary", "Spare"});
    book.deleteTransaction(2);
    return book;
}

// Translates "Food" as "Essen" in the dialog's context, as a translation file could.
class GermanFood : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        return QByteArray(context) == "TransactionDialog" && QByteArray(source) == "Food" ? QStringLiteral("Essen")
                                                                                          : QString();
    }
    bool isEmpty() const override { return false; }
};

}  // namespace

// The dialog is driven through its widgets; its warnings go to scripted prompts.
class TestTransactionDialog : public QObject {
    Q_OBJECT

private:
    Book book;
    ScriptedPrompts prompts;
    std::unique_ptr<TransactionDialog> dialog;

    void open(int mode, int shownIndex = 0) {
        dialog = std::make_unique<TransactionDialog>();
        dialog->setPrompts(&prompts);
        dialog->setBook(&book);
        dialog->setMode(mode);
        if (mode == TransactionDialog::DeleteOneMode || mode == TransactionDialog::ModifyOneMode)
            dialog->showTransaction(shownIndex);
    }
    template <typename T = QComboBox>
    T* find(const char* name) const {
        return dialog->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QDateEdit* date() const { return find<QDateEdit>("dateDateEdit"); }
    QStringList items(const char* name) const {
        QStringList texts;
        for (int item = 0; item < find(name)->count(); ++item) texts << find(name)->itemText(item);
        return texts;
    }
    QStringList typeNames() const {
        QStringList names;
        for (int position = 0; position < book.database().typeCount(); ++position)
            names << QString::fromStdString(book.database().typeAt(position).name());
        return names;
    }
    // What the user can touch, one letter per widget: index box, date, type
    // box, Add, Delete, amount, in/out, comment, OK; 'e' enabled or writable,
    // '-' not, 'p' the date pinned to the one it shows.
    QString touchable() const {
        auto flag = [](bool on) { return on ? u'e' : u'-'; };
        QString state;
        state += flag(find("indexCombo")->isEnabled());
        state += date()->minimumDate() == date()->maximumDate() ? u'p' : flag(date()->isEnabled());
        state += flag(find("typeCombo")->isEnabled());
        state += flag(button("addButton")->isEnabled());
        state += flag(button("deleteButton")->isEnabled());
        state += flag(!edit("moneyLineEdit")->isReadOnly());
        state += flag(find("inOutCombo")->isEnabled());
        state += flag(!edit("commentLineEdit")->isReadOnly());
        state += flag(button("okButton")->isEnabled());
        return state;
    }
    void typeName(const QString& name) {
        find("typeCombo")->lineEdit()->clear();
        find("typeCombo")->lineEdit()->insert(name);  // keyClicks knows ASCII only
    }
    void fillCreateFields() {
        choose(find("typeCombo"), 2);
        choose(find("inOutCombo"), 1);
        QTest::keyClicks(edit("moneyLineEdit"), QStringLiteral("120"));
    }
    void pressOk() { QTest::mouseClick(button("okButton"), Qt::LeftButton); }
    // Shown and active, so that focus moves as it does for the user.
    bool showActive() {
        dialog->show();
        dialog->activateWindow();
        return QTest::qWaitForWindowActive(dialog.get());
    }

private slots:
    void init() {
        book.adopt(standardBook());
        prompts = ScriptedPrompts();
    }
    void cleanup() {
        dialog.reset();
        QVERIFY2(prompts.unscripted.isEmpty(), qPrintable(prompts.unscripted.join(", ")));
    }

    void createModeStartState() {
        open(TransactionDialog::CreateMode);
        QCOMPARE(touchable(), QStringLiteral("-ee--eee-"));
        QCOMPARE(items("indexCombo"), QStringList({"Select a transaction"}));
        QCOMPARE(items("inOutCombo"), QStringList({"In/Out", "Income", "Outgoing"}));
        QCOMPARE(date()->date(), QDate::currentDate());
        // The types in list order after the prompt, each carrying its id.
        QCOMPARE(items("typeCombo"), QStringList({"Select/Add a type", "", "Food", "Salary", "Spare"}));
        for (int position = 0; position < book.database().typeCount(); ++position)
            QCOMPARE(find("typeCombo")->itemData(position + 1).toInt(), book.database().typeAt(position).id());
        // The prompt shows in an empty box that takes a typed name as typed.
        QCOMPARE(find("typeCombo")->currentText(), QString());
        QCOMPARE(find("typeCombo")->lineEdit()->placeholderText(), QStringLiteral("Select/Add a type"));
        dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        find("typeCombo")->setFocus();
        QTest::keyClicks(find("typeCombo")->lineEdit(), QStringLiteral("f"));
        QCOMPARE(find("typeCombo")->currentText(), QStringLiteral("food"));  // completed, never from the prompt
        QVERIFY(button("addButton")->isEnabled());
        QTest::keyClick(find("typeCombo")->lineEdit(), Qt::Key_Backspace);  // the completion
        QTest::keyClick(find("typeCombo")->lineEdit(), Qt::Key_Backspace);
        QVERIFY(!button("addButton")->isEnabled());

        const QList<QWidget*> tabOrder = {find("indexCombo"),     date(),
                                          find("typeCombo"),      button("addButton"),
                                          button("deleteButton"), edit("moneyLineEdit"),
                                          find("inOutCombo"),     edit("commentLineEdit"),
                                          button("okButton"),     button("cancelButton")};
        QList<QWidget*> visited;
        for (QWidget* widget = tabOrder.first(); visited.size() < tabOrder.size(); widget = widget->nextInFocusChain())
            if (tabOrder.contains(widget) && !visited.contains(widget)) visited << widget;
        QCOMPARE(visited, tabOrder);
    }

    void okRule() {
        open(TransactionDialog::CreateMode);
        fillCreateFields();
        QVERIFY(button("okButton")->isEnabled());
        edit("moneyLineEdit")->clear();
        QVERIFY(!button("okButton")->isEnabled());
        QTest::keyClicks(edit("moneyLineEdit"), QStringLiteral("5"));
        choose(find("inOutCombo"), 0);
        QVERIFY(!button("okButton")->isEnabled());
        choose(find("inOutCombo"), 2);
        choose(find("typeCombo"), 0);
        QVERIFY(!button("okButton")->isEnabled());
        choose(find("typeCombo"), 1);  // the nameless type is a type too
        QVERIFY(button("okButton")->isEnabled());

        pressOk();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->money(), 5);
        QVERIFY(!dialog->isIncome());
        QCOMPARE(dialog->typeId(), 0);
    }

    void amountValidator_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("leading zero") << "0120"
                                      << "120";
        QTest::newRow("zero alone") << "0"
                                    << "";
        QTest::newRow("signs") << "-+5"
                               << "5";
        QTest::newRow("space and separator") << "1 2,3"
                                             << "123";
        QTest::newRow("tenth digit") << "1234567890"
                                     << "123456789";
    }
    void amountValidator() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        open(TransactionDialog::CreateMode);
        QTest::keyClicks(edit("moneyLineEdit"), typed);
        QCOMPARE(edit("moneyLineEdit")->text(), kept);
    }

    // A book of decimals: the stored amount in the language's mark, and
    // either mark typed, with at most the book's decimals and nine digits.
    void amountsOfABookWithDecimals_data() {
        QTest::addColumn<QLocale>("language");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("stored");  // 1250 minor units as the box shows them
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("money");  // -1: OK stays off
        const QLocale english(QLocale::English), german(QLocale::German);
        const QLocale chinese(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
        QTest::newRow("German comma") << german << 2 << "12,50"
                                      << "12,50"
                                      << "12,50" << 1250;
        QTest::newRow("German, a point typed") << german << 2 << "12,50"
                                               << "12.5"
                                               << "12.5" << 1250;
        QTest::newRow("English, a comma typed") << english << 2 << "12.50"
                                                << "0,15"
                                                << "0,15" << 15;
        QTest::newRow("a third decimal") << english << 2 << "12.50"
                                         << "12.505"
                                         << "12.50" << 1250;
        QTest::newRow("zero") << german << 2 << "12,50"
                              << "0,00"
                              << "0,00" << -1;
        QTest::newRow("Chinese, thousandths") << chinese << 3 << "1.250"
                                              << "1,5"
                                              << "1,5" << 1500;
    }
    void amountsOfABookWithDecimals() {
        QFETCH(QLocale, language);
        QFETCH(int, decimals);
        QFETCH(QString, stored);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(int, money);
        QLocale::setDefault(language);
        book.adopt(BookBuilder().inFormat2(decimals).income("Food", 1250).build());
        open(TransactionDialog::ModifyOneMode, 1);
        QCOMPARE(edit("moneyLineEdit")->text(), stored);
        QCOMPARE(dialog->money(), 1250);

        open(TransactionDialog::CreateMode);
        choose(find("typeCombo"), 2);
        choose(find("inOutCombo"), 1);
        QTest::keyClicks(edit("moneyLineEdit"), typed);
        QCOMPARE(edit("moneyLineEdit")->text(), kept);
        QCOMPARE(button("okButton")->isEnabled(), money >= 0);
        if (money >= 0) QCOMPARE(dialog->money(), money);
        QLocale::setDefault(QLocale::c());
    }

    void addType_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");  // empty: added; "*": any warning
        QTest::addColumn<bool>("asks");        // whether another type is meant, answered Yes
        QTest::newRow("new") << "Rent"
                             << "" << false;
        QTest::newRow("differs in case only") << "food"
                                              << "" << true;
        QTest::newRow("existing") << "Food"
                                  << "Warning: The type Food has existed" << false;
        // Beyond what either format holds: in a new book a name Big5 lacks
        // alone takes the book to format 2.
        QTest::newRow("not Big5, 101 characters")
            << QStringLiteral("Cash \U0001F4B0") + QString(95, u'x') << "*" << false;
        QTest::newRow("256 bytes") << QString(256, u'x') << "*" << false;
    }
    void addType() {
        QFETCH(QString, name);
        QFETCH(QString, warning);
        QFETCH(bool, asks);
        if (asks) prompts.overwriteAnswers.push_back(true);
        open(TransactionDialog::CreateMode);
        choose(find("inOutCombo"), 1);
        QTest::keyClicks(edit("moneyLineEdit"), QStringLiteral("7"));
        const QStringList itemsBefore = items("typeCombo");
        const QStringList typesBefore = typeNames();
        QVERIFY(showActive());
        find("typeCombo")->setFocus();
        typeName(name);
        // The click takes the focus from the box before Add sees it.
        QTest::mouseClick(button("addButton"), Qt::LeftButton);

        if (warning.isEmpty()) {
            QCOMPARE(prompts.warnings, QStringList());
            QCOMPARE(typeNames(), typesBefore + QStringList(name));
            QCOMPARE(items("typeCombo"), itemsBefore + QStringList(name));
            QCOMPARE(find("typeCombo")->currentIndex(), itemsBefore.size());
            QCOMPARE(dialog->typeId(), book.database().findType(name.toStdString()).id());
            QCOMPARE(touchable().mid(2), QStringLiteral("e-eeeee"));  // Delete, and OK by its rule
            QVERIFY(!find("typeCombo")->isEditable());
            return;
        }
        QCOMPARE(prompts.warnings.size(), 1);
        if (warning != "*") QCOMPARE(prompts.warnings.first(), warning);
        QCOMPARE(typeNames(), typesBefore);
        QCOMPARE(items("typeCombo"), itemsBefore);
        QCOMPARE(find("typeCombo")->currentText(), name);
    }

    void deleteType() {
        open(TransactionDialog::CreateMode);
        choose(find("typeCombo"), 2);
        QTest::mouseClick(button("deleteButton"), Qt::LeftButton);
        QCOMPARE(prompts.warnings, QStringList({"Warning: There are still other transactions use this type"}));
        QCOMPARE(items("typeCombo").size(), 5);
        QCOMPARE(typeNames().size(), 4);

        // An unused type goes from box and book; the nameless type, chosen
        // after it, offers no Delete.
        book.adopt(makeBook("", {}, {"Spare"}));
        open(TransactionDialog::CreateMode);
        choose(find("typeCombo"), 2);
        QTest::mouseClick(button("deleteButton"), Qt::LeftButton);
        QCOMPARE(items("typeCombo"), QStringList({"Select/Add a type", ""}));
        QCOMPARE(typeNames(), QStringList({""}));
        QCOMPARE(find("typeCombo")->currentIndex(), 0);  // at the prompt, never on a neighbour
        QVERIFY(!button("deleteButton")->isEnabled());
    }

    void typeItemsDecideTheButtons_data() {
        QTest::addColumn<int>("item");
        QTest::addColumn<bool>("editable");
        QTest::addColumn<bool>("deletable");
        QTest::newRow("prompt") << 0 << true << false;
        QTest::newRow("nameless type") << 1 << false << false;
        QTest::newRow("later type") << 3 << false << true;
    }
    void typeItemsDecideTheButtons() {
        QFETCH(int, item);
        QFETCH(bool, editable);
        QFETCH(bool, deletable);
        open(TransactionDialog::ModifyOneMode, 4);
        choose(find("typeCombo"), item);
        QCOMPARE(find("typeCombo")->isEditable(), editable);
        QCOMPARE(button("deleteButton")->isEnabled(), deletable);
        QVERIFY(!button("addButton")->isEnabled());
        QCOMPARE(find("typeCombo")->currentText(), editable ? QString() : items("typeCombo").at(item));
    }

    void modesAtTheStart_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("state");
        QTest::newRow("create") << int(TransactionDialog::CreateMode) << "Create a transaction"
                                << "-ee--eee-";
        QTest::newRow("delete") << int(TransactionDialog::DeleteMode) << "Delete a transaction"
                                << "ep-------";
        QTest::newRow("modify") << int(TransactionDialog::ModifyMode) << "Modify a transaction"
                                << "ee-------";
        QTest::newRow("delete one") << int(TransactionDialog::DeleteOneMode) << "Delete this transaction"
                                    << "-p------e";
        QTest::newRow("modify one") << int(TransactionDialog::ModifyOneMode) << "Modify this transaction"
                                    << "-ee--eeee";
    }
    void modesAtTheStart() {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QString, state);
        // Index 3 has an empty comment, so showing it changes no comment text.
        open(mode, 3);
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(touchable(), state);
        if (mode >= TransactionDialog::DeleteOneMode) {
            QCOMPARE(date()->date(), QDate(2004, 11, 15));
            QCOMPARE(edit("moneyLineEdit")->text(), QStringLiteral("100"));
            QCOMPARE(find("inOutCombo")->currentIndex(), 2);
            QCOMPARE(find("typeCombo")->currentText(), QStringLiteral("Food"));
        }
    }

    void deleteAndModifyModesListTheBook_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shownState");
        QTest::newRow("delete") << int(TransactionDialog::DeleteMode) << "ep------e";
        QTest::newRow("modify") << int(TransactionDialog::ModifyMode) << "eeeeeeeee";
    }
    void deleteAndModifyModesListTheBook() {
        QFETCH(int, mode);
        QFETCH(QString, shownState);
        open(mode);
        QCOMPARE(items("indexCombo"), QStringList({"Select a transaction", "1", "3", "4"}));

        choose(find("indexCombo"), 3);
        QCOMPARE(dialog->index(), 4);
        QCOMPARE(date()->date(), QDate(2004, 3, 20));
        QCOMPARE(edit("moneyLineEdit")->text(), QStringLiteral("2"));
        QCOMPARE(find("inOutCombo")->currentIndex(), 1);
        QCOMPARE(find("typeCombo")->currentText(), QStringLiteral("Salary"));
        QCOMPARE(edit("commentLineEdit")->text(), QStringLiteral("tip"));
        QCOMPARE(touchable(), shownState);

        // The prompt again empties everything; the comment alone stays writable.
        choose(find("indexCombo"), 0);
        QCOMPARE(edit("moneyLineEdit")->text() + edit("commentLineEdit")->text(), QString());
        QCOMPARE(find("inOutCombo")->currentIndex() + find("typeCombo")->currentIndex(), 0);
        QCOMPARE(touchable().mid(2), QStringLiteral("-----e-"));

        choose(find("indexCombo"), 1);
        QCOMPARE(edit("commentLineEdit")->text(), QStringLiteral("rice"));
        pressOk();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->index(), 1);
    }

    void emptyBookOffersNothingToChoose() {
        book.adopt(makeBook("", {}));
        for (int mode : {int(TransactionDialog::DeleteMode), int(TransactionDialog::ModifyMode)}) {
            open(mode);
            QCOMPARE(items("indexCombo"), QStringList({"Select a transaction"}));
            choose(find("indexCombo"), 0);
            QTest::keyClicks(edit("commentLineEdit"), QStringLiteral("x"));
            QVERIFY(!button("okButton")->isEnabled());
        }
    }

    void typesFoundByIdNotByPosition() {
        // With B deleted, C (id 3) sits at list position 2.
        book.adopt(makeBook("", {{2004, 5, 1, true, 40, "C", ""}}, {"A", "B", "C"}));
        book.deleteType(book.database().findType("B").id());
        open(TransactionDialog::ModifyOneMode, 1);
        QCOMPARE(find("typeCombo")->currentText(), QStringLiteral("C"));
        QCOMPARE(dialog->typeId(), 3);

        // A name a translation happens to hold is shown as stored, and names its type.
        book.adopt(makeBook("", {{2004, 5, 1, false, 8, "Food", ""}}));
        GermanFood german;
        QCoreApplication::installTranslator(&german);
        open(TransactionDialog::ModifyOneMode, 1);
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(find("typeCombo")->currentText(), QStringLiteral("Food"));
        pressOk();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->typeId(), book.database().findType("Food").id());
    }

    void okRefusesWhatCannotBeStored() {
        // The chosen type's text edited into a name no type has.
        open(TransactionDialog::ModifyMode);
        choose(find("indexCombo"), 1);
        typeName(QStringLiteral("Nothing"));
        pressOk();
        QCOMPARE(prompts.warnings, QStringList({"Warning: No transaction type"}));
        QVERIFY(dialog->result() != QDialog::Accepted);
        typeName(QStringLiteral("Salary"));  // another type's name names that type
        QCOMPARE(dialog->typeId(), book.database().findType("Salary").id());

        open(TransactionDialog::CreateMode);
        fillCreateFields();
        edit("commentLineEdit")->insert(QStringLiteral("caf\u00e9 \U0001F600") + QString(1000, u'c'));
        pressOk();
        QCOMPARE(prompts.warnings.size(), 2);
        QVERIFY(dialog->result() != QDialog::Accepted);
        edit("commentLineEdit")->setText(QString(255, u'c'));
        pressOk();
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
    }

    // A book of format 2 holds any language: a comment of up to 1000
    // characters, a type name of up to 100, but no control character other
    // than the tab; the refusals speak of those limits.
    void format2TextsKeepThatFormatsLimits_data() {
        QTest::addColumn<bool>("comment");  // else a new type's name
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("warning");  // empty: taken
        const QString tooLongComment = QStringLiteral(
            "Warning: The comment can't be stored in this database: it is 1001 characters long, and a comment may "
            "have at most 1000.");
        const QString tooLongName = QStringLiteral(
            "Warning: The type name can't be stored in this database: it is 101 characters long, and a name may "
            "have at most 100.");
        QTest::newRow("comment with an emoji") << true << QStringLiteral("caf\u00e9 \U0001F600") << QString();
        QTest::newRow("comment of 1000 characters") << true << QStringLiteral("\u00e9").repeated(1000) << QString();
        QTest::newRow("comment of 1001") << true << QStringLiteral("x").repeated(1001) << tooLongComment;
        QTest::newRow("comment with a control character")
            << true << QStringLiteral("a\u0007b")
            << QStringLiteral(
                   "Warning: The comment can't be stored in this database: it holds a control character "
                   "other than the tab, or a code that is no character.");
        QTest::newRow("type in Japanese") << false << QStringLiteral("\u98df\u8cbb") << QString();
        QTest::newRow("type with an emoji") << false << QStringLiteral("Cash \U0001F4B0") << QString();
        QTest::newRow("type of 100 characters") << false << QStringLiteral("\u540d").repeated(100) << QString();
        QTest::newRow("type of 101") << false << QStringLiteral("\u540d").repeated(101) << tooLongName;
    }
    void format2TextsKeepThatFormatsLimits() {
        QFETCH(bool, comment);
        QFETCH(QString, text);
        QFETCH(QString, warning);
        book.adopt(makeFormat2Book("", {{2026, 3, 1, false, 9, "Essen", "Brot"}}));
        open(TransactionDialog::CreateMode);
        choose(find("inOutCombo"), 1);
        QTest::keyClicks(edit("moneyLineEdit"), QStringLiteral("7"));
        if (comment) {
            choose(find("typeCombo"), 1);
            edit("commentLineEdit")->setText(text);
            pressOk();
            QCOMPARE(prompts.warnings, warning.isEmpty() ? QStringList() : QStringList({warning}));
            QCOMPARE(dialog->result(), int(warning.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
            if (warning.isEmpty()) QCOMPARE(dialog->storedComment(), text.toStdString());
            return;
        }
        QVERIFY(showActive());
        find("typeCombo")->setFocus();
        typeName(text);
        QTest::mouseClick(button("addButton"), Qt::LeftButton);
        QCOMPARE(prompts.warnings, warning.isEmpty() ? QStringList() : QStringList({warning}));
        QCOMPARE(typeNames().contains(text), warning.isEmpty());
        if (warning.isEmpty()) QCOMPARE(find("typeCombo")->currentText(), text);
    }

    // Typed as the box shows a date, after the year is chosen by Tab or the
    // whole text by Ctrl+A, over stored dates the box can and can't show.
    void typedDates_data() {
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<bool>("selectAll");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QList<int>>("expected");
        const QList<int> march7 = {2004, 3, 7};
        QTest::newRow("year chosen") << march7 << false << "2026/11/28" << QList<int>{2026, 11, 28};
        QTest::newRow("all chosen") << march7 << true << "2026/11/28" << QList<int>{2026, 11, 28};
        QTest::newRow("digits only") << march7 << true << "20261128" << QList<int>{2026, 11, 28};
        QTest::newRow("one-digit month and day") << march7 << false << "2026/1/5" << QList<int>{2026, 1, 5};
        // Far from today: taken when ended twice.
        QTest::newRow("before 1752") << march7 << true << "1700/01/01\t" << QList<int>{1700, 1, 1};
        QTest::newRow("year 1") << march7 << true << "0001/01/01\t" << QList<int>{1, 1, 1};
        QTest::newRow("over a day no calendar has")
            << QList<int>{2004, 2, 30} << true << "2004/02/29" << QList<int>{2004, 2, 29};
        QTest::newRow("over a five-digit year")
            << QList<int>{20000, 1, 1} << false << "2026/11/28" << QList<int>{2026, 11, 28};
    }
    void typedDates() {
        QFETCH(QList<int>, stored);
        QFETCH(bool, selectAll);
        QFETCH(QString, keys);
        QFETCH(QList<int>, expected);
        book.adopt(makeBook("", {{stored[0], stored[1], stored[2], false, 9, "Food", "rice"}}));
        open(TransactionDialog::ModifyOneMode, 1);
        dialog->show();
        dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
        date()->setFocus(Qt::TabFocusReason);
        if (selectAll) QTest::keyClick(date(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(date(), keys);
        QTest::keyClick(date(), Qt::Key_Tab);  // the typed date is read as it ends
        QCOMPARE(QList<int>({dialog->year(), dialog->month(), dialog->day()}), expected);
    }

    // Modify with only the comment changed, through the window's command:
    // the date goes back as it was stored, also one no date box can show.
    void modifyKeepsTheStoredDate_data() {
        QTest::addColumn<QList<int>>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("before 1752") << QList<int>{1700, 1, 1} << "1700/01/01";
        QTest::newRow("a day no calendar has") << QList<int>{2004, 2, 30} << "2004/02/30";
        QTest::newRow("year 0") << QList<int>{0, 1, 1} << "0000/01/01";
        QTest::newRow("five-digit year") << QList<int>{20000, 12, 31} << "20000/12/31";
    }
    void modifyKeepsTheStoredDate() {
        QFETCH(QList<int>, stored);
        QFETCH(QString, shown);
        QTemporaryDir folder;
        const QString file = folder.filePath(QStringLiteral("book.pwdb"));
        writeBook(file, "", {{stored[0], stored[1], stored[2], false, 9, "Food", "rice"}});
        MainWindow window;
        window.setPrompts(&prompts);
        window.setLangDir(folder.filePath(QStringLiteral("languages")));
        window.initWindow();
        window.openFile(file);
        QString shownDate;
        prompts.dialogScripts.push_back([&](QDialog& modify) {
            choose(modify.findChild<QComboBox*>(QStringLiteral("indexCombo")), 1);
            shownDate = modify.findChild<QDateEdit*>(QStringLiteral("dateDateEdit"))->text();
            modify.findChild<QLineEdit*>(QStringLiteral("commentLineEdit"))->setText(QStringLiteral("changed"));
            QTest::mouseClick(modify.findChild<QPushButton*>(QStringLiteral("okButton")), Qt::LeftButton);
            return modify.result() == QDialog::Accepted;
        });
        window.findChild<QAction*>(QStringLiteral("transModifyAct"))->trigger();
        QCOMPARE(prompts.warnings, QStringList());
        QCOMPARE(shownDate, shown);
        const KestLib::Transaction& record = window.database().transaction(1, true);
        QVERIFY(record.comment() == std::string_view("changed"));
        QCOMPARE(QList<int>({record.year(), record.month(), record.day()}), stored);
    }

    // Enter in the type box chooses or adds a type, and never accepts the
    // dialog, though OK would take what it holds.
    void enterInTheTypeBox_data() {
        QTest::addColumn<QString>("typed");  // empty: a listed type chosen first
        QTest::addColumn<QString>("chosen");
        QTest::newRow("new name") << "Rent"
                                  << "Rent";
        QTest::newRow("listed name") << "Salary"
                                     << "Salary";
        QTest::newRow("another letter case") << "salary"
                                             << "Salary";
        QTest::newRow("completed") << "Sa"
                                   << "Salary";
        QTest::newRow("type already chosen") << ""
                                             << "Food";
    }
    void enterInTheTypeBox() {
        QFETCH(QString, typed);
        QFETCH(QString, chosen);
        open(TransactionDialog::CreateMode);
        QVERIFY(showActive());
        QSignalSpy accepted(dialog.get(), &QDialog::accepted);
        choose(find("inOutCombo"), 1);
        QTest::keyClicks(edit("moneyLineEdit"), QStringLiteral("7"));
        find("typeCombo")->setFocus();
        if (typed.isEmpty()) choose(find("typeCombo"), 2);
        QTest::keyClicks(find("typeCombo"), typed);
        QTest::keyClick(find("typeCombo"), Qt::Key_Return);
        const QStringList listed = {"", "Food", "Salary", "Spare"};
        QCOMPARE(typeNames(), listed.contains(chosen) ? listed : listed + QStringList(chosen));
        QCOMPARE(find("typeCombo")->currentText(), chosen);
        QVERIFY(!find("typeCombo")->isEditable() && button("okButton")->isEnabled());
        QCOMPARE(accepted.count(), 0);
        QCOMPARE(QApplication::focusWidget(), edit("moneyLineEdit"));  // on to the amount
    }

    // Typed letters offer the earlier comments holding them, those starting
    // with them first, each most recent first; the one chosen fills the
    // fields still at their prompts or empty from its latest transaction: "Rice" at position 2, later by date than
    // at 4; "Price list" is as recent, and later in the book; "rice wine"
    // is the latest, in a year (9000) whose date code has the sign bit set.
    void earlierComments_data() {
        QTest::addColumn<QString>("typeText");  // typed, not added
        QTest::addColumn<int>("typeItem");
        QTest::addColumn<int>("inOut");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("filled");  // type text, in/out item, amount
        QTest::newRow("all empty") << "" << 0 << 0 << ""
                                   << "Food 2 100";
        QTest::newRow("type and amount given") << "" << 3 << 0 << "5"
                                               << "Salary 2 5";
        QTest::newRow("in/out given") << "" << 0 << 1 << ""
                                      << "Food 1 100";
        QTest::newRow("a type name typed") << "Gro" << 0 << 0 << ""
                                           << "Gro 2 100";
    }
    void earlierComments() {
        QFETCH(QString, typeText);
        QFETCH(int, typeItem);
        QFETCH(int, inOut);
        QFETCH(QString, amount);
        QFETCH(QString, filled);
        book.adopt(makeBook("",
                            {{2004, 3, 7, false, 9, "Food", "lunch rice"},
                             {2004, 10, 1, true, 1, "Salary", "Pay"},
                             {2004, 5, 15, false, 100, "Food", "Rice"},
                             {2004, 3, 20, true, 2, "Salary", ""},
                             {2003, 1, 1, true, 50, "Spare", "Rice"},
                             {2004, 5, 15, false, 7, "Food", "Price list"},
                             {9000, 1, 1, false, 3, "Food", "rice wine"}},
                            {"Food", "Salary", "Spare"}));
        open(TransactionDialog::CreateMode);
        QVERIFY(showActive());
        choose(find("typeCombo"), typeItem);
        if (!typeText.isEmpty()) typeName(typeText);
        choose(find("inOutCombo"), inOut);
        edit("moneyLineEdit")->setText(amount);
        edit("commentLineEdit")->setFocus();
        QTest::keyClicks(edit("commentLineEdit"), QStringLiteral("rI"));
        QCompleter* completer = edit("commentLineEdit")->completer();
        QStringList offered;
        for (int row = 0; row < completer->completionModel()->rowCount(); ++row)
            offered << completer->completionModel()->index(row, 0).data().toString();
        QCOMPARE(offered, QStringList({"rice wine", "Rice", "Price list", "lunch rice"}));
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}) QTest::keyClick(completer->popup(), key);
        QCOMPARE(edit("commentLineEdit")->text(), QStringLiteral("Rice"));
        QCOMPARE(QStringList({find("typeCombo")->currentText(), QString::number(find("inOutCombo")->currentIndex()),
                              edit("moneyLineEdit")->text()})
                     .join(u' '),
                 filled);
    }

    // Tab and Shift+Tab leave the date box from within, not section by
    // section; Tab passes over Add and Delete, which go by their letters.
    void tabLeavesTheDate_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("next");
        QTest::newRow("Tab") << int(TransactionDialog::CreateMode) << "dateDateEdit" << int(Qt::Key_Tab) << "typeCombo";
        QTest::newRow("Shift+Tab") << int(TransactionDialog::ModifyMode) << "dateDateEdit" << int(Qt::Key_Backtab)
                                   << "indexCombo";
        QTest::newRow("from the type") << int(TransactionDialog::CreateMode) << "typeCombo" << int(Qt::Key_Tab)
                                       << "moneyLineEdit";
    }
    void tabLeavesTheDate() {
        QFETCH(int, mode);
        QFETCH(QString, from);
        QFETCH(int, key);
        QFETCH(QString, next);
        open(mode);
        QVERIFY(showActive());
        auto* start = dialog->findChild<QWidget*>(from);
        start->setFocus(Qt::TabFocusReason);
        if (start == date()) date()->setCurrentSection(QDateTimeEdit::MonthSection);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key),
                        key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }

    // Only a nameless type stays; a book may have none, or have it later.
    void whichTypesDelete_data() {
        QTest::addColumn<QStringList>("types");  // ids 0, 1, ... in this order
        QTest::addColumn<int>("item");
        QTest::addColumn<QStringList>("typesAfter");  // after Delete is pressed
        QTest::newRow("nameless first") << QStringList({"", "Rent"}) << 1 << QStringList({"", "Rent"});
        QTest::newRow("named first") << QStringList({"Rent", "Spare"}) << 1 << QStringList({"Spare"});
        QTest::newRow("nameless later") << QStringList({"Rent", ""}) << 2 << QStringList({"Rent", ""});
    }
    void whichTypesDelete() {
        QFETCH(QStringList, types);
        QFETCH(int, item);
        QFETCH(QStringList, typesAfter);
        KestLib::AccountDB crafted;
        for (int id = 0; id < types.size(); ++id) crafted.restoreType(id, types.at(id).toStdString());
        book.adopt(std::move(crafted));
        open(TransactionDialog::CreateMode);
        choose(find("typeCombo"), item);
        QCOMPARE(button("deleteButton")->isEnabled(), typesAfter != types);
        QTest::mouseClick(button("deleteButton"), Qt::LeftButton);
        QCOMPARE(typeNames(), typesAfter);
        QCOMPARE(items("typeCombo").mid(1), typesAfter);
    }

    void enterAcceptsOnlyWithOkEnabled() {
        open(TransactionDialog::CreateMode);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QSignalSpy accepted(dialog.get(), &QDialog::accepted);
        QTest::keyClick(edit("moneyLineEdit"), Qt::Key_Return);
        QCOMPARE(accepted.count(), 0);
        fillCreateFields();
        QTest::keyClick(edit("commentLineEdit"), Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
    }
};

QTEST_MAIN(TestTransactionDialog)
#include "test_transactiondialog.moc"
