#pragma once

// A ceiling on the memory a test may take, so that an allocation sized from
// what a file claims rather than from what it holds fails the test, instead
// of passing unseen on a machine with memory to spare. Include it in one
// source file of a test program.
//
// Under AddressSanitizer the ceiling is the sanitizer's, for the whole
// program: no single allocation above it, and malloc returns null there as
// a system out of memory does (so the toolkit's allocations throw
// std::bad_alloc), while operator new above it ends the test with the
// sanitizer's report. A limit of the address space can't be used there, as
// the sanitizer reserves terabytes of it. Elsewhere the ceiling is that
// limit (RLIMIT_AS), set above what the process already maps while a
// MemoryCeiling lives; any allocation past it throws std::bad_alloc.

#include <sys/resource.h>
#include <unistd.h>

#include <cstddef>
#include <fstream>

#if defined(__SANITIZE_ADDRESS__)
#define PENNYWELL_TEST_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PENNYWELL_TEST_ASAN 1
#endif
#endif

inline constexpr std::size_t memoryCeilingMb = 256;

#ifdef PENNYWELL_TEST_ASAN

extern "C" __attribute__((used, visibility("default"))) const char* __asan_default_options() {
    return "allocator_may_return_null=1:max_allocation_size_mb=256";
}
static_assert(memoryCeilingMb == 256, "the sanitizer's option above spells the ceiling");

class MemoryCeiling {
public:
    MemoryCeiling() {}
    ~MemoryCeiling() {}
};

#else

class MemoryCeiling {
public:
    MemoryCeiling() {
        getrlimit(RLIMIT_AS, &before);
        std::size_t pages = 0;
        std::ifstream("/proc/self/statm") >> pages;
        rlimit ceiling = before;
        ceiling.rlim_cur = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE)) +
                           static_cast<rlim_t>(memoryCeilingMb) * 1024 * 1024;
        if (before.rlim_max != RLIM_INFINITY && ceiling.rlim_cur > before.rlim_max) ceiling.rlim_cur = before.rlim_max;
        setrlimit(RLIMIT_AS, &ceiling);
    }
    ~MemoryCeiling() { setrlimit(RLIMIT_AS, &before); }
    MemoryCeiling(const MemoryCeiling&) = delete;
    MemoryCeiling& operator=(const MemoryCeiling&) = delete;

private:
    rlimit before{};
};

#endif
