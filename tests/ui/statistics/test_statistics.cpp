// The analysis dialogs: the rules of the common dialog (the "ALL" row, OK,
// the order of the dates), each report compared whole, and the window's
// three commands.

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <limits>
#include <memory>
#include <vector>

#include "core/accountdb.h"
#include "tests/support/booksupport.h"
#include "tests/support/coretestsupport.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/statisticsupport.h"
#include "ui/charts/chartlauncher.h"
#include "ui/statistics/budgetdialog.h"
#include "ui/statistics/grandtotaldialog.h"
#include "ui/statistics/percentagedialog.h"
#include "ui/window/mainwindow.h"

namespace {

const QDate march1(2004, 3, 1);
const QDate march31(2004, 3, 31);

QList<int> selectedRows(QListWidget* list) {
    QList<int> rows;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->isSelected()) rows << row;
    return rows;
}

QStringList rowTexts(QListWidget* list) {
    QStringList texts;
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
    return texts;
}

// Translates the Big5 type name "food" in the type list's context only.
class NameTranslator : public QTranslator {
public:
    QString translate(const char* context, const char* sourceText, const char*, int) const override {
        if (qstrcmp(context, "StatisticDialog") == 0 && QString::fromUtf8(sourceText) == QString::fromUtf8("食物"))
            return QStringLiteral("Food (translated)");
        return QString();
    }
    bool isEmpty() const override { return false; }
};

constexpr int big = std::numeric_limits<std::int32_t>::max();

QComboBox* rangeCombo(QDialog& dialog) { return dialog.findChild<QComboBox*>(QStringLiteral("rangeCombo")); }

// As the combo box does when the user picks an entry.
void pickRange(QDialog& dialog, const QString& text) {
    QComboBox* combo = rangeCombo(dialog);
    const int index = combo->findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

const QString percentageTotalsHeader = QStringLiteral(
    "<TABLE BORDER=\"5\"><TR><TD>Type</TD><TD>Income</TD><TD>Income Selected Percent</TD><TD>Income Total "
    "Percent</TD><TD>Outgoing</TD><TD>Outgoing Selected Percent</TD><TD>Outgoing Total Percent</TD><TD>Sum</TD>"
    "<TD>Sum Selected Percent</TD><TD>Sum Percent</TD></TR>");

QString percentageTotals(const char* income, const char* outgoing, const char* both) {
    return QStringLiteral(
               "<TABLE BORDER=\"5\"><TR><TD>Total Income</TD><TD>Selected Type Income</TD></TR>%1"
               "<TR><TD>Total Outgoing</TD><TD>Selected Type Outgoing</TD></TR>%2"
               "<TR><TD>Total In&Out</TD><TD>Selected Type In&Out</TD></TR>%3</TABLE>")
        .arg(QString::fromLatin1(income), QString::fromLatin1(outgoing), QString::fromLatin1(both));
}

}  // namespace

class TestStatistics : public QObject {
    Q_OBJECT

private:
    ScriptedPrompts prompts;
    std::vector<std::unique_ptr<QDialog>> dialogs;

    // A dialog of the given kind over db, shown, its reports going to prompts.
    template <typename Dialog>
    Dialog& open(const KestLib::AccountDB& db) {
        auto dialog = std::make_unique<Dialog>();
        dialog->setPrompts(&prompts);
        dialog->setDB(&db);
        ChartLauncher::serve(*dialog, prompts);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get())) qFatal("dialog not shown");
        Dialog& shown = *dialog;
        dialogs.push_back(std::move(dialog));
        return shown;
    }

private slots:
    void init() { prompts = ScriptedPrompts(); }
    void cleanup() {
        dialogs.clear();
        QVERIFY2(prompts.unscripted.isEmpty(), qPrintable(prompts.unscripted.join(", ")));
    }

    void startState() {
        const KestLib::AccountDB fresh = BookBuilder().build();
        GrandTotalDialog& total = open<GrandTotalDialog>(fresh);
        QCOMPARE(total.windowTitle(), QStringLiteral("Grand Total"));
        QCOMPARE(rowTexts(typeList(total)), QStringList({"ALL", ""}));
        QCOMPARE(selectedRows(typeList(total)), QList<int>());
        QCOMPARE(rowTexts(inOutList(total)), QStringList({"Income", "Outgoing"}));
        QCOMPARE(selectedRows(inOutList(total)), QList<int>({0, 1}));
        QVERIFY(button(total, "OK")->isEnabled() && button(total, "Close")->isEnabled());
        QCOMPARE(dateEdit(total, "fromDate")->date(), QDate::currentDate());
        QCOMPARE(dateEdit(total, "toDate")->date(), QDate::currentDate());

        QCOMPARE(open<PercentageDialog>(fresh).windowTitle(), QStringLiteral("Percentage Analysis"));

        // The budget counts both directions and only shows that.
        BudgetDialog& budget = open<BudgetDialog>(fresh);
        QCOMPARE(budget.windowTitle(), QStringLiteral("Budget Analysis Settings"));
        QCOMPARE(selectedRows(inOutList(budget)), QList<int>({0, 1}));
        QVERIFY(!inOutList(budget)->isEnabled());
        QCOMPARE(dateEdit(budget, "todayDate")->date(), QDate::currentDate());

        // Close ends the dialog's run.
        button(total, "Close")->click();
        QVERIFY(!total.isVisible());
    }

    void allRowRules_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("selected");
        QTest::newRow("ALL selects every row") << QList<int>{0} << QList<int>{0, 1, 2, 3};
        QTest::newRow("clearing ALL clears every row") << QList<int>{0, 0} << QList<int>{};
        QTest::newRow("no row can be cleared under ALL") << QList<int>{0, 2} << QList<int>{0, 1, 2, 3};
        QTest::newRow("ALL cleared after another click") << QList<int>{0, 2, 0} << QList<int>{};
        QTest::newRow("ALL after single rows") << QList<int>{2, 0} << QList<int>{0, 1, 2, 3};
        QTest::newRow("single rows stay single") << QList<int>{1, 3, 2, 1} << QList<int>{2, 3};
    }

    void allRowRules() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, selected);
        const KestLib::AccountDB db = BookBuilder().type("A").type("B").build();
        GrandTotalDialog& dialog = open<GrandTotalDialog>(db);
        for (int row : clicks) clickRow(typeList(dialog), row);
        QCOMPARE(selectedRows(typeList(dialog)), selected);
    }

    void okNeedsADirection() {
        const KestLib::AccountDB db = BookBuilder().build();
        PercentageDialog& dialog = open<PercentageDialog>(db);
        QPushButton* ok = button(dialog, "OK");
        const struct {
            int click;
            bool enabled;
        } steps[] = {{0, true}, {1, false}, {0, true}, {1, true}, {0, true}};
        for (const auto& step : steps) {
            clickRow(inOutList(dialog), step.click);
            QCOMPARE(ok->isEnabled(), step.enabled);
        }
    }

    void datesStayInOrder_data() {
        // Each step sets one editor ("from", "to" or "today"); the budget
        // dialog keeps Today between the other two as well.
        QTest::addColumn<bool>("budget");
        QTest::addColumn<QStringList>("editors");
        QTest::addColumn<QList<QDate>>("dates");
        QTest::addColumn<QList<QDate>>("expected");  // from, to, today
        const QDate d10(2004, 3, 10), d20(2004, 3, 20), d25(2004, 3, 25);
        QTest::newRow("From past To drags To")
            << false << QStringList{"to", "from"} << QList<QDate>{d10, d20} << QList<QDate>{d20, d20};
        QTest::newRow("To before From drags From")
            << false << QStringList{"from", "to"} << QList<QDate>{d20, d10} << QList<QDate>{d10, d10};
        QTest::newRow("equal dates stay")
            << false << QStringList{"to", "from", "to"} << QList<QDate>{d20, d10, d10} << QList<QDate>{d10, d10};
        QTest::newRow("Today before From goes to From")
            << true << QStringList{"to", "from", "today"} << QList<QDate>{d25, d10, march1}
            << QList<QDate>{d10, d25, d10};
        QTest::newRow("Today after To goes to To") << true << QStringList{"to", "from", "today"}
                                                   << QList<QDate>{d25, d10, march31} << QList<QDate>{d10, d25, d25};
        QTest::newRow("From past Today drags Today and To")
            << true << QStringList{"to", "from", "today", "from"} << QList<QDate>{d20, d10, d10, d25}
            << QList<QDate>{d25, d25, d25};
        QTest::newRow("To before Today drags Today and From")
            << true << QStringList{"to", "from", "today", "to"} << QList<QDate>{d25, d10, d20, march1}
            << QList<QDate>{march1, march1, march1};
    }

    void datesStayInOrder() {
        QFETCH(bool, budget);
        QFETCH(QStringList, editors);
        QFETCH(QList<QDate>, dates);
        QFETCH(QList<QDate>, expected);
        const KestLib::AccountDB db = BookBuilder().build();
        QDialog& dialog = budget ? static_cast<QDialog&>(open<BudgetDialog>(db)) : open<GrandTotalDialog>(db);
        for (qsizetype k = 0; k < editors.size(); ++k)
            dateEdit(dialog, qPrintable(editors[k] + "Date"))->setDate(dates[k]);
        QCOMPARE(dateEdit(dialog, "fromDate")->date(), expected[0]);
        QCOMPARE(dateEdit(dialog, "toDate")->date(), expected[1]);
        if (budget) QCOMPARE(dateEdit(dialog, "todayDate")->date(), expected[2]);
    }

    void quickRangesSetTheDates_data() {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<bool>("emptyBook");
        QTest::addColumn<QString>("range");
        QTest::addColumn<QList<QDate>>("expected");  // from, to, the budget's today
        const QDate march10(2004, 3, 10);
        const QDate bookFirst(2003, 11, 2), bookLast(2004, 5, 6);
        QTest::newRow("this month") << march10 << false << "This month" << QList<QDate>{march1, march31, march10};
        QTest::newRow("last month, a leap February")
            << march10 << false << "Last month" << QList<QDate>{{2004, 2, 1}, {2004, 2, 29}, {2004, 2, 29}};
        QTest::newRow("last month, over the year's end") << QDate(2005, 1, 15) << false << "Last month"
                                                         << QList<QDate>{{2004, 12, 1}, {2004, 12, 31}, {2004, 12, 31}};
        QTest::newRow("this year") << march10 << false << "This year"
                                   << QList<QDate>{{2004, 1, 1}, {2004, 12, 31}, march10};
        QTest::newRow("last year") << march10 << false << "Last year"
                                   << QList<QDate>{{2003, 1, 1}, {2003, 12, 31}, {2003, 12, 31}};
        QTest::newRow("whole book, today in it")
            << march10 << false << "Whole book" << QList<QDate>{bookFirst, bookLast, march10};
        QTest::newRow("whole book, today after it")
            << QDate(2006, 1, 1) << false << "Whole book" << QList<QDate>{bookFirst, bookLast, bookLast};
        // Nothing to span: the dates stay where they were.
        const QDate start(2010, 6, 15);
        QTest::newRow("whole book of an empty book")
            << march10 << true << "Whole book" << QList<QDate>{start, start, start};
    }

    void quickRangesSetTheDates() {
        QFETCH(QDate, today);
        QFETCH(bool, emptyBook);
        QFETCH(QString, range);
        QFETCH(QList<QDate>, expected);
        // Out of order, with a date no calendar has, as only a damaged file holds.
        const KestLib::AccountDB db = emptyBook ? BookBuilder().type("Pay").build()
                                                : BookBuilder()
                                                      .income("Pay", 1, 2004, 1, 1)
                                                      .income("Pay", 1, 2004, 5, 6)
                                                      .outgoing("Rent", 1, 2003, 11, 2)
                                                      .outgoing("Rent", 1, 2002, 2, 30)
                                                      .build();
        for (bool budget : {false, true}) {
            QDialog& dialog = budget ? static_cast<QDialog&>(open<BudgetDialog>(db)) : open<PercentageDialog>(db);
            static_cast<StatisticDialog&>(dialog).setToday(today);
            // Starting after every range, so that each date is moved past the other.
            setRange(dialog, QDate(2010, 6, 15), QDate(2010, 6, 15));
            if (budget) dateEdit(dialog, "todayDate")->setDate(QDate(2010, 6, 15));
            QCOMPARE(rangeCombo(dialog)->currentIndex(), -1);
            pickRange(dialog, range);
            QCOMPARE(dateEdit(dialog, "fromDate")->date(), expected[0]);
            QCOMPARE(dateEdit(dialog, "toDate")->date(), expected[1]);
            if (budget) QCOMPARE(dateEdit(dialog, "todayDate")->date(), expected[2]);
            QCOMPARE(rangeCombo(dialog)->currentText(), emptyBook ? QString() : range);
            // A date set by hand is a range of the user's own again.
            dateEdit(dialog, "fromDate")->setDate(QDate(2001, 1, 1));
            QCOMPARE(rangeCombo(dialog)->currentIndex(), -1);
        }
    }

    // Every date box of every analysis takes every date a book's dates are
    // written with, and a whole date typed as it is shown.
    void datesOverTheWholeRange() {
        const KestLib::AccountDB db =
            BookBuilder().income("Pay", 7, 1700, 1, 1).income("Pay", 1000, 2004, 3, 1).build();
        for (QDialog* dialog : std::initializer_list<QDialog*>{&open<GrandTotalDialog>(db), &open<PercentageDialog>(db),
                                                               &open<BudgetDialog>(db)})
            for (QDateEdit* box : dialog->findChildren<QDateEdit*>())
                QCOMPARE(std::pair(box->minimumDate(), box->maximumDate()),
                         std::pair(QDate(1, 1, 1), QDate(9999, 12, 31)));

        GrandTotalDialog& total = open<GrandTotalDialog>(db);
        for (auto [name, typed] : {std::pair("fromDate", "1700/01/01"), std::pair("toDate", "1700/12/31")}) {
            QTest::keyClick(dateEdit(total, name), Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(dateEdit(total, name), QString::fromLatin1(typed));
            // Far from today: taken when ended twice.
            QTest::keyClick(dateEdit(total, name), Qt::Key_Return);
            QTest::keyClick(dateEdit(total, name), Qt::Key_Return);
        }
        QCOMPARE(dateEdit(total, "fromDate")->date(), QDate(1700, 1, 1));
        chooseTypes(total, {"ALL"});
        QCOMPARE(total.reportText(), QStringLiteral("Income: 7"));
    }

    void grandTotalReports() {
        // In range on both bounds, and the same again a day outside each.
        auto book = [](int income, int outgoing) {
            return BookBuilder()
                .income("Pay", income, 2004, 3, 1)
                .outgoing("Food", outgoing, 2004, 3, 31)
                .income("Pay", 1000, 2004, 2, 29)
                .outgoing("Food", 1000, 2004, 4, 1)
                .build();
        };
        const struct {
            KestLib::AccountDB db;
            QStringList types;
            Direction direction;
            QString report;
        } cases[] = {
            {book(100, 30), {"ALL"}, Direction::Both, "Income: 70"},
            {book(100, 30), {"ALL"}, Direction::Outgoing, "Outgoing: 30"},
            {book(100, 30), {"ALL"}, Direction::Income, "Income: 100"},
            {book(100, 30), {"Food"}, Direction::Both, "Outgoing: 30"},
            {book(100, 30), {}, Direction::Both, "Income: 0"},
            {book(30, 100), {"Pay", "Food"}, Direction::Both, "Outgoing: 70"},
            {book(50, 50), {"ALL"}, Direction::Both, "Income: 0"},
            {book(big, 0), {"Pay"}, Direction::Income, "Income: 2147483647"},
            {BookBuilder().income("Pay", big).income("Pay", big).income("Pay", big).build(),
             {"ALL"},
             Direction::Both,
             "Income: 6442450941"},
        };
        for (const auto& c : cases) {
            GrandTotalDialog& dialog = open<GrandTotalDialog>(c.db);
            setRange(dialog, march1, march31);
            chooseTypes(dialog, c.types);
            chooseDirection(dialog, c.direction);
            QCOMPARE(dialog.reportText(), c.report);
            dialogs.clear();
        }
    }

    void percentageReports() {
        const struct {
            const char* name;
            KestLib::AccountDB db;
            QStringList types;
            Direction direction;
            QString report;
        } cases[] = {
            {"incomes of 100 and 200",
             BookBuilder().income("A", 100, 2004, 3, 1).income("B", 200, 2004, 3, 31).build(),
             {"A", "B"},
             Direction::Both,
             percentageTotals("<TR><TD>300</TD><TD>300</TD></TR>", "<TR><TD>0</TD><TD>0</TD></TR>",
                              "<TR><TD>300</TD><TD>300</TD></TR>") +
                 percentageTotalsHeader +
                 "<TR><TD>A</TD><TD>100</TD><TD>33.3333%</TD><TD>33.3333%</TD><TD>0</TD><TD>0%</TD><TD>0%</TD>"
                 "<TD>100</TD><TD>33.3333%</TD><TD>33.3333%</TD></TR>"
                 "<TR><TD>B</TD><TD>200</TD><TD>66.6667%</TD><TD>66.6667%</TD><TD>0</TD><TD>0%</TD><TD>0%</TD>"
                 "<TD>200</TD><TD>66.6667%</TD><TD>66.6667%</TD></TR></TABLE>"},
            {"a third type, not chosen",
             BookBuilder().income("A", 100).income("B", 200).income("C", 300).income("C", 5, 2004, 4, 1).build(),
             {"A", "B"},
             Direction::Both,
             percentageTotals("<TR><TD>600</TD><TD>300</TD></TR>", "<TR><TD>0</TD><TD>0</TD></TR>",
                              "<TR><TD>600</TD><TD>300</TD></TR>") +
                 percentageTotalsHeader +
                 "<TR><TD>A</TD><TD>100</TD><TD>33.3333%</TD><TD>16.6667%</TD><TD>0</TD><TD>0%</TD><TD>0%</TD>"
                 "<TD>100</TD><TD>33.3333%</TD><TD>16.6667%</TD></TR>"
                 "<TR><TD>B</TD><TD>200</TD><TD>66.6667%</TD><TD>33.3333%</TD><TD>0</TD><TD>0%</TD><TD>0%</TD>"
                 "<TD>200</TD><TD>66.6667%</TD><TD>33.3333%</TD></TR></TABLE>"},
            {"outgoing only, one type empty",
             BookBuilder().outgoing("A", 30).outgoing("B", 10).type("C").build(),
             {"A", "C"},
             Direction::Outgoing,
             percentageTotals("<TR><TD>0</TD><TD>0</TD></TR>", "<TR><TD>40</TD><TD>30</TD></TR>",
                              "<TR><TD>40</TD><TD>30</TD></TR>") +
                 percentageTotalsHeader +
                 "<TR><TD>A</TD><TD>0</TD><TD>0%</TD><TD>0%</TD><TD>30</TD><TD>100%</TD><TD>75%</TD>"
                 "<TD>30</TD><TD>100%</TD><TD>75%</TD></TR>"
                 "<TR><TD>C</TD><TD>0</TD><TD>0%</TD><TD>0%</TD><TD>0</TD><TD>0%</TD><TD>0%</TD>"
                 "<TD>0</TD><TD>0%</TD><TD>0%</TD></TR></TABLE>"},
            {"names shown as written, sums past 32 bits",
             BookBuilder().income("<b>", big).income("<b>", big).outgoing("R&D", big).build(),
             {"<b>", "R&D"},
             Direction::Both,
             percentageTotals("<TR><TD>4294967294</TD><TD>4294967294</TD></TR>",
                              "<TR><TD>2147483647</TD><TD>2147483647</TD></TR>",
                              "<TR><TD>6442450941</TD><TD>6442450941</TD></TR>") +
                 percentageTotalsHeader +
                 "<TR><TD>&lt;b&gt;</TD><TD>4294967294</TD><TD>100%</TD><TD>100%</TD><TD>0</TD><TD>0%</TD>"
                 "<TD>0%</TD><TD>4294967294</TD><TD>66.6667%</TD><TD>66.6667%</TD></TR>"
                 "<TR><TD>R&amp;D</TD><TD>0</TD><TD>0%</TD><TD>0%</TD><TD>2147483647</TD><TD>100%</TD>"
                 "<TD>100%</TD><TD>2147483647</TD><TD>33.3333%</TD><TD>33.3333%</TD></TR></TABLE>"},
        };
        for (const auto& c : cases) {
            PercentageDialog& dialog = open<PercentageDialog>(c.db);
            setRange(dialog, march1, march31);
            chooseTypes(dialog, c.types);
            chooseDirection(dialog, c.direction);
            const QString report = dialog.reportText();
            QVERIFY2(report == c.report,
                     qPrintable(QStringLiteral("%1\n  got: %2\n want: %3").arg(c.name, report, c.report)));
            dialogs.clear();
        }
    }

    void budgetReports() {
        const KestLib::AccountDB march2004 = BookBuilder()
                                                 .income("Food", 3000, 2004, 3, 1)
                                                 .outgoing("Food", 1000, 2004, 3, 5)
                                                 .outgoing("Food", 500, 2004, 3, 10)
                                                 .outgoing("Food", 200, 2004, 3, 20)
                                                 .income("Food", 700, 2004, 2, 29)
                                                 .type("Rent")
                                                 .build();
        const KestLib::AccountDB overspent = BookBuilder()
                                                 .income("<b>", 100, 2004, 3, 1)
                                                 .outgoing("<b>", 200, 2004, 3, 2)
                                                 .income("Big", big, 2004, 3, 1)
                                                 .income("Big", big, 2004, 3, 1)
                                                 .build();
        // Its type name in UTF-8, as a book of format 2 stores it.
        const KestLib::AccountDB format2 = BookSupport::makeFormat2Book(
            "", {{2004, 3, 1, true, 3000, "食費 🍱", ""}, {2004, 3, 5, false, 1000, "食費 🍱", ""}});
        const QString header = QStringLiteral(
            "<TABLE BORDER=\"5\"><TR><TD>Type</TD><TD>Budget</TD><TD>Outgoing</TD><TD>Ramain</TD>"
            "<TD>Average Ramain per Day (%1 day(s))</TD></TR>");
        const struct {
            const char* name;
            const KestLib::AccountDB& db;
            QStringList types;
            QDate to, today;
            QString report;
        } cases[] = {
            {"March 2004",
             march2004,
             {"Food"},
             march31,
             QDate(2004, 3, 10),
             "<P>From: 2004/03/01</P><P>To: 2004/03/31</P><P>Today: 2004/03/10</P>" + header.arg(22) +
                 "<TR><TD>Food</TD><TD>3000</TD><TD>1500</TD><TD>1500</TD><TD>68</TD></TR></TABLE><P></P>"
                 "<TABLE BORDER=\"5\"><TR><TD>Total Budget</TD><TD>3000</TD><TD>Total Outgoing</TD><TD>1500</TD>"
                 "<TR><TD>Total Remain</TD><TD>1500</TD><TD>Average Remain per Day (22 Day(s))</TD><TD>68</TD>"
                 "</TR></TABLE>"},
            {"overspent, truncated toward zero",
             overspent,
             {"<b>"},
             march31,
             QDate(2004, 3, 29),
             "<P>From: 2004/03/01</P><P>To: 2004/03/31</P><P>Today: 2004/03/29</P>" + header.arg(3) +
                 "<TR><TD>&lt;b&gt;</TD><TD>100</TD><TD>200</TD><TD>-100</TD><TD>-33</TD></TR></TABLE><P></P>"
                 "<TABLE BORDER=\"5\"><TR><TD>Total Budget</TD><TD>100</TD><TD>Total Outgoing</TD><TD>200</TD>"
                 "<TR><TD>Total Remain</TD><TD>-100</TD><TD>Average Remain per Day (3 Day(s))</TD><TD>-33</TD>"
                 "</TR></TABLE>"},
            {"Today on To, sums past 32 bits",
             overspent,
             {"<b>", "Big"},
             QDate(2004, 3, 2),
             QDate(2004, 3, 2),
             "<P>From: 2004/03/01</P><P>To: 2004/03/02</P><P>Today: 2004/03/02</P>" + header.arg(1) +
                 "<TR><TD>&lt;b&gt;</TD><TD>100</TD><TD>200</TD><TD>-100</TD><TD>-100</TD></TR>"
                 "<TR><TD>Big</TD><TD>4294967294</TD><TD>0</TD><TD>4294967294</TD><TD>4294967294</TD></TR>"
                 "</TABLE><P></P><TABLE BORDER=\"5\"><TR><TD>Total Budget</TD><TD>4294967394</TD>"
                 "<TD>Total Outgoing</TD><TD>200</TD><TR><TD>Total Remain</TD><TD>4294967194</TD>"
                 "<TD>Average Remain per Day (1 Day(s))</TD><TD>4294967194</TD></TR></TABLE>"},
            {"a type name of format 2",
             format2,
             {"食費 🍱"},
             march31,
             QDate(2004, 3, 10),
             "<P>From: 2004/03/01</P><P>To: 2004/03/31</P><P>Today: 2004/03/10</P>" + header.arg(22) +
                 "<TR><TD>食費 🍱</TD><TD>3000</TD><TD>1000</TD><TD>2000</TD><TD>90</TD></TR></TABLE><P></P>"
                 "<TABLE BORDER=\"5\"><TR><TD>Total Budget</TD><TD>3000</TD><TD>Total Outgoing</TD><TD>1000</TD>"
                 "<TR><TD>Total Remain</TD><TD>2000</TD><TD>Average Remain per Day (22 Day(s))</TD><TD>90</TD>"
                 "</TR></TABLE>"},
        };
        for (const auto& c : cases) {
            BudgetDialog& dialog = open<BudgetDialog>(c.db);
            setRange(dialog, march1, c.to);
            dateEdit(dialog, "todayDate")->setDate(c.today);
            chooseTypes(dialog, c.types);
            const QString report = dialog.reportText();
            QVERIFY2(report == c.report,
                     qPrintable(QStringLiteral("%1\n  got: %2\n want: %3").arg(c.name, report, c.report)));
            dialogs.clear();
        }
    }

    // Each report of a book of cents writes its amounts as the table does, in
    // the language's mark; the percentages are those of whole units.
    void reportsOfABookWithDecimals_data() {
        QTest::addColumn<QLocale>("language");
        QTest::addColumn<QString>("mark");
        QTest::newRow("English") << QLocale(QLocale::English) << ".";
        QTest::newRow("German") << QLocale(QLocale::German) << ",";
        QTest::newRow("Chinese") << QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan)
                                 << ".";
    }
    void reportsOfABookWithDecimals() {
        QFETCH(QLocale, language);
        QFETCH(QString, mark);
        QLocale::setDefault(language);
        const KestLib::AccountDB db = BookBuilder()
                                          .inFormat2(2)
                                          .income("Pay", 123456, 2004, 3, 1)
                                          .income("Food", 3000, 2004, 3, 1)
                                          .outgoing("Food", 1265, 2004, 3, 5)
                                          .outgoing("Food", 15, 2004, 3, 10)
                                          .outgoing("Food", 99999, 2004, 4, 1)
                                          .build();
        const auto marked = [&mark](QString text) { return text.replace(QStringLiteral("#"), mark); };

        GrandTotalDialog& total = open<GrandTotalDialog>(db);
        setRange(total, march1, march31);
        chooseTypes(total, {"ALL"});
        QCOMPARE(total.reportText(), marked("Income: 1251#76"));
        chooseDirection(total, Direction::Outgoing);
        QCOMPARE(total.reportText(), marked("Outgoing: 12#80"));

        PercentageDialog& percentage = open<PercentageDialog>(db);
        setRange(percentage, march1, march31);
        chooseTypes(percentage, {"Pay", "Food"});
        QCOMPARE(percentage.reportText(),
                 marked(percentageTotals("<TR><TD>1264#56</TD><TD>1264#56</TD></TR>",
                                         "<TR><TD>12#80</TD><TD>12#80</TD></TR>",
                                         "<TR><TD>1277#36</TD><TD>1277#36</TD></TR>") +
                        percentageTotalsHeader +
                        "<TR><TD>Pay</TD><TD>1234#56</TD><TD>97.6276%</TD><TD>97.6276%</TD><TD>0#00</TD><TD>0%</TD>"
                        "<TD>0%</TD><TD>1234#56</TD><TD>96.6493%</TD><TD>96.6493%</TD></TR>"
                        "<TR><TD>Food</TD><TD>30#00</TD><TD>2.37237%</TD><TD>2.37237%</TD><TD>12#80</TD><TD>100%</TD>"
                        "<TD>100%</TD><TD>42#80</TD><TD>3.35066%</TD><TD>3.35066%</TD></TR></TABLE>"));

        // 17.20 over 22 days is 0.78 a day, the part of a cent left out.
        BudgetDialog& budget = open<BudgetDialog>(db);
        setRange(budget, march1, march31);
        dateEdit(budget, "todayDate")->setDate(QDate(2004, 3, 10));
        chooseTypes(budget, {"Food"});
        QCOMPARE(budget.reportText(),
                 marked("<P>From: 2004/03/01</P><P>To: 2004/03/31</P><P>Today: 2004/03/10</P>"
                        "<TABLE BORDER=\"5\"><TR><TD>Type</TD><TD>Budget</TD><TD>Outgoing</TD><TD>Ramain</TD>"
                        "<TD>Average Ramain per Day (22 day(s))</TD></TR>"
                        "<TR><TD>Food</TD><TD>30#00</TD><TD>12#80</TD><TD>17#20</TD><TD>0#78</TD></TR></TABLE><P></P>"
                        "<TABLE BORDER=\"5\"><TR><TD>Total Budget</TD><TD>30#00</TD><TD>Total Outgoing</TD>"
                        "<TD>12#80</TD><TR><TD>Total Remain</TD><TD>17#20</TD>"
                        "<TD>Average Remain per Day (22 Day(s))</TD><TD>0#78</TD></TR></TABLE>"));
        dialogs.clear();
        QLocale::setDefault(QLocale::c());
    }

    void typeRowsFindTheirTypeById() {
        // A translation that happens to hold a stored type name: the row
        // shows the name as stored, and stands for its type.
        NameTranslator translator;
        QVERIFY(QCoreApplication::installTranslator(&translator));
        const std::string food = "\xAD\xB9\xAA\xAB";  // Big5 for "food"
        const KestLib::AccountDB db = BookBuilder().income(food, 5, 2004, 3, 1).type("Other").build();
        GrandTotalDialog& dialog = open<GrandTotalDialog>(db);
        setRange(dialog, march1, march31);
        QCOMPARE(rowTexts(typeList(dialog)), QStringList({"ALL", "", QString::fromUtf8("食物"), "Other"}));
        clickRow(typeList(dialog), 2);
        QCOMPARE(dialog.reportText(), QStringLiteral("Income: 5"));
        QVERIFY(QCoreApplication::removeTranslator(&translator));
    }

    void okShowsTheReportOrAWarning() {
        KestLib::AccountDB db = BookBuilder().income("Pay", 70).type("Gone").build();
        GrandTotalDialog& dialog = open<GrandTotalDialog>(db);
        setRange(dialog, march1, march31);
        clickRow(typeList(dialog), 2);
        button(dialog, "OK")->click();
        QCOMPARE(prompts.reports, QStringList({"Grand Total: Income: 70"}));

        // A type that left the database after it was listed.
        db.deleteType(db.findType("Gone"));
        clickRow(typeList(dialog), 3);
        button(dialog, "OK")->click();
        QCOMPARE(prompts.warnings, QStringList({"Warning: No transaction type"}));
        QCOMPARE(prompts.reports.size(), 1);
        QVERIFY(dialog.isVisible());
    }

    void windowCommandsOpenTheirAnalyses_data() {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QKeySequence>("shortcut");
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("caption");
        QTest::newRow("grand total") << "grandTotalAct" << QKeySequence("Ctrl+G") << "GrandTotalDialog"
                                     << "Grand Total";
        QTest::newRow("budget") << "budgetAct" << QKeySequence("Ctrl+B") << "BudgetDialog"
                                << "Budget Analysis";
        QTest::newRow("percentage") << "percentageAct" << QKeySequence("Ctrl+P") << "PercentageDialog"
                                    << "Percentage Analysis";
    }

    void windowCommandsOpenTheirAnalyses() {
        QFETCH(QString, action);
        QFETCH(QKeySequence, shortcut);
        QFETCH(QString, dialog);
        QFETCH(QString, caption);
        QApplication::setQuitOnLastWindowClosed(false);
        QTemporaryDir folder;
        std::string path = QFile::encodeName(folder.filePath("book.pwdb")).toStdString();
        BookBuilder().income("Pay", 100, 2004, 3, 1).outgoing("Food", 30, 2004, 3, 31).db.saveFile(path);

        MainWindow window;
        window.setPrompts(&prompts);
        window.initWindow();
        window.openFile(QFile::decodeName(path.c_str()));
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.findChild<QAction*>(action)->shortcut(), shortcut);

        QString shownText;
        prompts.dialogScripts.push_back([&](QDialog& shown) {
            setRange(shown, march1, march31);
            clickRow(typeList(shown), 0);
            button(shown, "OK")->click();
            shownText = prompts.reports.value(0);
            return false;
        });
        QTest::keySequence(&window, shortcut);
        QCOMPARE(prompts.asked.first(), "dialog: " + dialog);
        QCOMPARE(prompts.reports.size(), 1);
        QVERIFY(prompts.reports.first().startsWith(caption + ": "));
        if (dialog == "GrandTotalDialog") QCOMPARE(prompts.reports.first(), QStringLiteral("Grand Total: Income: 70"));
        // Only read: the book is as it was loaded.
        QVERIFY(!window.database().isModified());
    }

    // The range box comes first; the next analysis of the window offers the
    // range and types chosen in the last, the first starts afresh.
    void lastChoicesOfferedAgain() {
        QApplication::setQuitOnLastWindowClosed(false);
        QTemporaryDir folder;
        std::string path = QFile::encodeName(folder.filePath("book.pwdb")).toStdString();
        BookBuilder().income("Pay", 100, 2004, 3, 1).outgoing("Food", 30, 2004, 3, 31).db.saveFile(path);
        MainWindow window;
        window.setPrompts(&prompts);
        window.initWindow();
        window.openFile(QFile::decodeName(path.c_str()));
        QStringList seen;
        for (int run = 0; run < 2; ++run)
            prompts.dialogScripts.push_back([&](QDialog& shown) {
                shown.show();
                QWidget* next = shown.focusWidget()->nextInFocusChain();
                while (next->objectName().isEmpty()) next = next->nextInFocusChain();
                seen << shown.focusWidget()->objectName() + ' ' + next->objectName() + ' ' +
                            rangeCombo(shown)->currentText() + ' ' +
                            QString::number(selectedRows(typeList(shown)).size()) + ' ' +
                            dateEdit(shown, "fromDate")->date().toString(Qt::ISODate);
                pickRange(shown, QStringLiteral("Whole book"));
                clickRow(typeList(shown), 2);
                button(shown, "Close")->click();
                return false;
            });
        window.findChild<QAction*>(QStringLiteral("budgetAct"))->trigger();
        window.findChild<QAction*>(QStringLiteral("percentageAct"))->trigger();
        QCOMPARE(seen, QStringList({"rangeCombo fromDate  0 " + QDate::currentDate().toString(Qt::ISODate),
                                    "rangeCombo fromDate Whole book 1 2004-03-01"}));
    }
};

QTEST_MAIN(TestStatistics)
#include "test_statistics.moc"
