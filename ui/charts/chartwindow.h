#pragma once

#include <QDialog>

#include "charts/chartdata.h"

class QBarSeries;
class QChartView;
class QPieSeries;
class QPushButton;
class UserPrompts;

// Two charts of the chosen types over the chosen range: a pie of each
// type's share and bars of the income and outgoing of every month. Both can
// be saved together as one PNG or SVG image.
class ChartWindow : public QDialog {
    Q_OBJECT

public:
    explicit ChartWindow(QWidget* parent = nullptr);

    // Where the file name of Save and its questions go; not owned. nullptr
    // asks with the program's own dialogs.
    void setPrompts(UserPrompts* replacement);
    void setData(const ChartData& figures);

    const ChartData& data() const { return shown; }
    QPieSeries* pieSeries() const { return pie; }
    QBarSeries* barSeries() const { return bars; }

    // Writes both charts as they are laid out in the window: SVG when the
    // path ends in ".svg", PNG otherwise. False when the file can't be
    // written; a file already there is then left as it was.
    bool saveImage(const QString& path);

private slots:
    void saveChart();

private:
    void showPie();
    void showBars();

    ChartData shown;
    QChartView* pieView;
    QChartView* barView;
    QWidget* chartArea;
    QPushButton* saveButton;
    QPushButton* closeButton;
    QPieSeries* pie = nullptr;
    QBarSeries* bars = nullptr;
    UserPrompts* prompts = nullptr;
};
