#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "tests/support/scriptedprompts.h"
#include "ui/prompts/dbnamedialog.h"

// The dialog is driven through its widgets, never through exec().
class TestDBNameDialog : public QObject {
    Q_OBJECT

private:
    static QLineEdit* lineEdit(DBNameDialog& dialog) {
        return dialog.findChild<QLineEdit*>(QStringLiteral("dbNameLineEdit"));
    }
    static QPushButton* button(DBNameDialog& dialog, const char* name) {
        return dialog.findChild<QPushButton*>(QString::fromLatin1(name));
    }

private slots:
    void layoutAndTexts() {
        DBNameDialog dialog;
        QVERIFY(lineEdit(dialog));
        QCOMPARE(dialog.findChild<QLabel*>()->text(), QStringLiteral("Enter the database name"));
        QPushButton* ok = button(dialog, "okButton");
        QPushButton* cancel = button(dialog, "cancelButton");
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        QVERIFY(ok->isDefault());
        QVERIFY(!cancel->isDefault());

        // Tab order: the line edit, OK, Cancel.
        QCOMPARE(lineEdit(dialog)->nextInFocusChain(), ok);
        QCOMPARE(ok->nextInFocusChain(), cancel);
    }

    void okWithoutEditingReturnsThePresetName() {
        DBNameDialog dialog;
        dialog.setDBName(QStringLiteral("Household"));
        QCOMPARE(lineEdit(dialog)->text(), QStringLiteral("Household"));
        QTest::mouseClick(button(dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.dbName(), QStringLiteral("Household"));
    }

    // The preset name is selected: typing replaces it, an arrow key first keeps it.
    void typingReplacesThePresetName_data() {
        QTest::addColumn<QString>("preset");
        QTest::addColumn<bool>("toEnd");  // End pressed before typing
        QTest::addColumn<QString>("name");
        QTest::newRow("typed over") << "Household" << false << "Home";
        QTest::newRow("nothing to replace") << "" << false << "Home";
        QTest::newRow("kept, typed after") << "Household" << true << "Household Home";
    }
    void typingReplacesThePresetName() {
        QFETCH(QString, preset);
        QFETCH(bool, toEnd);
        QFETCH(QString, name);
        DBNameDialog dialog;
        dialog.setDBName(preset);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), lineEdit(dialog));
        if (toEnd) QTest::keyClick(lineEdit(dialog), Qt::Key_End);
        QTest::keyClicks(lineEdit(dialog), toEnd ? QStringLiteral(" Home") : QStringLiteral("Home"));
        QCOMPARE(dialog.dbName(), name);
    }

    void typedAndEmptyNamesAreAccepted() {
        DBNameDialog dialog;
        dialog.setDBName(QStringLiteral("Old"));
        lineEdit(dialog)->clear();
        QTest::keyClicks(lineEdit(dialog), QStringLiteral("Home 2024"));
        QTest::mouseClick(button(dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(dialog.dbName(), QStringLiteral("Home 2024"));

        DBNameDialog emptied;
        emptied.setDBName(QStringLiteral("Old"));
        lineEdit(emptied)->clear();
        QTest::mouseClick(button(emptied, "okButton"), Qt::LeftButton);
        QCOMPARE(emptied.result(), int(QDialog::Accepted));
        QCOMPARE(emptied.dbName(), QString());
    }

    // A name the file can't hold gets a warning that says which limit it hit,
    // and the dialog stays open with the text as typed; one just within the
    // limits is taken.
    void onlyStorableNamesAreTaken_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("why");               // empty: taken
        const QString big5 = QStringLiteral("\u4e2d");  // two bytes in Big5
        QTest::newRow("Big5 text") << big5.repeated(127) + QStringLiteral("a") << QString();
        QTest::newRow("255 bytes") << QStringLiteral("a").repeated(255) << QString();
        QTest::newRow("emoji") << QStringLiteral("Home \U0001F600 2024")
                               << QStringLiteral(
                                      "The character \"\U0001F600\" (U+1F600) can't be stored: "
                                      "Big5 has no such character.");
        QTest::newRow("no Big5 form") << QStringLiteral("caf\u00e9")
                                      << QStringLiteral(
                                             "The character \"\u00e9\" (U+00E9) can't be stored: "
                                             "Big5 has no such character.");
        QTest::newRow("256 bytes") << QStringLiteral("a").repeated(256)
                                   << QStringLiteral("The name takes 256 bytes in Big5; at most 255 can be stored.");
        QTest::newRow("128 Big5 characters")
            << big5.repeated(128) << QStringLiteral("The name takes 256 bytes in Big5; at most 255 can be stored.");
    }
    void onlyStorableNamesAreTaken() {
        QFETCH(QString, name);
        QFETCH(QString, why);
        ScriptedPrompts prompts;
        DBNameDialog dialog;
        dialog.setPrompts(&prompts);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy finished(&dialog, &QDialog::finished);
        lineEdit(dialog)->setText(name);
        QTest::mouseClick(button(dialog, "okButton"), Qt::LeftButton);

        QCOMPARE(dialog.dbName(), name);
        if (why.isEmpty()) {
            QCOMPARE(prompts.warnings, QStringList());
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            return;
        }
        QCOMPARE(prompts.warnings, QStringList({"Warning: The name can't be stored in a Pennywell database file."}));
        QCOMPARE(prompts.details, QStringList({why}));
        QCOMPARE(finished.count(), 0);
        QVERIFY(dialog.isVisible());
        QCOMPARE(lineEdit(dialog)->text(), name);
    }

    // In a book of format 2 a name is any text of at most 100 characters
    // but for control characters (the tab aside) and noncharacters.
    void format2NamesKeepThatFormatsLimits_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("why");  // empty: taken
        const QString ideograph = QStringLiteral("\u540d");
        QTest::newRow("emoji") << QStringLiteral("Home \U0001F600 2024") << QString();
        QTest::newRow("German, Japanese, a tab") << QStringLiteral("M\u00fcller\t\u5bb6\u8a08\u7c3f") << QString();
        QTest::newRow("100 characters") << ideograph.repeated(100) << QString();
        QTest::newRow("101 characters") << ideograph.repeated(101)
                                        << QStringLiteral(
                                               "The name is 101 characters long; at most 100 can be stored.");
        QTest::newRow("a control character")
            << QStringLiteral("a\u0007b")
            << QStringLiteral(
                   "The character U+0007 can't be stored: a name may hold no control character other than "
                   "the tab, and no code that is no character.");
        QTest::newRow("a noncharacter")
            << QStringLiteral("a\ufffeb")
            << QStringLiteral(
                   "The character U+FFFE can't be stored: a name may hold no control character other than "
                   "the tab, and no code that is no character.");
    }
    void format2NamesKeepThatFormatsLimits() {
        QFETCH(QString, name);
        QFETCH(QString, why);
        ScriptedPrompts prompts;
        DBNameDialog dialog;
        dialog.setPrompts(&prompts);
        dialog.setFormat(2);
        lineEdit(dialog)->setText(name);
        QTest::mouseClick(button(dialog, "okButton"), Qt::LeftButton);

        QCOMPARE(dialog.result(), int(why.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(prompts.warnings,
                 why.isEmpty() ? QStringList() : QStringList({"Warning: The name can't be stored in this database."}));
        QCOMPARE(prompts.details, why.isEmpty() ? QStringList() : QStringList({why}));
    }

    void returnKeyPressesOk() {
        DBNameDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QSignalSpy accepted(&dialog, &QDialog::accepted);
        QTest::keyClick(lineEdit(dialog), Qt::Key_Return);
        QCOMPARE(accepted.count(), 1);
    }

    void cancelEscapeAndClosingReject() {
        DBNameDialog cancelled;
        cancelled.setDBName(QStringLiteral("Kept"));
        QSignalSpy rejected(&cancelled, &QDialog::rejected);
        QTest::mouseClick(button(cancelled, "cancelButton"), Qt::LeftButton);
        QCOMPARE(cancelled.result(), int(QDialog::Rejected));
        QCOMPARE(rejected.count(), 1);

        DBNameDialog escaped;
        escaped.show();
        QVERIFY(QTest::qWaitForWindowExposed(&escaped));
        QSignalSpy escapeSpy(&escaped, &QDialog::rejected);
        QTest::keyClick(lineEdit(escaped), Qt::Key_Escape);
        QCOMPARE(escapeSpy.count(), 1);

        DBNameDialog closed;
        closed.show();
        QVERIFY(QTest::qWaitForWindowExposed(&closed));
        QSignalSpy closeSpy(&closed, &QDialog::rejected);
        closed.close();
        QCOMPARE(closeSpy.count(), 1);
        QCOMPARE(closed.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestDBNameDialog)
#include "test_dbnamedialog.moc"
