#pragma once

class QWidget;
class StatisticDialog;
class UserPrompts;

// The one way to the charts, from the Charts command once its choices are
// made and from a report's Chart button alike.
namespace ChartLauncher {

// Shows the charts of the choices' current choices in a chart window under
// parent, run through prompts. A core error is shown as a warning instead.
void show(const StatisticDialog& choices, UserPrompts& prompts, QWidget* parent);
// From now on the report's Chart button shows the charts of its choices,
// under the report.
void serve(StatisticDialog& report, UserPrompts& prompts);

}  // namespace ChartLauncher
