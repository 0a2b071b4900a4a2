#include <QCalendarWidget>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>

#include "ui/widgets/bookdateedit.h"
#include "ui/widgets/typeddate.h"

namespace {

const QDate today(2026, 12, 8);
const QDate shown(2026, 11, 20);

// The date form of a language, as its translation file gives it.
class DateForm : public QTranslator {
public:
    explicit DateForm(QString form) : form(std::move(form)) {}
    QString translate(const char* context, const char* source, const char*, int) const override {
        return QByteArray(context) == "BookDateEdit" && QByteArray(source) == "y/M/d" ? form : QString();
    }
    bool isEmpty() const override { return false; }

private:
    QString form;
};

}  // namespace

class TestDateBoxes : public QObject {
    Q_OBJECT

private slots:
    // Each language's own form beside year/month/day; "far" and "no" are
    // what is not taken without a word.
    void typedDates_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("read");  // yyyy-MM-dd, "far" or "no"
        const QString de = "d.M.y", en = "y/M/d";
        QTest::newRow("de day first") << de << "28.11.2026"
                                      << "2026-11-28";
        QTest::newRow("de one-digit day") << de << "3.11.2026"
                                          << "2026-11-03";
        QTest::newRow("de two-digit year") << de << "28.11.26"
                                           << "2026-11-28";
        QTest::newRow("de day and month") << de << "28.11."
                                          << "2026-11-28";
        QTest::newRow("de eight digits") << de << "28112026"
                                         << "2026-11-28";
        QTest::newRow("de year first") << de << "2026/11/28"
                                       << "2026-11-28";
        QTest::newRow("de ISO") << de << "2026-11-28"
                                << "2026-11-28";
        QTest::newRow("de slashes day first") << de << "28/11/2026"
                                              << "no";
        QTest::newRow("en day first") << en << "3.11.2026"
                                      << "no";
        QTest::newRow("en year first") << en << "2026/11/28"
                                       << "2026-11-28";
        QTest::newRow("en ISO") << en << "2026-11-28"
                                << "2026-11-28";
        QTest::newRow("en eight digits") << en << "20261128"
                                         << "2026-11-28";
        QTest::newRow("en month and day") << en << "11/28"
                                          << "2026-11-28";
        QTest::newRow("en day alone") << en << "5"
                                      << "2026-11-05";
        QTest::newRow("en year alone") << en << "2025"
                                       << "2025-11-20";
        QTest::newRow("en far year") << en << "2811/02/02"
                                     << "far";
        QTest::newRow("en year 1") << en << "0001/01/01"
                                   << "far";
        QTest::newRow("en no such day") << en << "2026/02/30"
                                        << "no";
        QTest::newRow("en mixed separators") << en << "2026/11-28"
                                             << "no";
        QTest::newRow("en letters") << en << "2026/11/2x"
                                    << "no";
        QTest::newRow("zh year first") << en << "2026.11.28"
                                       << "2026-11-28";
    }
    void typedDates() {
        QFETCH(QString, form);
        QFETCH(QString, typed);
        QFETCH(QString, read);
        const TypedDate date = TypedDate::read(typed, form, shown, today);
        const QString got = date.reading == TypedDate::Reading::NotADate  ? QStringLiteral("no")
                            : date.reading == TypedDate::Reading::FarYear ? QStringLiteral("far")
                                                                          : date.date.toString(Qt::ISODate);
        QCOMPARE(got, read);
    }

    // Through the box: typed over its text after Tab, in German and in
    // English, ended by a key; a refused date says so and keeps the date.
    void typedIntoTheBox_data() {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("ending");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<int>("refusals");
        QTest::newRow("de Tab") << "d.M.y"
                                << "28.11.2026" << int(Qt::Key_Tab) << QDate(2026, 11, 28) << 0;
        QTest::newRow("en Enter") << "y/M/d"
                                  << "2026-11-28" << int(Qt::Key_Return) << QDate(2026, 11, 28) << 0;
        QTest::newRow("en day first") << "y/M/d"
                                      << "3.11.2026" << int(Qt::Key_Return) << QDate(2004, 3, 7) << 1;
        QTest::newRow("far, once") << "y/M/d"
                                   << "2811/2/2" << int(Qt::Key_Return) << QDate(2004, 3, 7) << 1;
        QTest::newRow("Escape") << "y/M/d"
                                << "2026/1" << int(Qt::Key_Escape) << QDate(2004, 3, 7) << 0;
    }
    void typedIntoTheBox() {
        QFETCH(QString, form);
        QFETCH(QString, keys);
        QFETCH(int, ending);
        QFETCH(QDate, date);
        QFETCH(int, refusals);
        DateForm language(form);
        QCoreApplication::installTranslator(&language);
        QWidget window;
        auto* box = new BookDateEdit(QDate(2004, 3, 7), &window);
        auto* next = new QLineEdit(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QSignalSpy refused(box, &BookDateEdit::typingRefused);
        box->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(box, keys);
        QCOMPARE(box->date(), QDate(2004, 3, 7));  // nothing read before the typing ends
        QTest::keyClick(box, Qt::Key(ending));
        QCoreApplication::removeTranslator(&language);
        QCOMPARE(box->date(), date);
        QCOMPARE(refused.count(), refusals);
        // A refused date keeps the focus for mending; a far year is taken
        // when ended again.
        QCOMPARE(next->hasFocus(), ending == Qt::Key_Tab && refusals == 0);
        if (keys.startsWith(u"2811")) {
            QTest::keyClick(box, Qt::Key_Return);
            QCOMPARE(box->date(), QDate(2811, 2, 2));
        }
    }

    void keys_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QDate>("date");  // invalid: the calendar opens
        QTest::newRow("+") << int(Qt::Key_Plus) << 0 << QDate(2026, 3, 1);
        QTest::newRow("-") << int(Qt::Key_Minus) << 0 << QDate(2026, 2, 27);
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << 0 << QDate(2026, 3, 28);
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << 0 << QDate(2026, 1, 28);
        QTest::newRow("T") << int(Qt::Key_T) << 0 << QDate::currentDate();
        QTest::newRow("F4") << int(Qt::Key_F4) << 0 << QDate();
        QTest::newRow("Alt+Down") << int(Qt::Key_Down) << int(Qt::AltModifier) << QDate();
    }
    void keys() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QDate, date);
        BookDateEdit box(QDate(2026, 2, 28));
        box.show();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(box.calendarWidget()->isVisible(), !date.isValid());
        QCOMPARE(box.date(), date.isValid() ? date : QDate(2026, 2, 28));
        // The next digits are a whole date again.
        auto* text = box.findChild<QLineEdit*>();
        if (date.isValid()) QCOMPARE(text->selectedText(), text->text());
    }
};

QTEST_MAIN(TestDateBoxes)
#include "test_dateboxes.moc"
