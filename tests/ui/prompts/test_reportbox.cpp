// The box a report is shown in: the plain message box when the report fits
// the screen, else a box of the same caption, icon and buttons whose text
// scrolls. Each box is shown for real, without a modal loop, and looked at
// as laid out.

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QTest>
#include <QTextEdit>
#include <functional>
#include <memory>
#include <string>

#include "tests/support/coretestsupport.h"
#include "tests/support/statisticsupport.h"
#include "ui/charts/chartlauncher.h"
#include "ui/prompts/dialogprompts.h"
#include "ui/statistics/grandtotaldialog.h"
#include "ui/statistics/percentagedialog.h"

namespace {

// The program's own boxes, each shown without waiting on it, checked as
// it is laid out, and closed with one of its buttons.
class WatchedPrompts : public DialogPrompts {
public:
    QString press;  // the text of the button that closes the box; empty: Yes
    QString text;   // the report's
    QStringList boxes;
    QStringList faults;
    int dialogsRun = 0;

    bool runDialog(QDialog&) override {
        ++dialogsRun;
        return false;
    }
    void warn(QWidget*, const QString&, const QString& text, const QString&) override { faults << text; }

protected:
    void runReportBox(QDialog& box) override {
        box.show();
        if (!QTest::qWaitForWindowExposed(&box)) faults << "not shown";
        const auto* plain = qobject_cast<QMessageBox*>(&box);
        boxes << (plain ? "plain" : "scrolling");
        const QSize screen = box.screen()->availableGeometry().size();
        if (box.frameGeometry().width() > screen.width() || box.frameGeometry().height() > screen.height())
            faults << "larger than the screen";
        const int iconSize = box.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &box);
        const QPixmap information = box.style()
                                        ->standardIcon(QStyle::SP_MessageBoxInformation, nullptr, &box)
                                        .pixmap(QSize(iconSize, iconSize), box.devicePixelRatio());
        const QLabel* icon = nullptr;
        for (const QLabel* label : box.findChildren<QLabel*>())
            if (!label->pixmap().isNull()) icon = label;
        if (!icon || icon->pixmap().toImage() != information.toImage()) faults << "not the information icon";
        if (!plain) {
            // The text keeps the whole width a message box's label gives
            // it, and every part of it can be scrolled to.
            const auto* view = box.findChild<QTextEdit*>();
            const QSizeF shown = view->document()->size();
            QLabel label;
            label.setFont(QApplication::font("QMessageBox"));
            label.setText(text);
            if (shown.width() < label.sizeHint().width() - 1) faults << "text squeezed";
            if (view->viewport()->width() + view->horizontalScrollBar()->maximum() < shown.width())
                faults << "last column out of reach";
            if (view->viewport()->height() + view->verticalScrollBar()->maximum() < shown.height())
                faults << "last row out of reach";
        }
        QAbstractButton* closing = nullptr;
        auto* buttons = box.findChild<QDialogButtonBox*>();
        for (QAbstractButton* button : buttons->buttons())
            if (press.isEmpty() ? buttons->standardButton(button) == QDialogButtonBox::Yes : button->text() == press)
                closing = button;
        if (!closing) faults << "no button " + press;
        if (closing &&
            !box.rect().contains(closing->geometry().translated(closing->parentWidget()->mapTo(&box, QPoint()))))
            faults << "button out of the box";
        if (closing) closing->click();
    }
};

// Types "T1" to "Tn" besides the nameless one, each with an income.
KestLib::AccountDB typesOneToN(int n) {
    BookBuilder book;
    for (int k = 1; k <= n; ++k) book.income("T" + std::to_string(k), k * 1000, 2004, 3, 1);
    return book.build();
}

}  // namespace

class TestReportBox : public QObject {
    Q_OBJECT

private slots:
    void boxFitsTheReport_data() {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QString>("press");
        QTest::addColumn<QString>("box");
        QTest::newRow("grand total") << "grand total"
                                     << ""
                                     << "plain";
        QTest::newRow("grand total, Chart") << "grand total"
                                            << "Chart"
                                            << "plain";
        QTest::newRow("percentage of 128 types") << "percentage"
                                                 << ""
                                                 << "scrolling";
        QTest::newRow("percentage of 128 types, Chart") << "percentage"
                                                        << "Chart"
                                                        << "scrolling";
        QTest::newRow("a short table") << "short table"
                                       << ""
                                       << "plain";
        QTest::newRow("a line wider than the screen") << "wide"
                                                      << ""
                                                      << "scrolling";
        QTest::newRow("a text taller than the screen") << "tall"
                                                       << ""
                                                       << "scrolling";
    }

    void boxFitsTheReport() {
        QFETCH(QString, report);
        QFETCH(QString, press);
        QFETCH(QString, box);
        WatchedPrompts prompts;
        prompts.press = press;
        const KestLib::AccountDB db = typesOneToN(report == "percentage" ? 127 : 2);
        std::unique_ptr<StatisticDialog> dialog;
        if (report == "grand total") dialog = std::make_unique<GrandTotalDialog>();
        if (report == "percentage") dialog = std::make_unique<PercentageDialog>();
        if (dialog) {
            // Through the analysis, as OK shows its report.
            dialog->setPrompts(&prompts);
            dialog->setDB(&db);
            ChartLauncher::serve(*dialog, prompts);
            setRange(*dialog, QDate(2004, 3, 1), QDate(2004, 3, 31));
            chooseTypes(*dialog, {"ALL"});
            prompts.text = report == "percentage" ? static_cast<PercentageDialog&>(*dialog).reportText()
                                                  : static_cast<GrandTotalDialog&>(*dialog).reportText();
            button(*dialog, "OK")->click();
        } else {
            QString text;
            if (report == "short table")
                text =
                    "<TABLE BORDER=\"5\"><TR><TD>Type</TD><TD>Budget</TD></TR>"
                    "<TR><TD>Rent</TD><TD>700</TD></TR></TABLE>";
            if (report == "wide") text = QString(600, QLatin1Char('W'));
            if (report == "tall") text = QStringLiteral("<P>line</P>").repeated(300);
            prompts.text = text;
            prompts.inform(nullptr, QStringLiteral("Report"), text);
        }
        QCOMPARE(prompts.boxes, QStringList{box});
        QVERIFY2(prompts.faults.isEmpty(), qPrintable(prompts.faults.join(", ")));
        // Chart goes on to the charts, Yes doesn't.
        QCOMPARE(prompts.dialogsRun, press == "Chart" ? 1 : 0);
    }
};

QTEST_MAIN(TestReportBox)
#include "test_reportbox.moc"
