// The same books in both formats of the file: load, total and save of 1M
// transactions, for the generated book (ASCII with some Big5) and for the
// household shape of the Chinese sample book, whose comments grow from two
// bytes a character in Big5 to three in UTF-8. Format 2 should stay within
// 1.3 times format 1 in time and memory.
//
// `bench_format2 --peak-memory FORMAT SHAPE` instead loads such a book in a
// process that has held nothing else and prints its peak resident memory;
// PeakMemory runs that mode in a child for each format and shape.

#include <benchmark/benchmark.h>

#include <sys/wait.h>
#include <unistd.h>

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
#include "text/booktext.h"

namespace {

using KestLib::AccountDB;

constexpr int transactions = 1'000'000;

const std::filesystem::path& workFolder() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "pennywell-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder;
}

[[maybe_unused]] const bool removed = BenchMain::afterRuns([] {
    std::error_code ignored;
    std::filesystem::remove_all(workFolder(), ignored);
});

// shape 0: the generated book; 1: the household shape of the Chinese sample.
AccountDB generated(int shape, int format) {
    AccountDB db = shape == 0 ? BenchBooks::generateBook(transactions)
                              : BenchBooks::householdBook(transactions, BenchBooks::HouseholdShape{});
    if (format == 2) PwText::convertToFormat2(db, 2);
    return db;
}

std::string bookFile(int shape, int format) {
    static std::map<int, std::string> files;
    std::string& path = files[shape * 10 + format];
    if (path.empty()) {
        path = (workFolder() / ("book" + std::to_string(shape) + "-" + std::to_string(format) + ".pwdb")).string();
        generated(shape, format).saveFile(path);
    }
    return path;
}

// Kept as loaded from its file, as the program holds a book.
const AccountDB& loadedBook(int shape, int format) {
    static std::map<int, std::unique_ptr<AccountDB>> books;
    auto& slot = books[shape * 10 + format];
    if (!slot) {
        slot = std::make_unique<AccountDB>();
        slot->loadFile(bookFile(shape, format));
    }
    return *slot;
}

void Load(benchmark::State& state) {
    const std::string path = bookFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) {
        auto db = std::make_unique<AccountDB>();
        db->loadFile(path);
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);
}

void Total(benchmark::State& state) {
    const AccountDB& db = loadedBook(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state) benchmark::DoNotOptimize(db.sumAmount(-1, -1, -1, -1));
}

void Save(benchmark::State& state) {
    AccountDB copy;
    copy.loadFile(bookFile(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
    const std::string target = (workFolder() / "saved.pwdb").string();
    for (auto _ : state) {
        std::string name = target;
        copy.saveFile(name);
    }
}

int reportPeakMemory(int format, int shape) {
    std::string path = (workFolder() / "peak").string();
    const pid_t child = fork();
    if (child == 0) {
        generated(shape, format).saveFile(path);
        _exit(0);
    }
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return 1;
    AccountDB db;
    try {
        db.loadFile(path + ".pwdb");
    } catch (const KestLib::ErrorMsg& error) {
        std::fprintf(stderr, "%s\n", error.message().c_str());
        return 1;
    }
    std::printf("VmHWM_kB=%ld\n", BenchMain::statusKilobytes("VmHWM"));
    return 0;
}

void PeakMemory(benchmark::State& state) {
    BenchMain::measurePeakInChild(state, std::to_string(state.range(1)) + " " + std::to_string(state.range(0)));
}

void shapesAndFormats(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"shape", "format"});
    for (int shape : {0, 1})
        for (int format : {1, 2}) benchmark->Args({shape, format});
    benchmark->Unit(benchmark::kMillisecond);
}

}  // namespace

[[maybe_unused]] const bool peakMemoryMode = BenchMain::insteadWith("--peak-memory", [](int argc, char** argv) {
    return argc >= 4 ? reportPeakMemory(std::atoi(argv[2]), std::atoi(argv[3])) : 2;
});

BENCHMARK(Load)->Apply(shapesAndFormats);
BENCHMARK(Total)->Apply(shapesAndFormats);
BENCHMARK(Save)->Apply(shapesAndFormats);
BENCHMARK(PeakMemory)->Apply(shapesAndFormats)->Iterations(1);
