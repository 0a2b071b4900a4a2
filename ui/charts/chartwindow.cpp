#include "ui/charts/chartwindow.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLabel>
#include <QLegendMarker>
#include <QLocale>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSvgGenerator>
#include <QValueAxis>
#include <array>
#include <cmath>

#include "ui/prompts/dialogprompts.h"
#include "ui/prompts/warnuser.h"
#include "ui/widgets/amounttext.h"

namespace {

// Colours that stay apart from each other side by side (Tableau's ten and
// two more), with a quiet grey last, where "Other" comes.
const std::array<QColor, ChartData::maxSlices> sliceColours = {
    QColor(0x4e, 0x79, 0xa7), QColor(0xf2, 0x8e, 0x2b), QColor(0xe1, 0x57, 0x59), QColor(0x76, 0xb7, 0xb2),
    QColor(0x59, 0xa1, 0x4f), QColor(0xed, 0xc9, 0x48), QColor(0xb0, 0x7a, 0xa1), QColor(0xff, 0x9d, 0xa7),
    QColor(0x9c, 0x75, 0x5f), QColor(0x1b, 0x3a, 0x5c), QColor(0xbc, 0xd9, 0x5a), QColor(0xba, 0xb0, 0xac),
};
const QColor incomeColour(0x59, 0xa1, 0x4f);
const QColor outgoingColour(0xe1, 0x57, 0x59);

UserPrompts& dialogs() {
    static DialogPrompts prompts;
    return prompts;
}

QChartView* createChartView(QWidget* parent, const char* name, int minimumWidth) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(minimumWidth, 260);
    return view;
}

// The room the bars' view gives to other things than the plot: the amount
// axis with its labels and the chart's margins, about.
constexpr int besideThePlot = 110;
// The window's margins, as its layout sets them.
constexpr int windowMargin = 11;

bool isSvg(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0;
}

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Charts"));
    chartArea = new QWidget(this);
    balanceLabel = new QLabel(chartArea);
    balanceLabel->setObjectName(QStringLiteral("balanceLabel"));
    balanceLabel->setAlignment(Qt::AlignCenter);
    QFont emphasis = balanceLabel->font();
    emphasis.setBold(true);
    balanceLabel->setFont(emphasis);
    incomePieView = createChartView(chartArea, "incomePieView", 300);
    outgoingPieView = createChartView(chartArea, "outgoingPieView", 300);
    barView = createChartView(chartArea, "barView", 420);
    auto* pieLayout = new QHBoxLayout;
    pieLayout->addWidget(incomePieView);
    pieLayout->addWidget(outgoingPieView);
    // The bars take the whole width, so that a long range keeps its detail.
    auto* chartLayout = new QVBoxLayout(chartArea);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(balanceLabel);
    chartLayout->addLayout(pieLayout, 1);
    chartLayout->addWidget(barView, 1);

    saveButton = new QPushButton(tr("Save..."), this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setDefault(true);
    auto* buttonLayout = new QHBoxLayout;
    buttonLayout->addStretch(1);
    buttonLayout->addWidget(saveButton);
    buttonLayout->addWidget(closeButton);

    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(windowMargin, windowMargin, windowMargin, windowMargin);
    mainLayout->setSpacing(6);
    mainLayout->addWidget(chartArea, 1);
    mainLayout->addLayout(buttonLayout);

    connect(saveButton, &QPushButton::clicked, this, &ChartWindow::saveChart);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    // Queued: the bars are regrouped after the chart's layout, not inside it.
    connect(barView->chart(), &QChart::plotAreaChanged, this, &ChartWindow::fitBars, Qt::QueuedConnection);
    // Within the screen, with room for the window's frame.
    const QSize room = screen() ? screen()->availableGeometry().size() - QSize(40, 80) : QSize(1160, 860);
    resize(QSize(1160, 860).boundedTo(room).expandedTo(minimumSizeHint()));
}

void ChartWindow::setPrompts(UserPrompts* replacement) { prompts = replacement; }

void ChartWindow::setData(const ChartData& figures) {
    shown = figures;
    // Signed, as a balance reads: the grand total's "Income: 70" is its report's wording.
    const std::int64_t balance = shown.balance();
    const QString amount = AmountText::of(balance, shown.decimals());
    balanceLabel->setText(tr("Balance: %1").arg(balance > 0 ? QStringLiteral("+") + amount : amount));
    incomePie = showPie(incomePieView, shown.incomePie(), shown.showsIncome(), tr("Income by type"),
                        tr("No income in the chosen range"));
    outgoingPie = showPie(outgoingPieView, shown.outgoingPie(), shown.showsOutgoing(), tr("Outgoing by type"),
                          tr("No outgoing in the chosen range"));
    groupedAt = QSize();
    const int sets = int{shown.showsIncome()} + int{shown.showsOutgoing()};
    showBars(BarPeriods::choose(shown.months(), estimatedPlotWidth(), barView->font(), sets));
}

QPieSeries* ChartWindow::showPie(QChartView* view, const ChartData::Pie& pie, bool counted, const QString& title,
                                 const QString& emptyTitle) {
    QChart* chart = view->chart();
    chart->removeAllSeries();
    // Income and outgoing are never one circle: a direction left out has no pie.
    view->setVisible(counted);
    if (!counted) return nullptr;
    auto* series = new QPieSeries;
    int position = 0;
    for (const ChartData::Slice& part : pie.slices) {
        const double percent = KestLib::percentOf(part.value, pie.total);
        // The charts draw labels as rich text; a type name is shown as written.
        // In the language's own digits and decimal mark ("53,3 %").
        const QString label = tr("%1 (%2%)").arg(part.label.toHtmlEscaped(), QLocale().toString(percent, 'f', 1));
        QPieSlice* slice = series->append(label, static_cast<qreal>(part.value));
        // "Other" always comes twelfth, so it is always the grey.
        slice->setColor(sliceColours[static_cast<std::size_t>(position)]);
        slice->setBorderColor(Qt::white);
        ++position;
    }
    // The legend names the slices: labels beside a pie of a dozen slices
    // would crowd and cut each other short.
    series->setPieSize(0.85);
    chart->addSeries(series);
    chart->setTitle(pie.slices.empty() ? emptyTitle : title);
    chart->legend()->setAlignment(Qt::AlignRight);
    return series;
}

double ChartWindow::estimatedPlotWidth() const {
    // Before the first layout the view has no width of its own yet.
    const QRectF plot = barView->chart()->plotArea();
    if (barView->isVisible() && plot.width() > 0) return plot.width();
    return width() - 2 * windowMargin - besideThePlot;
}

void ChartWindow::fitBars() {
    const double plotWidth = barView->chart()->plotArea().width();
    if (shown.months().empty() || plotWidth <= 0) return;
    const int sets = int{shown.showsIncome()} + int{shown.showsOutgoing()};
    const BarPeriods::Layout fitting = BarPeriods::choose(shown.months(), plotWidth, barView->font(), sets);
    if (fitting == barLayout) return;
    // Regrouping changes the amount axis' labels, and with them the plot's
    // width a little. At one size of the view the bars only ever grow
    // coarser, so that the two can't set each other off without end.
    if (barView->size() == groupedAt && !fitting.coarserThan(barLayout)) return;
    groupedAt = barView->size();
    showBars(fitting);
}

void ChartWindow::showBars(const BarPeriods::Layout& layout) {
    barLayout = layout;
    QChart* chart = barView->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    bars = new QBarSeries;
    bars->setBarWidth(BarPeriods::barWidth);
    QStringList categories;
    // The bars stand in whole units, so that the axis reads as the table does.
    const double unit = std::pow(10.0, shown.decimals());
    QBarSet* incomeSet = shown.showsIncome() ? new QBarSet(tr("Income")) : nullptr;
    QBarSet* outgoingSet = shown.showsOutgoing() ? new QBarSet(tr("Outgoing")) : nullptr;
    qreal lowest = 0;
    qreal highest = 0;
    for (const BarPeriods::Bar& period : BarPeriods::group(shown.months(), layout.months)) {
        categories << period.label;
        const qreal in = static_cast<qreal>(period.income) / unit;
        const qreal out = static_cast<qreal>(period.outgoing) / unit;
        if (incomeSet) incomeSet->append(in);
        if (outgoingSet) outgoingSet->append(out);
        lowest = std::min({lowest, incomeSet ? in : 0, outgoingSet ? out : 0});
        highest = std::max({highest, incomeSet ? in : 0, outgoingSet ? out : 0});
    }
    if (incomeSet) {
        incomeSet->setColor(incomeColour);
        bars->append(incomeSet);
    }
    if (outgoingSet) {
        outgoingSet->setColor(outgoingColour);
        bars->append(outgoingSet);
    }
    chart->addSeries(bars);
    chart->setTitle(tr("Income and outgoing"));

    auto* periods = new QBarCategoryAxis;
    periods->append(categories);
    // The font the layout was chosen for.
    periods->setLabelsFont(barView->font());
    periods->setLabelsAngle(layout.uprightLabels ? -90 : 0);
    // The axis says what one bar stands for.
    periods->setTitleText(BarPeriods::axisTitle(layout.months));
    chart->addAxis(periods, Qt::AlignBottom);
    bars->attachAxis(periods);

    auto* amountAxis = new QValueAxis;
    amountAxis->setRange(lowest, highest > lowest ? highest : lowest + 1);
    amountAxis->applyNiceNumbers();
    // Whole minor units: a range of a unit or few has a tick per unit, not
    // "0 0 0 1 1 1" for the fractions between them.
    // Counted in minor units, where a binary fraction of a cent is no tick.
    const double span = amountAxis->max() - amountAxis->min();
    const double units = shown.decimals() > 0 ? std::round(span * unit) : span;
    if (units < amountAxis->tickCount() - 1) amountAxis->setTickCount(static_cast<int>(units) + 1);
    amountAxis->setLabelFormat(QStringLiteral("%.%1f").arg(shown.decimals()));
    // The language's decimal mark, and no thousands mark, as the table writes amounts.
    QLocale language;
    language.setNumberOptions(QLocale::OmitGroupSeparator);
    chart->setLocale(language);
    chart->setLocalizeNumbers(true);
    chart->addAxis(amountAxis, Qt::AlignLeft);
    bars->attachAxis(amountAxis);
    chart->legend()->setAlignment(Qt::AlignBottom);
}

bool ChartWindow::saveImage(const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // A window never shown has not been laid out yet.
    if (!isVisible()) layout()->activate();
    if (isSvg(path)) {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setSize(chartArea->size());
        svg.setViewBox(QRect(QPoint(0, 0), chartArea->size()));
        svg.setTitle(windowTitle());
        // Sized as on the screen, so that the text keeps its size beside the charts.
        svg.setResolution(chartArea->logicalDpiX());
        QPainter painter;
        if (!painter.begin(&svg)) return false;
        chartArea->render(&painter);
        painter.end();
    } else if (!chartArea->grab().toImage().save(&file, "PNG")) {
        return false;
    }
    return file.commit();
}

void ChartWindow::saveChart() {
    UserPrompts& ask = prompts ? *prompts : dialogs();
    QString path = ask.saveFileName(this, tr("PNG Image (*.png);;SVG Image (*.svg)"), QString());
    if (path.isEmpty()) return;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) path += QStringLiteral(".png");
    if (QFileInfo::exists(path)) {
        const QString question =
            tr("File %1 already exists.\nDo you want to override it?").arg(QDir::toNativeSeparators(path));
        if (!ask.askOverwrite(this, tr("Pennywell"), question)) return;
    }
    if (!saveImage(path))
        warnUser(ask, this, tr("The chart could not be saved as %1.").arg(QDir::toNativeSeparators(path)));
}
