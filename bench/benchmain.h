#pragma once

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

// The one main of every Google Benchmark program (bench/benchmain.cpp). A
// program that needs more than running its benchmarks registers it here,
// from a variable of its own source file:
//
//   [[maybe_unused]] const bool removed = BenchMain::afterRuns([] { ... });
namespace BenchMain {

// Run before the first benchmark, outside every timing.
bool beforeRuns(std::function<void()> step);
// Run after the last benchmark, while the application object still exists.
bool afterRuns(std::function<void()> step);
// Given FLAG as its first argument, the program runs RUN(argc, argv) in place
// of the benchmarks and ends with its result.
bool insteadWith(const char* flag, std::function<int(int argc, char** argv)> run);

// A figure of this process's /proc/self/status in kB ("VmHWM", "VmRSS"); -1
// when the system has none.
long statusKilobytes(const char* field);
// Runs this program again as `PROGRAM --peak-memory ARGUMENTS` and gives
// state the counter VmHWM_MB from the line "VmHWM_kB=N" the child prints, so
// that a peak is measured in a process that held nothing before.
void measurePeakInChild(benchmark::State& state, const std::string& arguments);

}  // namespace BenchMain
