#pragma once

#include <functional>

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

}  // namespace BenchMain
