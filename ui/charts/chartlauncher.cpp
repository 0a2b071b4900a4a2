#include "ui/charts/chartlauncher.h"

#include "core/errormsg.h"
#include "ui/charts/chartwindow.h"
#include "ui/prompts/coremessages.h"
#include "ui/prompts/userprompts.h"
#include "ui/prompts/warnuser.h"
#include "ui/statistics/statisticdialog.h"

void ChartLauncher::show(const StatisticDialog& choices, UserPrompts& prompts, QWidget* parent) {
    ChartData figures;
    try {
        figures = choices.chartData();
    } catch (const KestLib::ErrorMsg& error) {
        // Shown from a dialog's event loop, which nothing may unwind through.
        warnUser(prompts, parent, coreMessageText(error), coreErrorDetails(error));
        return;
    }
    ChartWindow window(parent);
    window.setPrompts(&prompts);
    window.setData(figures);
    prompts.runDialog(window);
}

void ChartLauncher::serve(StatisticDialog& report, UserPrompts& prompts) {
    QObject::connect(&report, &StatisticDialog::chartRequested, &report,
                     [&report, &prompts] { show(report, prompts, &report); });
}
