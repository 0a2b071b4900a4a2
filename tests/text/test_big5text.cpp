#include <QCoreApplication>
#include <QStringDecoder>
#include <QTest>
#include <QTranslator>

#include "text/big5pairtable.h"
#include "text/big5text.h"

namespace {

// Translates one text in the main window's context, as a translation file
// that happens to hold a stored text would.
class FoodTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char* disambiguation, int n) const override {
        Q_UNUSED(disambiguation);
        Q_UNUSED(n);
        if (qstrcmp(context, "MainWindow") == 0 && QString::fromUtf8(sourceText) == QString::fromUtf8("食物"))
            return QStringLiteral("Food");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

const std::string chineseBytes = "\xA4\xA4\xA4\xE5";  // 中文

}  // namespace

class TestBig5Text : public QObject {
    Q_OBJECT

private slots:
    void chineseTextRoundTrips();
    void textBig5LacksIsRefused_data();
    void textBig5LacksIsRefused();
    void byteLimitIsInclusive();
    void zeroByteEndsTheText();
    void damagedTrailingByteStaysInItsText();
    void installedTranslationLeavesStoredTextAsStored();
    void pairTableDecodesAsTheConverterOrRefuses_data();
    void pairTableDecodesAsTheConverterOrRefuses();
};

void TestBig5Text::chineseTextRoundTrips() {
    const QString chinese = QString::fromUtf8("中文");
    QCOMPARE(toBig5(chinese), chineseBytes);
    QVERIFY(fitsBig5(chinese));
    QCOMPARE(fromBig5(chineseBytes), chinese);

    const QString mixed = QString::fromUtf8("Rent 房租 2026");
    QVERIFY(fitsBig5(mixed));
    QCOMPARE(fromBig5(toBig5(mixed)), mixed);
    QVERIFY(fromBig5(std::string()).isEmpty());
}

void TestBig5Text::textBig5LacksIsRefused_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("emoji") << QString::fromUtf8("pay 😀");
    QTest::newRow("latin accent") << QString::fromUtf8("café");
    QTest::newRow("hangul") << QString::fromUtf8("한국");
}

void TestBig5Text::textBig5LacksIsRefused() {
    QFETCH(QString, text);
    QVERIFY(!fitsBig5(text));
}

void TestBig5Text::byteLimitIsInclusive() {
    QVERIFY(fitsBig5(QString(255, u'a')));
    QVERIFY(!fitsBig5(QString(256, u'a')));
    // Two bytes per Chinese character: 127 make 254 bytes, 128 make 256.
    QVERIFY(fitsBig5(QString(127, QChar(0x4E2D))));
    QVERIFY(!fitsBig5(QString(128, QChar(0x4E2D))));
    QVERIFY(fitsBig5(QStringLiteral("abcd"), 4));
    QVERIFY(!fitsBig5(QStringLiteral("abcde"), 4));
}

void TestBig5Text::zeroByteEndsTheText() {
    const QString withZero = QStringLiteral("ab") + QChar(u'\0') + QStringLiteral("cd");
    QCOMPARE(toBig5(withZero), std::string("ab"));
    // Stored, it would silently lose its tail.
    QVERIFY(!fitsBig5(withZero));
    QCOMPARE(fromBig5(std::string("ab\0cd", 5)), QStringLiteral("ab"));
}

void TestBig5Text::damagedTrailingByteStaysInItsText() {
    // A lone lead byte, as a damaged file could hold, must not swallow the
    // first byte of the next text decoded.
    fromBig5(std::string("x\xA4"));
    QCOMPARE(fromBig5(std::string("A")), QStringLiteral("A"));
}

void TestBig5Text::installedTranslationLeavesStoredTextAsStored() {
    const std::string food = toBig5(QString::fromUtf8("食物"));
    QCOMPARE(food, std::string("\xAD\xB9\xAA\xAB"));

    FoodTranslator translator;
    QVERIFY(QCoreApplication::installTranslator(&translator));
    QCOMPARE(QCoreApplication::translate("MainWindow", "食物"), QStringLiteral("Food"));
    QCOMPARE(fromBig5(food), QString::fromUtf8("食物"));
    QVERIFY(QCoreApplication::removeTranslator(&translator));
}

void TestBig5Text::pairTableDecodesAsTheConverterOrRefuses_data() {
    QTest::addColumn<QByteArray>("bytes");
    // Whether the table must read them on its own; the others it may leave to
    // the converter, but what it reads must be what the converter reads.
    QTest::addColumn<bool>("plain");
    QTest::newRow("ASCII") << QByteArray("Weekly shopping\t2") << true;
    QTest::newRow("Chinese among ASCII") << QByteArray("\xA4\xA4\xA4\xE5 and \xAD\xB9") << true;
    QTest::newRow("full-width letters") << QByteArray("\xA2\xCF\xA2\xD0") << true;
    QTest::newRow("lead byte at the end") << QByteArray("abc\xA4") << false;
    QTest::newRow("lead byte before ASCII") << QByteArray(
                                                   "\x81"
                                                   "A")
                                            << false;
    QTest::newRow("bytes no Big5 text holds") << QByteArray("\x80\xFF\xFF") << false;
    QTest::newRow("a trail byte out of range") << QByteArray("\xA4\x7F") << false;
    QTest::newRow("the last pairs") << QByteArray("\xF9\xFE\xFE\xFE\xC8\xA4\xA3\xE1") << false;
}

void TestBig5Text::pairTableDecodesAsTheConverterOrRefuses() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, plain);
    std::u16string text;
    const bool read =
        PwText::Big5PairTable::shared().appendPlain(std::string_view(bytes.constData(), bytes.size()), text);
    if (plain) QVERIFY(read);
    QStringDecoder decoder("Big5", QStringConverter::Flag::Stateless);
    if (read) QCOMPARE(QString::fromStdU16String(text), decoder.decode(bytes));
}

QTEST_GUILESS_MAIN(TestBig5Text)
#include "test_big5text.moc"
