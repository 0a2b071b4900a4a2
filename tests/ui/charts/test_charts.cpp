// The charts: their slices and monthly bars against the analyses' own
// figures, what the window draws from them, the PNG and SVG copies, and the
// three ways in (two report boxes and the window's command).

#include <QAction>
#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPieSeries>
#include <QPieSlice>
#include <QSet>
#include <QTemporaryDir>
#include <QValueAxis>
#include <cmath>
#include <memory>
#include <string>

#include "core/accountdb.h"
#include "tests/support/coretestsupport.h"
#include "tests/support/scriptedprompts.h"
#include "tests/support/statisticsupport.h"
#include "ui/charts/chartdialog.h"
#include "ui/charts/chartlauncher.h"
#include "ui/charts/chartwindow.h"
#include "ui/statistics/grandtotaldialog.h"
#include "ui/statistics/percentagedialog.h"
#include "ui/window/mainwindow.h"

namespace {

const QDate january1(2004, 1, 1);
const QDate march31(2004, 3, 31);

// Types "T1" to "Tn"; Tk has an income of k and an outgoing of 1000 × k in
// the first quarter of 2004, and more on the days just outside it.
KestLib::AccountDB typesOneToN(int n) {
    BookBuilder book;
    for (int k = 1; k <= n; ++k) {
        const std::string name = "T" + std::to_string(k);
        book.income(name, k, 2004, 1 + k % 3, 1 + k % 28)
            .outgoing(name, 1000 * k, 2004, 1 + (k + 1) % 3, 31)
            .income(name, 77, 2003, 12, 31)
            .outgoing(name, 77, 2004, 4, 1);
    }
    return book.build();
}

QString pieText(const ChartData::Pie& pie) {
    QStringList parts;
    for (const ChartData::Slice& slice : pie.slices)
        parts << slice.label + QLatin1Char('=') + QString::number(slice.value);
    return parts.join(QLatin1Char(','));
}

// The pies the in/out choice shows, each on its own.
QString sliceText(const ChartData& data) {
    QStringList pies;
    if (data.showsIncome()) pies << "in: " + pieText(data.incomePie());
    if (data.showsOutgoing()) pies << "out: " + pieText(data.outgoingPie());
    return pies.join(QStringLiteral("; "));
}

KestLib::InOutSelector selectorOf(Direction inOut) {
    return inOut == Direction::Both     ? KestLib::InOutSelector::Both
           : inOut == Direction::Income ? KestLib::InOutSelector::Income
                                        : KestLib::InOutSelector::Outgoing;
}

// Lets the chart window lay itself out, and regroup its bars, until it stays as it is.
void settle(ChartWindow& window) {
    QRectF last;
    for (int round = 0; round < 20; ++round) {
        QTest::qWait(20);
        const QRectF plot = window.barSeries()->chart()->plotArea();
        if (plot == last && plot.width() > 0) return;
        last = plot;
    }
}

}  // namespace

class TestCharts : public QObject {
    Q_OBJECT

private:
    ScriptedPrompts prompts;
    std::unique_ptr<ChartDialog> dialog;

    ChartDialog& choose(const KestLib::AccountDB& db, const QStringList& types, Direction inOut,
                        const QDate& from = january1, const QDate& to = march31) {
        dialog = std::make_unique<ChartDialog>();
        dialog->setPrompts(&prompts);
        dialog->setDB(&db);
        dialog->show();
        if (!QTest::qWaitForWindowExposed(dialog.get())) qFatal("dialog not shown");
        setRange(*dialog, from, to);
        chooseTypes(*dialog, types);
        chooseDirection(*dialog, inOut);
        return *dialog;
    }

private slots:
    void init() { prompts = ScriptedPrompts(); }
    void cleanup() {
        dialog.reset();
        QVERIFY2(prompts.unscripted.isEmpty(), qPrintable(prompts.unscripted.join(", ")));
    }

    void slicesAreTheShares_data() {
        QTest::addColumn<int>("types");
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<Direction>("inOut");
        QTest::addColumn<QString>("slices");
        QTest::addColumn<QString>("balance");
        QTest::newRow("largest first, ties in list order, empty types left out")
            << 0 << QStringList{"ALL"} << Direction::Both << "in: C=300,A=100; out: B=100"
            << "+300";
        QTest::newRow("twelve types keep their own slices")
            << 12 << QStringList{"ALL"} << Direction::Income
            << "in: T12=12,T11=11,T10=10,T9=9,T8=8,T7=7,T6=6,T5=5,T4=4,T3=3,T2=2,T1=1"
            << "+78";
        QTest::newRow("thirteen: the two smallest are Other")
            << 13 << QStringList{"ALL"} << Direction::Income
            << "in: T13=13,T12=12,T11=11,T10=10,T9=9,T8=8,T7=7,T6=6,T5=5,T4=4,T3=3,Other=3"
            << "+91";
        QTest::newRow("income and outgoing apart, only the chosen types")
            << 13 << QStringList{"T2", "T13", "T5"} << Direction::Both
            << "in: T13=13,T5=5,T2=2; out: T13=13000,T5=5000,T2=2000"
            << "-19980";
        QTest::newRow("127 types, outgoing only")
            << 127 << QStringList{"ALL"} << Direction::Outgoing
            << "out: T127=127000,T126=126000,T125=125000,T124=124000,T123=123000,T122=122000,T121=121000,"
               "T120=120000,T119=119000,T118=118000,T117=117000,Other=6786000"  // 1000 × (1 + ... + 116)
            << "-8128000";
    }

    void slicesAreTheShares() {
        QFETCH(int, types);
        QFETCH(QStringList, chosen);
        QFETCH(Direction, inOut);
        QFETCH(QString, slices);
        QFETCH(QString, balance);
        const KestLib::AccountDB db =
            types > 0 ? typesOneToN(types)
                      : BookBuilder().income("A", 100).type("Empty").outgoing("B", 100).income("C", 300).build();
        const ChartData data = choose(db, chosen, inOut).chartData();
        QCOMPARE(sliceText(data), slices);

        // Each pie's whole is one direction of the chosen types in the
        // percentage analysis, and the balance is their grand total.
        KestLib::Selection selection{{KestLib::packDate(2004, 1, 1), KestLib::packDate(2004, 3, 31)},
                                     selectorOf(inOut)};
        if (chosen != QStringList{"ALL"})
            for (const QString& name : chosen) selection.chooseType(db.findType(name.toStdString()).id());
        const KestLib::PercentageFigures figures = KestLib::percentageAnalysis(db, selection);
        QCOMPARE(data.incomePie().total, figures.selectedIncome);
        QCOMPARE(data.outgoingPie().total, figures.selectedOutgoing);
        QCOMPARE(data.balance(), KestLib::grandTotal(db, selection));

        // The window draws the pies the choice names, each slice in a colour
        // of its own, and the balance signed.
        ChartWindow window;
        window.setData(data);
        QCOMPARE(window.findChild<QLabel*>("balanceLabel")->text(), "Balance: " + balance);
        const struct {
            QPieSeries* drawn;
            const ChartData::Pie& pie;
            bool shown;
            const char* view;
        } pies[] = {{window.incomePieSeries(), data.incomePie(), data.showsIncome(), "incomePieView"},
                    {window.outgoingPieSeries(), data.outgoingPie(), data.showsOutgoing(), "outgoingPieView"}};
        for (const auto& pie : pies) {
            QCOMPARE(window.findChild<QWidget*>(pie.view)->isHidden(), !pie.shown);
            QCOMPARE(pie.drawn != nullptr, pie.shown);
            if (!pie.drawn) continue;
            const QList<QPieSlice*> drawn = pie.drawn->slices();
            QCOMPARE(drawn.size(), static_cast<qsizetype>(pie.pie.slices.size()));
            QSet<QRgb> colours;
            for (qsizetype k = 0; k < drawn.size(); ++k) {
                const ChartData::Slice& slice = pie.pie.slices[static_cast<std::size_t>(k)];
                QCOMPARE(drawn[k]->value(), static_cast<qreal>(slice.value));
                QVERIFY(drawn[k]->label().startsWith(slice.label + " ("));
                colours << drawn[k]->color().rgb();
            }
            QCOMPARE(colours.size(), drawn.size());
        }
    }

    void barsAreEachMonthsSums_data() {
        QTest::addColumn<QStringList>("chosen");
        QTest::addColumn<Direction>("inOut");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QStringList>("months");
        QTest::newRow("every type, across a year's end")
            << QStringList{"ALL"} << Direction::Both << QDate(2003, 12, 31) << QDate(2004, 4, 1)
            << QStringList{"2003/12", "2004/01", "2004/02", "2004/03", "2004/04"};
        QTest::newRow("part months, income only") << QStringList{"T1", "T3"} << Direction::Income << QDate(2004, 1, 15)
                                                  << QDate(2004, 3, 2) << QStringList{"2004/01", "2004/02", "2004/03"};
        QTest::newRow("outgoing only, one empty month")
            << QStringList{"T2"} << Direction::Outgoing << QDate(2004, 2, 1) << QDate(2004, 5, 31)
            << QStringList{"2004/02", "2004/03", "2004/04", "2004/05"};
        QTest::newRow("months with nothing in them") << QStringList{"T1"} << Direction::Income << QDate(2005, 6, 1)
                                                     << QDate(2005, 7, 31) << QStringList{"2005/06", "2005/07"};
    }

    void barsAreEachMonthsSums() {
        QFETCH(QStringList, chosen);
        QFETCH(Direction, inOut);
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(QStringList, months);
        const KestLib::AccountDB db = typesOneToN(5);
        const ChartData data = choose(db, chosen, inOut, from, to).chartData();
        QCOMPARE(data.showsIncome(), inOut != Direction::Outgoing);
        QCOMPARE(data.showsOutgoing(), inOut != Direction::Income);

        std::vector<int> ids;  // -1: no type filter
        if (chosen == QStringList{"ALL"})
            ids.push_back(-1);
        else
            for (const QString& name : chosen) ids.push_back(db.findType(name.toStdString()).id());
        const std::int32_t first = KestLib::packDate(from.year(), from.month(), from.day());
        const std::int32_t last = KestLib::packDate(to.year(), to.month(), to.day());
        QStringList labels;
        for (const ChartData::MonthBar& bar : data.months()) {
            labels << bar.label;
            const QDate start = QDate::fromString(bar.label + "/01", "yyyy/MM/dd");
            const std::int32_t monthFirst = std::max(first, KestLib::packDate(start.year(), start.month(), 1));
            const std::int32_t monthLast = std::min(last, KestLib::packDate(start.year(), start.month(), 31));
            std::int64_t income = 0, outgoing = 0;
            for (int id : ids) {
                if (data.showsIncome()) income += db.sumAmount(id, 0, monthFirst, monthLast);
                if (data.showsOutgoing()) outgoing -= db.sumAmount(id, 1, monthFirst, monthLast);
            }
            QCOMPARE(bar.income, income);
            QCOMPARE(bar.outgoing, outgoing);
        }
        QCOMPARE(labels, months);

        // The window draws one bar set per direction chosen, a bar a month.
        ChartWindow window;
        window.setData(data);
        QStringList sets;
        for (const QBarSet* set : window.barSeries()->barSets()) {
            sets << set->label();
            QCOMPARE(set->count(), static_cast<qsizetype>(months.size()));
            for (qsizetype k = 0; k < set->count(); ++k) {
                const ChartData::MonthBar& bar = data.months()[static_cast<std::size_t>(k)];
                QCOMPARE(set->at(k), static_cast<qreal>(set->label() == "Income" ? bar.income : bar.outgoing));
            }
        }
        const QStringList expectedSets = inOut == Direction::Both     ? QStringList{"Income", "Outgoing"}
                                         : inOut == Direction::Income ? QStringList{"Income"}
                                                                      : QStringList{"Outgoing"};
        QCOMPARE(sets, expectedSets);
        // Whole amounts from one tick of the value axis to the next, where there is nothing to show too.
        for (QAbstractAxis* axis : window.barSeries()->attachedAxes())
            if (const auto* amounts = qobject_cast<QValueAxis*>(axis)) {
                const double step = (amounts->max() - amounts->min()) / (amounts->tickCount() - 1);
                QVERIFY2(step >= 1 && step == std::floor(step), qPrintable(QString::number(step)));
            }
    }

    // A book of cents: bars and axis in whole units with the cents after
    // the mark, steps of whole cents, the balance in the language's mark.
    void chartsOfABookWithDecimals_data() {
        QTest::addColumn<QLocale>("language");
        QTest::addColumn<qint64>("outgoing");
        QTest::addColumn<QString>("balance");
        QTest::newRow("English") << QLocale(QLocale::English) << qint64{15} << "Balance: +1234.41";
        QTest::newRow("German") << QLocale(QLocale::German) << qint64{15} << "Balance: +1234,41";
        QTest::newRow("German, a few cents") << QLocale(QLocale::German) << qint64{123459} << "Balance: -0,03";
    }
    void chartsOfABookWithDecimals() {
        QFETCH(QLocale, language);
        QFETCH(qint64, outgoing);
        QFETCH(QString, balance);
        QLocale::setDefault(language);
        const KestLib::AccountDB db = BookBuilder()
                                          .inFormat2(2)
                                          .income("Pay", 123456, 2004, 1, 5)
                                          .outgoing("Food", static_cast<int>(outgoing), 2004, 2, 5)
                                          .build();
        const ChartData data = choose(db, {"ALL"}, Direction::Both).chartData();
        ChartWindow window;
        window.setData(data);
        QCOMPARE(window.findChild<QLabel*>("balanceLabel")->text(), balance);
        const QList<QBarSet*> sets = window.barSeries()->barSets();
        QCOMPARE(sets.size(), 2);
        QCOMPARE(sets[0]->at(0), 1234.56);
        QCOMPARE(sets[1]->at(1), static_cast<qreal>(outgoing) / 100);
        for (QAbstractAxis* axis : window.barSeries()->attachedAxes())
            if (const auto* amounts = qobject_cast<QValueAxis*>(axis)) {
                QCOMPARE(amounts->labelFormat(), QStringLiteral("%.2f"));
                const double cents = (amounts->max() - amounts->min()) / (amounts->tickCount() - 1) * 100;
                QVERIFY2(cents >= 1 - 1e-9 && std::abs(cents - std::round(cents)) < 1e-6,
                         qPrintable(QString::number(cents)));
            }
        QLocale::setDefault(QLocale::c());
    }

    void barsStayLegible_data() {
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QDate>("to");
        QTest::addColumn<int>("width");  // of the window
        QTest::addColumn<QString>("period");
        QTest::newRow("13 months") << QDate(2004, 1, 1) << QDate(2005, 1, 31) << 1160 << "Month";
        QTest::newRow("2 years") << QDate(2003, 1, 1) << QDate(2004, 12, 31) << 1160 << "Month";
        QTest::newRow("3 years, narrow") << QDate(2002, 1, 1) << QDate(2004, 12, 31) << 640 << "Quarter";
        QTest::newRow("30 years") << QDate(1975, 1, 1) << QDate(2004, 12, 31) << 1160 << "Year";
        QTest::newRow("200 years") << QDate(1805, 1, 1) << QDate(2004, 12, 31) << 1160 << "5 years";
    }

    void barsStayLegible() {
        QFETCH(QDate, from);
        QFETCH(QDate, to);
        QFETCH(int, width);
        QFETCH(QString, period);
        BookBuilder book;
        for (QDate day = from; day <= to; day = day.addMonths(7))
            book.income("Pay", 100 + day.month(), day.year(), day.month(), 1)
                .outgoing("Rent", 60, day.year(), day.month(), 2);
        const KestLib::AccountDB db = book.build();
        const ChartData data = choose(db, {"ALL"}, Direction::Both, from, to).chartData();
        ChartWindow window;
        window.setData(data);
        window.resize(width, 760);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        settle(window);

        QBarSeries* bars = window.barSeries();
        QBarCategoryAxis* axis = nullptr;
        for (QAbstractAxis* attached : bars->attachedAxes())
            if (auto* categories = qobject_cast<QBarCategoryAxis*>(attached)) axis = categories;
        QVERIFY(axis);
        // The axis says what a bar stands for.
        QCOMPARE(axis->titleText(), period);
        const qreal periodWidth = bars->chart()->plotArea().width() / axis->count();
        // Every bar a few pixels wide at least.
        QVERIFY2(periodWidth * bars->barWidth() / bars->count() >= 3, qPrintable(QString::number(periodWidth)));
        // Each label fits its period whole, across or on end, so none is elided.
        const QFontMetricsF metrics(axis->labelsFont());
        for (const QString& label : axis->categories()) {
            const qreal across = axis->labelsAngle() == 0 ? metrics.horizontalAdvance(label) : metrics.height();
            QVERIFY2(across <= periodWidth, qPrintable(label));
        }
        // The periods hold every month's sums.
        qreal income = 0, months = 0;
        for (qsizetype k = 0; k < bars->barSets().first()->count(); ++k) income += bars->barSets().first()->at(k);
        for (const ChartData::MonthBar& month : data.months()) months += static_cast<qreal>(month.income);
        QCOMPARE(income, months);
    }

    void saveWritesTheChosenKind_data() {
        QTest::addColumn<QString>("name");     // as chosen in the file dialog; empty cancels
        QTest::addColumn<bool>("existing");    // the written file is there before
        QTest::addColumn<bool>("overwrite");   // the answer to the overwrite question
        QTest::addColumn<QString>("written");  // the file expected afterwards
        QTest::addColumn<QString>("kind");     // "PNG", "SVG", "old" (left as it was) or "" (none)
        QTest::newRow("png") << "chart.png" << false << false << "chart.png"
                             << "PNG";
        QTest::newRow("svg in capitals") << "chart.SVG" << false << false << "chart.SVG"
                                         << "SVG";
        QTest::newRow("no suffix: png") << "chart" << false << false << "chart.png"
                                        << "PNG";
        QTest::newRow("another suffix: png") << "chart.jpg" << false << false << "chart.jpg.png"
                                             << "PNG";
        QTest::newRow("replaced on Yes") << "chart.svg" << true << true << "chart.svg"
                                         << "SVG";
        QTest::newRow("kept on No") << "chart.png" << true << false << "chart.png"
                                    << "old";
        QTest::newRow("kept when only the completed name exists") << "chart" << true << false << "chart.png"
                                                                  << "old";
        QTest::newRow("cancelled") << "" << false << false << "chart.png"
                                   << "";
        QTest::newRow("no such folder") << "missing/chart.png" << false << false << "missing/chart.png"
                                        << "";
    }

    void saveWritesTheChosenKind() {
        QFETCH(QString, name);
        QFETCH(bool, existing);
        QFETCH(bool, overwrite);
        QFETCH(QString, written);
        QFETCH(QString, kind);
        QTemporaryDir folder;
        const QString path = folder.filePath(written);
        if (existing) {
            QFile old(path);
            QVERIFY(old.open(QIODevice::WriteOnly));
            old.write("old");
            prompts.overwriteAnswers.push_back(overwrite);
        }
        const KestLib::AccountDB db = typesOneToN(3);
        ChartWindow window;
        window.setPrompts(&prompts);
        window.setData(choose(db, {"ALL"}, Direction::Both).chartData());
        prompts.saveNames.push_back(name.isEmpty() ? QString() : folder.filePath(name));
        button(window, "Save...")->click();

        QFile file(path);
        QCOMPARE(file.exists(), !kind.isEmpty());
        QCOMPARE(prompts.warnings.size(), name.startsWith("missing/") ? 1 : 0);
        QVERIFY(prompts.allAnswersUsed());
        if (kind.isEmpty()) return;
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        if (kind == "old") {
            QCOMPARE(bytes, QByteArray("old"));
        } else if (kind == "PNG") {
            // Both charts, side by side.
            const QImage image = QImage::fromData(bytes, "PNG");
            QVERIFY(!image.isNull());
            QVERIFY(image.width() > image.height() && image.height() > 300);
        } else {
            QVERIFY(bytes.startsWith("<?xml"));
            QVERIFY(bytes.contains("<svg") && bytes.contains("</svg>"));
            QVERIFY(bytes.contains("<title>Charts</title>"));
        }
    }

    void reportsOfferTheCharts_data() {
        QTest::addColumn<QString>("analysis");
        QTest::addColumn<bool>("chart");  // whether Chart is pressed rather than Yes
        QTest::newRow("percentage, Chart") << "percentage" << true;
        QTest::newRow("percentage, Yes") << "percentage" << false;
        QTest::newRow("grand total, Chart") << "grand total" << true;
    }

    void reportsOfferTheCharts() {
        QFETCH(QString, analysis);
        QFETCH(bool, chart);
        const KestLib::AccountDB db = typesOneToN(3);
        std::unique_ptr<StatisticDialog> report;
        if (analysis == "percentage")
            report = std::make_unique<PercentageDialog>();
        else
            report = std::make_unique<GrandTotalDialog>();
        report->setPrompts(&prompts);
        report->setDB(&db);
        ChartLauncher::serve(*report, prompts);
        setRange(*report, january1, march31);
        chooseTypes(*report, {"T2", "T3"});

        prompts.chartAnswers.push_back(chart);
        QString shownSlices;
        if (chart)
            prompts.dialogScripts.push_back([&](QDialog& shown) {
                auto* window = qobject_cast<ChartWindow*>(&shown);
                if (window) shownSlices = sliceText(window->data());
                return true;
            });
        button(*report, "OK")->click();
        QCOMPARE(prompts.reports.size(), 1);
        QCOMPARE(shownSlices, chart ? QStringLiteral("in: T3=3,T2=2; out: T3=3000,T2=2000") : QString());
        QVERIFY(prompts.allAnswersUsed());
    }

    void windowCommandOpensTheCharts() {
        QApplication::setQuitOnLastWindowClosed(false);
        QTemporaryDir folder;
        std::string path = QFile::encodeName(folder.filePath("book.pwdb")).toStdString();
        KestLib::AccountDB book = typesOneToN(2);
        book.saveFile(path);

        MainWindow window;
        window.setPrompts(&prompts);
        window.initWindow();
        auto* charts = window.findChild<QAction*>("chartsAct");
        QVERIFY(!charts->isEnabled());  // no database yet
        window.openFile(QFile::decodeName(path.c_str()));
        QVERIFY(charts->isEnabled());
        // In the statistic submenu, after the three analyses.
        QList<QAction*> statistic;
        for (const QMenu* menu : window.findChildren<QMenu*>())
            if (menu->actions().contains(charts)) statistic = menu->actions();
        QCOMPARE(statistic.indexOf(charts), 3);
        QCOMPARE(statistic.value(2), window.findChild<QAction*>("percentageAct"));

        const struct {
            bool accepted;
            QStringList asked;
        } runs[] = {
            {false, {"dialog: ChartDialog"}},
            {true, {"dialog: ChartDialog", "dialog: ChartWindow"}},
        };
        for (const auto& run : runs) {
            prompts = ScriptedPrompts();
            QString shownSlices;
            QString caption;
            prompts.dialogScripts.push_back([&](QDialog& shown) {
                caption = shown.windowTitle();
                setRange(shown, january1, march31);
                chooseTypes(shown, {"ALL"});
                chooseDirection(shown, Direction::Outgoing);
                if (run.accepted) button(shown, "OK")->click();
                return run.accepted;
            });
            if (run.accepted)
                prompts.dialogScripts.push_back([&](QDialog& shown) {
                    if (auto* chartWindow = qobject_cast<ChartWindow*>(&shown))
                        shownSlices = sliceText(chartWindow->data());
                    return true;
                });
            charts->trigger();
            QCOMPARE(caption, QStringLiteral("Charts"));
            QCOMPARE(prompts.asked, run.asked);
            QCOMPARE(shownSlices, run.accepted ? QStringLiteral("out: T2=2000,T1=1000") : QString());
        }
        QVERIFY(!window.database().isModified());
    }
};

QTEST_MAIN(TestCharts)
#include "test_charts.moc"
