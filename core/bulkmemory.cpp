#include "bulkmemory.h"

#include <new>

#ifdef PENNYWELL_HUGE_PAGE_ARENA
#include <sys/mman.h>

#include <cstdint>
#endif

namespace KestLib {

#ifdef PENNYWELL_HUGE_PAGE_ARENA

namespace {
constexpr std::size_t hugePage = std::size_t{2} << 20;
// Below this a piece is not worth a mapping of its own: a small book keeps
// the memory it had.
constexpr std::size_t mappedFrom = std::size_t{1} << 20;

std::size_t roundUp(std::size_t bytes) { return (bytes + hugePage - 1) / hugePage * hugePage; }
}  // namespace

std::size_t bulkSize(std::size_t bytes) { return bytes >= mappedFrom ? roundUp(bytes) : bytes; }

void* allocateBulk(std::size_t bytes) {
    if (bytes < mappedFrom) return ::operator new(bytes);
    const std::size_t size = roundUp(bytes);
    // One huge page more than needed, so that a 2 MB boundary lies inside;
    // the ends before and after it go back at once.
    const std::size_t mapped = size + hugePage;
    void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + hugePage - 1) / hugePage * hugePage;
    if (aligned > start) munmap(raw, aligned - start);
    const std::uintptr_t end = start + mapped;
    if (end > aligned + size) munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
    // Refused where the kernel has no transparent huge pages; the memory then
    // serves in small pages as any other.
    madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

void freeBulk(void* memory, std::size_t bytes) noexcept {
    if (memory == nullptr) return;
    if (bytes < mappedFrom)
        ::operator delete(memory);
    else
        munmap(memory, roundUp(bytes));
}

#else

std::size_t bulkSize(std::size_t bytes) { return bytes; }

void* allocateBulk(std::size_t bytes) { return ::operator new(bytes); }

void freeBulk(void* memory, std::size_t) noexcept { ::operator delete(memory); }

#endif

}  // namespace KestLib
