#pragma once

#include <QDialog>
#include <QSize>

#include "ui/charts/barperiods.h"
#include "ui/statistics/chartdata.h"

class QBarSeries;
class QChartView;
class QLabel;
class QPieSeries;
class QPushButton;
class UserPrompts;

// The charts of the chosen types over the chosen range: the balance, a pie
// of the income by type and one of the outgoing (those the in/out choice
// names), and bars of the income and outgoing of each period, months or
// longer as the range and the width need. All can be saved together as one
// PNG or SVG image.
class ChartWindow : public QDialog {
    Q_OBJECT

public:
    explicit ChartWindow(QWidget* parent = nullptr);

    // Where the file name of Save and its questions go; not owned. nullptr
    // asks with the program's own dialogs.
    void setPrompts(UserPrompts* replacement);
    void setData(const ChartData& figures);

    const ChartData& data() const { return shown; }
    // Null for a direction the in/out choice leaves out.
    QPieSeries* incomePieSeries() const { return incomePie; }
    QPieSeries* outgoingPieSeries() const { return outgoingPie; }
    QBarSeries* barSeries() const { return bars; }

    // Writes the charts as they are laid out in the window: SVG when the
    // path ends in ".svg", PNG otherwise. False when the file can't be
    // written; a file already there is then left as it was.
    bool saveImage(const QString& path);

private slots:
    void saveChart();
    void fitBars();

private:
    QPieSeries* showPie(QChartView* view, const ChartData::Pie& pie, bool counted, const QString& title,
                        const QString& emptyTitle);
    void showBars(const BarPeriods::Layout& layout);
    double estimatedPlotWidth() const;

    ChartData shown;
    QWidget* chartArea;
    QLabel* balanceLabel;
    QChartView* incomePieView;
    QChartView* outgoingPieView;
    QChartView* barView;
    QPushButton* saveButton;
    QPushButton* closeButton;
    QPieSeries* incomePie = nullptr;
    QPieSeries* outgoingPie = nullptr;
    QBarSeries* bars = nullptr;
    BarPeriods::Layout barLayout;
    // The size of the bars' view when they were last regrouped.
    QSize groupedAt;
    UserPrompts* prompts = nullptr;
};
