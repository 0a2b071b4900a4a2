#include <QCoreApplication>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <memory>

#include "accountdb.h"
#include "big5text.h"
#include "booksupport.h"
#include "errormsg.h"
#include "scriptedprompts.h"
#include "transactiondialog.h"

namespace {

// Indexes 1 to 4; index 2 is deleted again, so indexes and positions differ.
const std::vector<BookRow> standardRows = {
    {2004, 3, 7, false, 9, "Food", "rice"},
    {2004, 10, 1, true, 10, "Salary", "pay"},
    {2004, 11, 15, false, 100, "Food", ""},
    {2004, 3, 20, true, 2, "Salary", "tip"},
};

KestLib::AccountDB standardBook() {
    KestLib::AccountDB book = makeBook(standardRows, {"Food", "Salary", "Spare"});
    book.deleteTransaction(2);
    return book;
}

// Shows "Essen" for a stored type name "Food" in the dialog's context.
class GermanFood : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override {
        return QByteArray(context) == "TransactionDialog" && QByteArray(source) == "Food" ? QStringLiteral("Essen")
                                                                                         : QString();
    }
    bool isEmpty() const override { return false; }
};

// What a mode lets the user touch, one letter per widget: index box, date,
// type box, Add, Delete, amount, in/out, comment, OK. 'e' enabled or
// writable, '-' disabled or read-only, 'p' the date pinned to the one shown.
QString touchable(TransactionDialog& dialog) {
    auto flag = [](bool on) { return on ? u'e' : u'-'; };
    auto* date = dialog.findChild<QDateEdit*>(QStringLiteral("dateDateEdit"));
    QString state;
    state += flag(dialog.findChild<QComboBox*>(QStringLiteral("indexCombo"))->isEnabled());
    state += date->minimumDate() == date->maximumDate() ? u'p' : flag(date->isEnabled());
    state += flag(dialog.findChild<QComboBox*>(QStringLiteral("typeCombo"))->isEnabled());
    state += flag(dialog.findChild<QPushButton*>(QStringLiteral("addButton"))->isEnabled());
    state += flag(dialog.findChild<QPushButton*>(QStringLiteral("deleteButton"))->isEnabled());
    state += flag(!dialog.findChild<QLineEdit*>(QStringLiteral("moneyLineEdit"))->isReadOnly());
    state += flag(dialog.findChild<QComboBox*>(QStringLiteral("inOutCombo"))->isEnabled());
    state += flag(!dialog.findChild<QLineEdit*>(QStringLiteral("commentLineEdit"))->isReadOnly());
    state += flag(dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->isEnabled());
    return state;
}

}  // namespace

// The dialog is driven through its widgets; its warnings go to scripted prompts.
class TestTransactionDialog : public QObject {
    Q_OBJECT

private:
    KestLib::AccountDB book;
    ScriptedPrompts prompts;
    std::unique_ptr<TransactionDialog> dialog;

    void open(int mode, int shownIndex = 0) {
        dialog = std::make_unique<TransactionDialog>();
        dialog->setPrompts(&prompts);
        dialog->setDB(&book);
        dialog->setMode(mode);
        if (mode == TransactionDialog::DeleteOneMode || mode == TransactionDialog::ModifyOneMode)
            dialog->showTransaction(shownIndex);
    }
    QComboBox* combo(const char* name) const { return dialog->findChild<QComboBox*>(QString::fromLatin1(name)); }
    QLineEdit* edit(const char* name) const { return dialog->findChild<QLineEdit*>(QString::fromLatin1(name)); }
    QPushButton* button(const char* name) const {
        return dialog->findChild<QPushButton*>(QString::fromLatin1(name));
    }
    QDateEdit* date() const { return dialog->findChild<QDateEdit*>(QStringLiteral("dateDateEdit")); }
    QStringList items(const char* name) const {
        QStringList texts;
        for (int item = 0; item < combo(name)->count(); ++item) texts << combo(name)->itemText(item);
        return texts;
    }
    QStringList typeNames() const {
        QStringList names;
        for (int position = 0; position < book.typeCount(); ++position)
            names << QString::fromStdString(book.typeAt(position).name());
        return names;
    }
    // Types a new type name in place of the prompt.
    void typeName(const QString& name) {
        QComboBox* types = combo("typeCombo");
        QCOMPARE(types->currentIndex(), 0);
        types->lineEdit()->clear();
        // As typed; keyClicks knows only ASCII.
        types->lineEdit()->insert(name);
    }
    void fillCreateFields() {
        choose(combo("typeCombo"), 2);
        choose(combo("inOutCombo"), 1);
        QTest::keyClicks(edit("moneyLineEdit"), QStringLiteral("120"));
    }

private slots:
    void init() {
        book = standardBook();
        prompts = ScriptedPrompts();
    }
    void cleanup() {
        dialog.reset();
        QVERIFY2(prompts.unscripted.isEmpty(), qPrintable(prompts.unscripted.join(", ")));
    }

    void createModeStartState() {
        open(TransactionDialog::CreateMode);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Create a transaction"));
        QCOMPARE(touchable(*dialog), QStringLiteral("-ee--eee-"));
        QCOMPARE(items("indexCombo"), QStringList({"Select a transaction"}));
        QCOMPARE(items("inOutCombo"), QStringList({"In/Out", "Income", "Outgoing"}));
        QCOMPARE(combo("inOutCombo")->currentIndex(), 0);
        QCOMPARE(date()->date(), QDate::currentDate());
        QVERIFY(date()->calendarPopup());

        // The types in list order after the prompt, each carrying its id.
        QCOMPARE(items("typeCombo"), QStringList({"Select/Add a type", "", "Food", "Salary", "Spare"}));
        for (int position = 0; position < book.typeCount(); ++position)
            QCOMPARE(combo("typeCombo")->itemData(position + 1).toInt(), book.typeAt(position).id());
        // The prompt shows in an empty box that takes a typed name.
        QVERIFY(combo("typeCombo")->isEditable());
        QCOMPARE(combo("typeCombo")->currentText(), QString());
        QCOMPARE(combo("typeCombo")->lineEdit()->placeholderText(), QStringLiteral("Select/Add a type"));

        QTest::keyClicks(combo("typeCombo")->lineEdit(), QStringLiteral("F"));
        QCOMPARE(combo("typeCombo")->currentText(), QStringLiteral("F"));  // no completion to "Food"
        QVERIFY(button("addButton")->isEnabled());
        QTest::keyClick(combo("typeCombo")->lineEdit(), Qt::Key_Backspace);
        QVERIFY(!button("addButton")->isEnabled());

        // Tab order.
        const QList<QWidget*> chain = {combo("indexCombo"), date(),           combo("typeCombo"),
                                       button("addButton"), button("deleteButton"), edit("moneyLineEdit"),
                                       combo("inOutCombo"), edit("commentLineEdit"), button("okButton"),
                                       button("cancelButton")};
        QList<QWidget*> visited;
        for (QWidget* widget = chain.first(); visited.size() < chain.size(); widget = widget->nextInFocusChain())
            if (chain.contains(widget) && !visited.contains(widget)) visited << widget;
        QCOMPARE(visited, chain);
        QVERIFY(button("okButton")->isDefault());
    }

    void okRule() {
        open(TransactionDialog::CreateMode);
        fillCreateFields();
        QVERIFY(button("okButton")->isEnabled());
        // The comment never matters.
        QTest::keyClicks(edit("commentLineEdit"), QStringLiteral("lunch"));
        QVERIFY(button("okButton")->isEnabled());

        edit("moneyLineEdit")->clear();
        QVERIFY(!button("okButton")->isEnabled());
        QTest::keyClicks(edit("moneyLineEdit"), QStringLiteral("5"));
        QVERIFY(button("okButton")->isEnabled());
        choose(combo("inOutCombo"), 0);
        QVERIFY(!button("okButton")->isEnabled());
        choose(combo("inOutCombo"), 2);
        QVERIFY(button("okButton")->isEnabled());
        choose(combo("typeCombo"), 0);
        QVERIFY(!button("okButton")->isEnabled());
        choose(combo("typeCombo"), 1);  // the nameless type is a type too
        QVERIFY(button("okButton")->isEnabled());

        QVERIFY(dialog->result() != QDialog::Accepted);
        QTest::mouseClick(button("okButton"), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->money(), 5);
        QVERIFY(!dialog->isIncome());
        QCOMPARE(dialog->typeId(), 0);
        QCOMPARE(dialog->comment(), QStringLiteral("lunch"));
        QCOMPARE(QDate(dialog->year(), dialog->month(), dialog->day()), QDate::currentDate());
    }

    void amountValidator_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::newRow("plain") << "120" << "120";
        QTest::newRow("leading zero") << "0120" << "120";
        QTest::newRow("zero alone") << "0" << "";
        QTest::newRow("minus") << "-5" << "5";
        QTest::newRow("plus") << "+5" << "5";
        QTest::newRow("space") << "1 2" << "12";
        QTest::newRow("separator") << "1,000" << "1000";
        QTest::newRow("nine digits") << "999999999" << "999999999";
        QTest::newRow("tenth digit") << "1234567890" << "123456789";
        QTest::newRow("letters") << "1e3" << "13";
    }
    void amountValidator() {
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        open(TransactionDialog::CreateMode);
        QTest::keyClicks(edit("moneyLineEdit"), typed);
        QCOMPARE(edit("moneyLineEdit")->text(), kept);
    }

    void addType() {
        open(TransactionDialog::CreateMode);
        choose(combo("inOutCombo"), 1);
        QTest::keyClicks(edit("moneyLineEdit"), QStringLiteral("7"));
        typeName(QStringLiteral("Rent"));
        QTest::mouseClick(button("addButton"), Qt::LeftButton);

        QCOMPARE(prompts.warnings, QStringList());
        QCOMPARE(typeNames(), QStringList({"", "Food", "Salary", "Spare", "Rent"}));
        QCOMPARE(items("typeCombo").last(), QStringLiteral("Rent"));
        QCOMPARE(combo("typeCombo")->currentIndex(), 5);
        QCOMPARE(combo("typeCombo")->currentData().toInt(), book.findType("Rent").id());
        QVERIFY(!combo("typeCombo")->isEditable());
        QVERIFY(!button("addButton")->isEnabled());
        QVERIFY(button("deleteButton")->isEnabled());
        QVERIFY(button("okButton")->isEnabled());  // the OK rule holds now
        QCOMPARE(dialog->typeId(), book.findType("Rent").id());
    }

    void addTypeRefused_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("warning");  // empty: any warning
        QTest::newRow("existing") << "Food" << "Warning: The type Food has existed";
        QTest::newRow("differs in case only is fine") << "food" << "";
        QTest::newRow("emoji") << QStringLiteral("Cash \U0001F4B0") << "*";
        QTest::newRow("256 bytes") << QString(256, u'x') << "*";
    }
    void addTypeRefused() {
        QFETCH(QString, name);
        QFETCH(QString, warning);
        open(TransactionDialog::CreateMode);
        const QStringList before = items("typeCombo");
        const QStringList storedBefore = typeNames();
        typeName(name);
        QTest::mouseClick(button("addButton"), Qt::LeftButton);

        if (warning.isEmpty()) {
            QCOMPARE(prompts.warnings, QStringList());
            QCOMPARE(combo("typeCombo")->currentText(), name);
            QCOMPARE(book.typeCount(), storedBefore.size() + 1);
            return;
        }
        QCOMPARE(prompts.warnings.size(), 1);
        if (warning != "*") QCOMPARE(prompts.warnings.first(), warning);
        QVERIFY(prompts.warnings.first().startsWith(QStringLiteral("Warning: ")));
        // Nothing changed: the box still holds the typed name, Add still works.
        QCOMPARE(items("typeCombo"), before);
        QCOMPARE(typeNames(), storedBefore);
        QCOMPARE(combo("typeCombo")->currentText(), name);
        QVERIFY(button("addButton")->isEnabled());
        QVERIFY(dialog->isVisible() == false && dialog->result() != QDialog::Accepted);
    }

    void deleteType() {
        open(TransactionDialog::CreateMode);
        // A used type stays.
        choose(combo("typeCombo"), 2);
        QTest::mouseClick(button("deleteButton"), Qt::LeftButton);
        QCOMPARE(prompts.warnings, QStringList({"Warning: There are still other transactions use this type"}));
        QCOMPARE(items("typeCombo"), QStringList({"Select/Add a type", "", "Food", "Salary", "Spare"}));
        QCOMPARE(typeNames(), QStringList({"", "Food", "Salary", "Spare"}));

        // An unused last type goes from box and book; the item before it is
        // chosen then, with the buttons it calls for.
        choose(combo("typeCombo"), 4);
        QTest::mouseClick(button("deleteButton"), Qt::LeftButton);
        QCOMPARE(prompts.warnings.size(), 1);
        QCOMPARE(items("typeCombo"), QStringList({"Select/Add a type", "", "Food", "Salary"}));
        QCOMPARE(typeNames(), QStringList({"", "Food", "Salary"}));
        QCOMPARE(combo("typeCombo")->currentIndex(), 3);
        QVERIFY(button("deleteButton")->isEnabled());
        QVERIFY(!button("addButton")->isEnabled());
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
        for (int mode : {int(TransactionDialog::CreateMode), int(TransactionDialog::ModifyOneMode)}) {
            open(mode, 4);
            choose(combo("typeCombo"), item);
            QCOMPARE(combo("typeCombo")->isEditable(), editable);
            QCOMPARE(button("deleteButton")->isEnabled(), deletable);
            QVERIFY(!button("addButton")->isEnabled());
            if (editable) QCOMPARE(combo("typeCombo")->currentText(), QString());
        }
    }

    void modesAtTheStart_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("state");
        QTest::newRow("create") << int(TransactionDialog::CreateMode) << "Create a transaction" << "-ee--eee-";
        QTest::newRow("delete") << int(TransactionDialog::DeleteMode) << "Delete a transaction" << "ep-------";
        QTest::newRow("modify") << int(TransactionDialog::ModifyMode) << "Modify a transaction" << "ee-------";
        QTest::newRow("delete one") << int(TransactionDialog::DeleteOneMode) << "Delete this transaction"
                                    << "-p------e";
        QTest::newRow("modify one") << int(TransactionDialog::ModifyOneMode) << "Modify this transaction"
                                    << "-ee--eeee";
    }
    void modesAtTheStart() {
        QFETCH(int, mode);
        QFETCH(QString, title);
        QFETCH(QString, state);
        // Index 3 has an empty comment, so showing it runs no comment signal.
        open(mode, 3);
        QCOMPARE(dialog->windowTitle(), title);
        QCOMPARE(touchable(*dialog), state);
        if (mode == TransactionDialog::DeleteOneMode || mode == TransactionDialog::ModifyOneMode) {
            QCOMPARE(edit("moneyLineEdit")->text(), QStringLiteral("100"));
            QCOMPARE(combo("typeCombo")->currentText(), QStringLiteral("Food"));
            QCOMPARE(combo("inOutCombo")->currentIndex(), 2);
            QCOMPARE(date()->date(), QDate(2004, 11, 15));
            QCOMPARE(dialog->typeId(), book.findType("Food").id());
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
        // In database order, not sorted.
        book.modifyTransaction([&] {
            KestLib::Transaction record = book.transaction(1, true);
            record.setComment("first");
            return record;
        }());
        open(mode);
        QCOMPARE(items("indexCombo"), QStringList({"Select a transaction", "1", "3", "4"}));

        choose(combo("indexCombo"), 3);
        QCOMPARE(dialog->index(), 4);
        QCOMPARE(date()->date(), QDate(2004, 3, 20));
        QCOMPARE(edit("moneyLineEdit")->text(), QStringLiteral("2"));
        QCOMPARE(combo("inOutCombo")->currentIndex(), 1);
        QCOMPARE(combo("typeCombo")->currentText(), QStringLiteral("Salary"));
        QCOMPARE(edit("commentLineEdit")->text(), QStringLiteral("tip"));
        QCOMPARE(touchable(*dialog), shownState);

        choose(combo("indexCombo"), 1);
        QCOMPARE(edit("commentLineEdit")->text(), QStringLiteral("first"));
        QCOMPARE(combo("typeCombo")->currentText(), QStringLiteral("Food"));

        // The prompt again empties everything; the comment alone stays writable.
        choose(combo("indexCombo"), 0);
        QCOMPARE(dialog->index(), 0);
        QCOMPARE(edit("moneyLineEdit")->text(), QString());
        QCOMPARE(edit("commentLineEdit")->text(), QString());
        QCOMPARE(combo("inOutCombo")->currentIndex(), 0);
        QCOMPARE(combo("typeCombo")->currentIndex(), 0);
        QCOMPARE(combo("typeCombo")->currentText(), QString());
        QCOMPARE(touchable(*dialog).mid(2), QStringLiteral("-----e-"));

        // Modifying goes on from a cleared dialog too.
        if (mode == TransactionDialog::ModifyMode) {
            choose(combo("indexCombo"), 2);
            edit("moneyLineEdit")->clear();
            QVERIFY(!button("okButton")->isEnabled());
            QTest::keyClicks(edit("moneyLineEdit"), QStringLiteral("55"));
            QTest::mouseClick(button("okButton"), Qt::LeftButton);
            QCOMPARE(dialog->result(), int(QDialog::Accepted));
            QCOMPARE(dialog->index(), 3);
            QCOMPARE(dialog->money(), 55);
        }
    }

    void emptyBookOffersNothingToDelete() {
        book = makeBook({});
        for (int mode : {int(TransactionDialog::DeleteMode), int(TransactionDialog::ModifyMode)}) {
            open(mode);
            QCOMPARE(items("indexCombo"), QStringList({"Select a transaction"}));
            choose(combo("indexCombo"), 0);
            QVERIFY(!button("okButton")->isEnabled());
            QTest::keyClicks(edit("commentLineEdit"), QStringLiteral("x"));
            QVERIFY(!button("okButton")->isEnabled());
        }
    }

    void typesFoundByIdNotByPosition() {
        // Deleting B leaves ids 0, 1, 3 at positions 0, 1, 2; C keeps id 3.
        book = makeBook({{2004, 5, 1, true, 40, "C", "late type"}}, {"A", "B", "C"});
        book.deleteType(book.findType("B"));
        const int cId = book.findType("C").id();
        QCOMPARE(cId, 3);
        open(TransactionDialog::ModifyOneMode, 1);
        QCOMPARE(combo("typeCombo")->currentText(), QStringLiteral("C"));
        QCOMPARE(dialog->typeId(), cId);

        // A name shown translated still names its type.
        book = makeBook({{2004, 5, 1, false, 8, "Food", ""}}, {"Food"});
        GermanFood german;
        QCoreApplication::installTranslator(&german);
        open(TransactionDialog::ModifyOneMode, 1);
        QCOMPARE(combo("typeCombo")->currentText(), QStringLiteral("Essen"));
        QTest::mouseClick(button("okButton"), Qt::LeftButton);
        QCoreApplication::removeTranslator(&german);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->typeId(), book.findType("Food").id());
        QCOMPARE(prompts.warnings, QStringList());
    }

    void okRefusesWhatCannotBeStored() {
        // A type text edited over the chosen type that names no type.
        open(TransactionDialog::ModifyMode);
        choose(combo("indexCombo"), 1);
        QVERIFY(combo("typeCombo")->isEditable());
        combo("typeCombo")->lineEdit()->selectAll();
        QTest::keyClicks(combo("typeCombo")->lineEdit(), QStringLiteral("Nothing"));
        QTest::mouseClick(button("okButton"), Qt::LeftButton);
        QCOMPARE(prompts.warnings, QStringList({"Warning: No transaction type"}));
        QVERIFY(dialog->result() != QDialog::Accepted);
        // Typed over with another type's name, it names that type.
        combo("typeCombo")->lineEdit()->selectAll();
        QTest::keyClicks(combo("typeCombo")->lineEdit(), QStringLiteral("Salary"));
        QCOMPARE(dialog->typeId(), book.findType("Salary").id());

        // A comment Big5 can't hold.
        open(TransactionDialog::CreateMode);
        fillCreateFields();
        edit("commentLineEdit")->insert(QStringLiteral("caf\u00e9 \U0001F600"));
        QTest::mouseClick(button("okButton"), Qt::LeftButton);
        QCOMPARE(prompts.warnings.size(), 2);
        QVERIFY(dialog->result() != QDialog::Accepted);
        edit("commentLineEdit")->setText(QString(255, u'c'));
        QTest::mouseClick(button("okButton"), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(prompts.warnings.size(), 2);
    }

    void deleteModesNeverReadTheFields() {
        open(TransactionDialog::DeleteMode);
        choose(combo("indexCombo"), 2);
        edit("commentLineEdit")->insert(QStringLiteral("\U0001F600"));
        QTest::mouseClick(button("okButton"), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(dialog->index(), 3);
        QCOMPARE(prompts.warnings, QStringList());
    }

    void enterAcceptsOnlyWithOkEnabled() {
        open(TransactionDialog::CreateMode);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        QSignalSpy accepted(dialog.get(), &QDialog::accepted);
        QTest::keyClick(edit("moneyLineEdit"), Qt::Key_Return);
        QCOMPARE(accepted.count(), 0);
        QVERIFY(dialog->isVisible());

        fillCreateFields();
        QTest::keyClick(edit("commentLineEdit"), Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
    }

    void cancelKeepsTypeChanges() {
        open(TransactionDialog::CreateMode);
        typeName(QStringLiteral("Rent"));
        QTest::mouseClick(button("addButton"), Qt::LeftButton);
        choose(combo("typeCombo"), 4);
        QTest::mouseClick(button("deleteButton"), Qt::LeftButton);
        QTest::mouseClick(button("cancelButton"), Qt::LeftButton);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(typeNames(), QStringList({"", "Food", "Salary", "Rent"}));
    }
};

QTEST_MAIN(TestTransactionDialog)
#include "test_transactiondialog.moc"
