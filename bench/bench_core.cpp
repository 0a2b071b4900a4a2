// Timings of the core on generated books of 10k, 100k and 1M transactions:
// save, load, one filtered sum, and the per-type sums of the analyses.
//
// `bench_core --peak-memory [count]` instead loads a generated book of
// `count` transactions (1M by default) in a process that has held nothing
// else and prints its peak resident memory (VmHWM); the benchmark
// PeakMemoryOfLoadedBook runs that mode in a child and reports the figure.

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "bench/benchmain.h"
#include "core/accountdb.h"
#include "core/errormsg.h"
#include "tests/support/generatedbook.h"

namespace {

using KestLib::AccountDB;
using KestLib::packDate;

// A temporary folder for the books, removed when the process ends.
class WorkFolder {
public:
    WorkFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "pennywell-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        path = pattern;
    }
    ~WorkFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

const std::filesystem::path& workFolder() {
    static const WorkFolder folder;
    return folder.path;
}

std::string bookPath(int transactions) {
    return (workFolder() / ("book" + std::to_string(transactions) + ".pwdb")).string();
}

// Each size is generated and saved once per process, then kept in memory as
// it was loaded from its file, which is how the program holds a book.
AccountDB& book(int transactions) {
    static std::map<int, std::unique_ptr<AccountDB>> books;
    auto& slot = books[transactions];
    if (!slot) {
        std::string path = bookPath(transactions);
        BenchBooks::generateBook(transactions).saveFile(path);
        slot = std::make_unique<AccountDB>();
        slot->loadFile(path);
    }
    return *slot;
}

std::string bookFile(int transactions) {
    book(transactions);
    return bookPath(transactions);
}

// The analyses' usual question: a few years out of the ten in the book.
const std::int32_t rangeStart = packDate(2003, 1, 1);
const std::int32_t rangeEnd = packDate(2006, 12, 31);

void SaveFile(benchmark::State& state) {
    AccountDB& db = book(static_cast<int>(state.range(0)));
    const std::string target = (workFolder() / ("saved" + std::to_string(state.range(0)) + ".pwdb")).string();
    for (auto _ : state) {
        std::string name = target;
        db.saveFile(name);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(target)));
}

// Into a fresh database each time, as Open does; freeing it is not timed.
void LoadFile(benchmark::State& state) {
    const std::string path = bookFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        auto db = std::make_unique<AccountDB>();
        db->loadFile(path);
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

void SumAmountNoFilter(benchmark::State& state) {
    const AccountDB& db = book(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(db.sumAmount(-1, -1, -1, -1));
}

void SumAmountTypeInOutDates(benchmark::State& state) {
    const AccountDB& db = book(static_cast<int>(state.range(0)));
    const int typeId = db.typeAt(7).id();
    for (auto _ : state) benchmark::DoNotOptimize(db.sumAmount(typeId, 1, rangeStart, rangeEnd));
}

// Income and outgoing of every possible type over a date range, as the
// percentage and budget analyses need them: 256 sumAmount calls ...
void PerTypeBySumAmount(benchmark::State& state) {
    const AccountDB& db = book(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        std::array<KestLib::InOutSums, KestLib::TypeIdTable::capacity> sums{};
        for (int id = 0; id < KestLib::TypeIdTable::capacity; ++id) {
            sums[id].income = db.sumAmount(id, 0, rangeStart, rangeEnd);
            sums[id].outgoing = db.sumAmount(id, 1, rangeStart, rangeEnd);
        }
        benchmark::DoNotOptimize(sums);
    }
}

// ... and the same in one pass.
void PerTypeBySumByType(benchmark::State& state) {
    const AccountDB& db = book(static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(db.sumByType(rangeStart, rangeEnd));
}

// The book is generated and saved by a child, so this process holds nothing
// but the loaded book when its peak is read.
int reportPeakMemory(int transactions) {
    std::string path = (workFolder() / "peak").string();
    const pid_t child = fork();
    if (child == 0) {
        AccountDB db = BenchBooks::generateBook(transactions);
        db.saveFile(path);
        _exit(0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "generating the book failed\n");
        return 1;
    }
    path += ".pwdb";
    const long peakBefore = BenchMain::statusKilobytes("VmHWM");
    AccountDB db;
    const auto start = std::chrono::steady_clock::now();
    try {
        db.loadFile(path);
    } catch (const KestLib::ErrorMsg& error) {
        std::fprintf(stderr, "%s\n", error.message().c_str());
        return 1;
    }
    const std::chrono::duration<double, std::milli> loadTime = std::chrono::steady_clock::now() - start;
    std::printf(
        "transactions=%d\nfile_bytes=%ju\nload_ms_in_fresh_process=%.1f\nVmHWM_before_load_kB=%ld\n"
        "VmHWM_kB=%ld\nVmRSS_kB=%ld\n",
        db.transCount(), static_cast<std::uintmax_t>(std::filesystem::file_size(path)), loadTime.count(), peakBefore,
        BenchMain::statusKilobytes("VmHWM"), BenchMain::statusKilobytes("VmRSS"));
    return 0;
}

void PeakMemoryOfLoadedBook(benchmark::State& state) {
    BenchMain::measurePeakInChild(state, std::to_string(state.range(0)));
}

void bookSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(10'000)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
}

}  // namespace

[[maybe_unused]] const bool peakMemoryMode = BenchMain::insteadWith("--peak-memory", [](int argc, char** argv) {
    return reportPeakMemory(argc >= 3 ? std::atoi(argv[2]) : 1'000'000);
});

BENCHMARK(SaveFile)->Apply(bookSizes);
BENCHMARK(LoadFile)->Apply(bookSizes);
BENCHMARK(SumAmountNoFilter)->Apply(bookSizes);
BENCHMARK(SumAmountTypeInOutDates)->Apply(bookSizes);
BENCHMARK(PerTypeBySumAmount)->Apply(bookSizes);
BENCHMARK(PerTypeBySumByType)->Apply(bookSizes);
BENCHMARK(PeakMemoryOfLoadedBook)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);
