#include "charts/chartwindow.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBoxLayout>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QLegendMarker>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QValueAxis>
#include <array>

#include "prompts/dialogprompts.h"
#include "prompts/warnuser.h"

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

// Past this many months the month labels stand on end; past the most that
// fit side by side the axis names the years instead.
constexpr int uprightLabelsFrom = 7;
constexpr int mostMonthLabels = 24;

UserPrompts& dialogs() {
    static DialogPrompts prompts;
    return prompts;
}

QChartView* createChartView(QWidget* parent) {
    auto* chart = new QChart;
    chart->setAnimationOptions(QChart::NoAnimation);
    auto* view = new QChartView(chart, parent);
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(420, 360);
    return view;
}

bool isSvg(const QString& path) { return QFileInfo(path).suffix().compare(QLatin1String("svg"), Qt::CaseInsensitive) == 0; }

}  // namespace

ChartWindow::ChartWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Charts"));
    chartArea = new QWidget(this);
    pieView = createChartView(chartArea);
    pieView->setObjectName(QStringLiteral("pieView"));
    barView = createChartView(chartArea);
    barView->setObjectName(QStringLiteral("barView"));
    auto* chartLayout = new QHBoxLayout(chartArea);
    chartLayout->setContentsMargins(0, 0, 0, 0);
    chartLayout->addWidget(pieView);
    chartLayout->addWidget(barView);

    saveButton = new QPushButton(tr("Save..."), this);
    saveButton->setObjectName(QStringLiteral("saveButton"));
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setDefault(true);
    auto* buttonLayout = new QHBoxLayout;
    buttonLayout->addStretch(1);
    buttonLayout->addWidget(saveButton);
    buttonLayout->addWidget(closeButton);

    auto* mainLayout = new QVBoxLayout(this);
    mainLayout->setContentsMargins(11, 11, 11, 11);
    mainLayout->setSpacing(6);
    mainLayout->addWidget(chartArea, 1);
    mainLayout->addLayout(buttonLayout);

    connect(saveButton, &QPushButton::clicked, this, &ChartWindow::saveChart);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);
    resize(1160, 560);
}

void ChartWindow::setPrompts(UserPrompts* replacement) { prompts = replacement; }

void ChartWindow::setData(const ChartData& figures) {
    shown = figures;
    showPie();
    showBars();
}

void ChartWindow::showPie() {
    QChart* chart = pieView->chart();
    chart->removeAllSeries();
    pie = new QPieSeries;
    const std::int64_t total = shown.sliceTotal();
    int position = 0;
    for (const ChartData::Slice& part : shown.slices()) {
        const double percent = KestLib::percentOf(part.value, total);
        // The charts draw labels as rich text; a type name is shown as written.
        const QString label = tr("%1 (%2%)").arg(part.label.toHtmlEscaped(), QString::number(percent, 'f', 1));
        QPieSlice* slice = pie->append(label, static_cast<qreal>(part.value));
        // "Other" always comes twelfth, so it is always the grey.
        slice->setColor(sliceColours[static_cast<std::size_t>(position)]);
        slice->setBorderColor(Qt::white);
        ++position;
    }
    // The legend names the slices: labels beside a pie of a dozen slices
    // would crowd and cut each other short.
    pie->setPieSize(0.85);
    chart->addSeries(pie);
    chart->setTitle(shown.slices().empty() ? tr("No shares in the chosen range") : tr("Shares of the chosen types"));
    chart->legend()->setAlignment(Qt::AlignRight);
}

void ChartWindow::showBars() {
    QChart* chart = barView->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    bars = new QBarSeries;
    QStringList categories;
    QBarSet* incomeSet = shown.showsIncome() ? new QBarSet(tr("Income")) : nullptr;
    QBarSet* outgoingSet = shown.showsOutgoing() ? new QBarSet(tr("Outgoing")) : nullptr;
    qreal lowest = 0;
    qreal highest = 0;
    for (const ChartData::MonthBar& month : shown.months()) {
        categories << month.label;
        const auto in = static_cast<qreal>(month.income);
        const auto out = static_cast<qreal>(month.outgoing);
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
    chart->setTitle(tr("Income and outgoing per month"));

    QAbstractAxis* monthAxis = nullptr;
    if (categories.size() <= mostMonthLabels) {
        auto* months = new QBarCategoryAxis;
        months->append(categories);
        if (categories.size() >= uprightLabelsFrom) months->setLabelsAngle(-90);
        monthAxis = months;
    } else {
        // Month k stands at k on the axis; each year's label spans its months.
        auto* years = new QCategoryAxis;
        years->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
        years->setRange(-0.5, static_cast<qreal>(categories.size()) - 0.5);
        years->setStartValue(-0.5);
        for (qsizetype k = 0; k < categories.size(); ++k) {
            const QString year = categories[k].left(4);
            if (k + 1 == categories.size() || categories[k + 1].left(4) != year)
                years->append(year, static_cast<qreal>(k) + 0.5);
        }
        monthAxis = years;
    }
    chart->addAxis(monthAxis, Qt::AlignBottom);
    bars->attachAxis(monthAxis);

    auto* amountAxis = new QValueAxis;
    amountAxis->setRange(lowest, highest > lowest ? highest : lowest + 1);
    amountAxis->applyNiceNumbers();
    amountAxis->setLabelFormat(QStringLiteral("%.0f"));
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
