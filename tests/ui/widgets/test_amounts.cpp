// A book's amounts as the window writes and reads them, and what the amount
// box takes, at 0, 2 and 3 decimals in each language of the interface.

#include <QLocale>
#include <QRegularExpressionValidator>
#include <QTest>
#include <QValidator>
#include <memory>

#include "ui/widgets/amounttext.h"
#include "ui/widgets/amountvalidator.h"

namespace {

const QList<QLocale> languages = {QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan)};

// No amount of the rows: what a refused text is compared as.
constexpr qint64 notRead = 42;

}  // namespace

class TestAmounts : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // The written amount in English and Chinese; German has a comma where
    // these have a point. Each reads back in either mark.
    void writtenInTheLanguagesMark_data() {
        QTest::addColumn<qint64>("units");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("written");
        QTest::newRow("whole units as ever") << qint64{1234} << 0 << "1234";
        QTest::newRow("whole, negative") << qint64{-7} << 0 << "-7";
        QTest::newRow("cents") << qint64{1250} << 2 << "12.50";
        QTest::newRow("under one") << qint64{15} << 2 << "0.15";
        QTest::newRow("under one, negative") << qint64{-5} << 2 << "-0.05";
        QTest::newRow("largest the box takes") << qint64{999999999} << 2 << "9999999.99";
        QTest::newRow("thousandths") << qint64{1234567} << 3 << "1234.567";
        QTest::newRow("zero") << qint64{0} << 3 << "0.000";
        QTest::newRow("a balance past 32 bits") << qint64{-123456789012} << 2 << "-1234567890.12";
    }
    void writtenInTheLanguagesMark() {
        QFETCH(qint64, units);
        QFETCH(int, decimals);
        QFETCH(QString, written);
        for (const QLocale& language : languages) {
            QLocale::setDefault(language);
            QString expected = written;
            if (language.language() == QLocale::German) expected.replace(u'.', u',');
            QCOMPARE(AmountText::of(units, decimals), expected);
            QCOMPARE(AmountText::length(units, decimals), expected.size());
            QCOMPARE(AmountText::read(expected, decimals).value_or(notRead), units);
            QString otherMark = expected;
            otherMark.replace(u',', u'#').replace(u'.', u',').replace(u'#', u'.');
            QCOMPARE(AmountText::read(otherMark, decimals).value_or(notRead), units);
        }
    }

    void readRefusesWhatIsNoAmount_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("decimals");
        QTest::newRow("two marks") << "1.234,50" << 2;
        QTest::newRow("finer than the book") << "12.505" << 2;
        QTest::newRow("a fraction in a book of whole units") << "12.5" << 0;
        QTest::newRow("mark alone") << "," << 2;
        QTest::newRow("a space") << "12 50" << 2;
        QTest::newRow("full-width digits") << QString::fromUtf8("１２") << 0;
        QTest::newRow("empty") << "" << 2;
    }
    void readRefusesWhatIsNoAmount() {
        QFETCH(QString, typed);
        QFETCH(int, decimals);
        QVERIFY(!AmountText::read(typed, decimals));
    }

    // In every language either mark is taken; nine digits of minor units
    // at most, so that 9,999,999.99 is the most at 2 decimals.
    void theBoxTakesTheBooksDecimals_data() {
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("state");
        const int ok = QValidator::Acceptable, typing = QValidator::Intermediate, no = QValidator::Invalid;
        QTest::newRow("0: whole") << 0 << "120" << ok;
        QTest::newRow("0: nine nines") << 0 << "999999999" << ok;
        QTest::newRow("0: ten digits") << 0 << "1000000000" << no;
        QTest::newRow("0: a point") << 0 << "12.5" << no;
        QTest::newRow("0: a comma") << 0 << "12,5" << no;
        QTest::newRow("0: leading zero") << 0 << "012" << no;
        QTest::newRow("0: zero") << 0 << "0" << no;
        QTest::newRow("2: point") << 2 << "12.50" << ok;
        QTest::newRow("2: comma") << 2 << "12,50" << ok;
        QTest::newRow("2: one decimal") << 2 << "12,5" << ok;
        QTest::newRow("2: whole") << 2 << "12" << ok;
        QTest::newRow("2: a cent") << 2 << "0,01" << ok;
        QTest::newRow("2: the most") << 2 << "9999999.99" << ok;
        QTest::newRow("2: past the most") << 2 << "10000000" << no;
        QTest::newRow("2: a third decimal") << 2 << "12.505" << no;
        QTest::newRow("2: mark last") << 2 << "12," << typing;
        QTest::newRow("2: zero") << 2 << "0,00" << typing;
        QTest::newRow("2: zero alone") << 2 << "0" << typing;
        QTest::newRow("2: leading zero") << 2 << "05" << no;
        QTest::newRow("2: mark first") << 2 << ",5" << no;
        QTest::newRow("2: two marks") << 2 << "1.234,5" << no;
        QTest::newRow("2: sign") << 2 << "-1" << no;
        QTest::newRow("2: space") << 2 << "1 2" << no;
        QTest::newRow("3: thousandths") << 3 << "1,234" << ok;
        QTest::newRow("3: the most") << 3 << "999999.999" << ok;
        QTest::newRow("3: past the most") << 3 << "1000000" << no;
        QTest::newRow("3: a fourth decimal") << 3 << "0.0001" << no;
        QTest::newRow("3: a tenth of a cent") << 3 << "0.001" << ok;
    }
    void theBoxTakesTheBooksDecimals() {
        QFETCH(int, decimals);
        QFETCH(QString, typed);
        QFETCH(int, state);
        for (const QLocale& language : languages) {
            QLocale::setDefault(language);
            const std::unique_ptr<QValidator> validator(AmountValidator::forBook(decimals, nullptr));
            QString input = typed;
            int cursor = static_cast<int>(input.size());
            QCOMPARE(int(validator->validate(input, cursor)), state);
        }
    }

    // A book of whole units keeps the box's pattern exactly.
    void wholeUnitsKeepTheirPattern() {
        const std::unique_ptr<QValidator> validator(AmountValidator::forBook(0, nullptr));
        const auto* pattern = qobject_cast<const QRegularExpressionValidator*>(validator.get());
        QVERIFY(pattern);
        QCOMPARE(pattern->regularExpression().pattern(), QStringLiteral("[1-9][0-9]{0,8}"));
    }
};

QTEST_MAIN(TestAmounts)
#include "test_amounts.moc"
