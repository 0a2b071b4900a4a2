// The main of every Google Benchmark program. Built twice: plain, and with
// PENNYWELL_BENCH_QT for the programs that show widgets, which run offscreen
// under an application object and keep their settings apart from the user's.

#include "bench/benchmain.h"

#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
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

long statusKilobytes(const char* field) {
    std::ifstream status("/proc/self/status");
    const std::string prefix = std::string(field) + ":";
    for (std::string line; std::getline(status, line);)
        if (line.rfind(prefix, 0) == 0) return std::strtol(line.c_str() + prefix.size(), nullptr, 10);
    return -1;
}

void measurePeakInChild(benchmark::State& state, const std::string& arguments) {
    char self[4096] = {};
    if (readlink("/proc/self/exe", self, sizeof self - 1) <= 0) return state.SkipWithError("no program path");
    const std::string command = std::string("'") + self + "' --peak-memory " + arguments;
    long peak = -1;
    for (auto _ : state) {
        FILE* output = popen(command.c_str(), "r");
        char line[256];
        while (output != nullptr && std::fgets(line, sizeof line, output) != nullptr)
            if (std::strncmp(line, "VmHWM_kB=", 9) == 0) peak = std::strtol(line + 9, nullptr, 10);
        if (output == nullptr || pclose(output) != 0 || peak < 0) state.SkipWithError("--peak-memory failed");
    }
    state.counters["VmHWM_MB"] = static_cast<double>(peak) / 1024.0;
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
