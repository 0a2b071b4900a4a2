#include "core/bulkmemory.h"

#include <sys/mman.h>

#include <cstdint>
#include <new>

namespace KestLib {

namespace {
// Below this a piece is not worth a mapping of its own: a small book keeps
// the memory it had.
constexpr std::size_t mappedFrom = std::size_t{1} << 20;

#ifdef PENNYWELL_HUGE_PAGE_ARENA
constexpr bool mapping = true;
#else
constexpr bool mapping = false;
#endif
}  // namespace

std::size_t roundToHugePages(std::size_t bytes) { return (bytes + hugePageSize - 1) / hugePageSize * hugePageSize; }

void* mapHugePages(std::size_t bytes) {
    const std::size_t size = roundToHugePages(bytes);
    // One huge page more than needed, so that a 2 MB boundary lies inside;
    // the ends before and after it go back at once.
    const std::size_t mapped = size + hugePageSize;
    void* raw = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    const auto start = reinterpret_cast<std::uintptr_t>(raw);
    const std::uintptr_t aligned = (start + hugePageSize - 1) / hugePageSize * hugePageSize;
    if (aligned > start) munmap(raw, aligned - start);
    const std::uintptr_t end = start + mapped;
    if (end > aligned + size) munmap(reinterpret_cast<void*>(aligned + size), end - (aligned + size));
    // Refused where the kernel has no transparent huge pages; the memory then
    // serves in small pages as any other.
    madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
    return reinterpret_cast<void*>(aligned);
}

void unmapHugePages(void* memory, std::size_t bytes) noexcept {
    if (memory != nullptr) munmap(memory, roundToHugePages(bytes));
}

std::size_t bulkSize(std::size_t bytes) { return mapping && bytes >= mappedFrom ? roundToHugePages(bytes) : bytes; }

void* allocateBulk(std::size_t bytes) {
    if (mapping && bytes >= mappedFrom) return mapHugePages(bytes);
    return ::operator new(bytes);
}

void freeBulk(void* memory, std::size_t bytes) noexcept {
    if (mapping && bytes >= mappedFrom)
        unmapHugePages(memory, bytes);
    else
        ::operator delete(memory);
}

}  // namespace KestLib
