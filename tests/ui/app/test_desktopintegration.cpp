#include <QDir>
#include <QIcon>
#include <QTest>

#include "ui/app/appidentity.h"
#include "ui/book/bookpath.h"

class TestDesktopIntegration : public QObject {
    Q_OBJECT

private slots:
    void bookArgumentsAsPathsOrFileUrls_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QByteArray>("expected");  // the path's bytes
        QTest::newRow("absolute path") << "/home/u/money.pwdb" << QByteArray("/home/u/money.pwdb");
        QTest::newRow("relative path") << "money.pwdb" << QByteArray("money.pwdb");
        QTest::newRow("path with a percent sign") << "/tmp/50%25.pwdb" << QByteArray("/tmp/50%25.pwdb");
        QTest::newRow("file URL") << "file:///home/u/money.pwdb" << QByteArray("/home/u/money.pwdb");
        QTest::newRow("escaped space") << "file:///home/u/my%20money.pwdb" << QByteArray("/home/u/my money.pwdb");
        QTest::newRow("escaped UTF-8") << "file:///tmp/%E5%B8%B3.pwdb"
                                       << QString::fromUtf8("/tmp/\u5e33.pwdb").toUtf8();
        QTest::newRow("escaped hash") << "file:///tmp/a%23b.pwdb" << QByteArray("/tmp/a#b.pwdb");
        QTest::newRow("scheme in capitals") << "FILE:///tmp/a.pwdb" << QByteArray("/tmp/a.pwdb");
        QTest::newRow("localhost") << "file://localhost/tmp/a.pwdb" << QByteArray("/tmp/a.pwdb");
        QTest::newRow("escaped Big5 byte for byte") << "file:///tmp/%B1b.pwdb"
                                                    << QByteArray(
                                                           "/tmp/\xb1"
                                                           "b.pwdb");
        // Not a local file: left as given, so opening it fails under its own name.
        QTest::newRow("another host") << "file://server/share/a.pwdb" << QByteArray("file://server/share/a.pwdb");
        QTest::newRow("not a file URL") << "https://example.org/a.pwdb" << QByteArray("https://example.org/a.pwdb");
    }

    void bookArgumentsAsPathsOrFileUrls() {
        QFETCH(QString, argument);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(BookPath::fromArgument(argument.toUtf8().constData()).bytes()), expected);
    }

    void iconHasEveryRenderedSize() {
        const QIcon icon = applicationIcon();
        QVERIFY(!icon.isNull());
        const QList<QSize> sizes = icon.availableSizes();
        for (const int size : {16, 32, 48, 256})
            QVERIFY2(sizes.contains(QSize(size, size)), qPrintable(QString::number(size)));
        // Drawn, not blank: the centre of the coin is opaque.
        const QImage image = icon.pixmap(QSize(64, 64)).toImage();
        QCOMPARE(image.size(), QSize(64, 64));
        QVERIFY(qAlpha(image.pixel(32, 18)) == 255);
        QCOMPARE(applicationId(), QStringLiteral("io.github.pennywell.Pennywell"));
    }
};

QTEST_MAIN(TestDesktopIntegration)
#include "test_desktopintegration.moc"
