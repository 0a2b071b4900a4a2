// A cold process as a user meets it: the main window is built, opens the
// book named on the command line, fills and sorts its table and paints it;
// then the process prints how long after its own start the table was on
// screen, and ends. Given a column, it then clicks that column's header once,
// as a user's first sort by it, and prints how long the sorted table took to
// be painted, in wall and in processor time (the machine may be busy). Run it
// without a display (QT_QPA_PLATFORM=offscreen); tools/bench-cold times it.
//
//   cold_window BOOK [COLUMN]

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTableView>

#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "bench/benchprompts.h"
#include "bench/usertestsettings.h"
#include "core/accountdb.h"
#include "ui/window/mainwindow.h"

namespace {

// Seconds since this process started, from the kernel's own record of the
// start (clock ticks since boot), so loading the libraries is counted too.
double secondsSinceProcessStart() {
    std::ifstream statFile("/proc/self/stat");
    std::string stat((std::istreambuf_iterator<char>(statFile)), std::istreambuf_iterator<char>());
    // The fields after the command name, which is in parentheses and may hold blanks.
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int number = 3; number <= 22 && fields >> field; ++number)
        if (number == 22) startTicks = std::stoull(field);
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9 -
           static_cast<double>(startTicks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

double seconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    useTestSettings();
    QApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: cold_window BOOK [COLUMN]\n");
        return 2;
    }
    BenchPrompts prompts;
    MainWindow window;
    window.setPrompts(&prompts);
    window.setLangDir(QDir::tempPath() + QStringLiteral("/pennywell-cold-window-no-languages"));
    window.initWindow();
    window.show();
    // Loads the book, fills the table, fits the columns and applies the sort.
    window.openFile(QFile::decodeName(argv[1]));
    // The paint of the filled table belongs to the wait.
    QCoreApplication::processEvents();
    const double shown = secondsSinceProcessStart();
    if (!prompts.lastWarning.isEmpty() || window.database().transCount() == 0) {
        std::fprintf(stderr, "cold_window: %s\n", qPrintable(prompts.lastWarning));
        return 1;
    }
    std::printf("rows=%d shown_s=%.3f\n", window.database().transCount(), shown);
    if (argc == 3) {
        auto* const table = window.findChild<QTableView*>();
        const int column = std::atoi(argv[2]);
        if (!table || column < 0 || column >= table->model()->columnCount()) {
            std::fprintf(stderr, "cold_window: no column %s\n", argv[2]);
            return 2;
        }
        const double wallBefore = seconds(CLOCK_MONOTONIC);
        const double cpuBefore = seconds(CLOCK_PROCESS_CPUTIME_ID);
        // What a click on the header sends; the window sorts on it.
        emit table->horizontalHeader()->sectionClicked(column);
        QCoreApplication::processEvents();
        std::printf("column=%d sort_s=%.3f sort_cpu_s=%.3f\n", column, seconds(CLOCK_MONOTONIC) - wallBefore,
                    seconds(CLOCK_PROCESS_CPUTIME_ID) - cpuBefore);
    }
    return 0;
}
