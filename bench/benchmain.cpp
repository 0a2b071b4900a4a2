// The main of every Google Benchmark program. Built twice: plain, and with
// PENNYWELL_BENCH_QT for the programs that show widgets, which run offscreen
// under an application object and keep their settings apart from the user's.

#include "bench/benchmain.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <utility>
#include <vector>

#ifdef PENNYWELL_BENCH_QT
#include <QApplication>

#include "bench/usertestsettings.h"
#endif

namespace {

struct Hooks {
    std::vector<std::function<void()>> before;
    std::vector<std::function<void()>> after;
    const char* flag = nullptr;
    std::function<int(int, char**)> instead;
};

// Filled while the programs' variables are initialised, before main.
Hooks& hooks() {
    static Hooks registered;
    return registered;
}

int runBenchmarks(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    for (const auto& step : hooks().before) step();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto& step : hooks().after) step();
    return 0;
}

}  // namespace

namespace BenchMain {

bool beforeRuns(std::function<void()> step) {
    hooks().before.push_back(std::move(step));
    return true;
}

bool afterRuns(std::function<void()> step) {
    hooks().after.push_back(std::move(step));
    return true;
}

bool insteadWith(const char* flag, std::function<int(int, char**)> run) {
    hooks().flag = flag;
    hooks().instead = std::move(run);
    return true;
}

}  // namespace BenchMain

int main(int argc, char** argv) {
    if (hooks().flag && argc >= 2 && std::strcmp(argv[1], hooks().flag) == 0) return hooks().instead(argc, argv);
#ifdef PENNYWELL_BENCH_QT
    qputenv("QT_QPA_PLATFORM", "offscreen");
    useTestSettings();
    QApplication app(argc, argv);
#endif
    return runBenchmarks(argc, argv);
}
