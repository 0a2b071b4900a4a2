#pragma once

#include <cstddef>

namespace KestLib {

// Memory in large pieces for the records and texts of a book. A million
// transactions are tens of megabytes touched for the first time while the
// book loads; in 4 KB pages that is thousands of page faults, in the
// system's 2 MB transparent huge pages a few dozen. So, in builds that ask
// for it (PENNYWELL_HUGE_PAGES), a piece of a megabyte or more is mapped on a
// 2 MB boundary and offered to the kernel for huge pages; smaller pieces, and
// every piece in other builds, come from operator new. Where the system has
// no huge pages the mapping is used as it is.
//
// Pieces are aligned for any record. allocateBulk throws std::bad_alloc;
// freeBulk takes the size that was asked for.
void* allocateBulk(std::size_t bytes);
void freeBulk(void* memory, std::size_t bytes) noexcept;

// The size that allocateBulk really gives for a request: a piece that is
// rounded up anyway may as well be used whole.
std::size_t bulkSize(std::size_t bytes);

// The mapping itself, which allocateBulk uses where the build asks for it:
// bytes rounded up to whole huge pages, on a huge-page boundary, offered for
// huge pages. Throws std::bad_alloc.
inline constexpr std::size_t hugePageSize = std::size_t{2} << 20;
std::size_t roundToHugePages(std::size_t bytes);
void* mapHugePages(std::size_t bytes);
void unmapHugePages(void* memory, std::size_t bytes) noexcept;

// The same memory for a standard container, such as the pointer array of a
// big record list.
template <typename T>
struct BulkAllocator {
    using value_type = T;
    BulkAllocator() = default;
    template <typename U>
    BulkAllocator(const BulkAllocator<U>&) noexcept {}
    T* allocate(std::size_t count) { return static_cast<T*>(allocateBulk(count * sizeof(T))); }
    void deallocate(T* memory, std::size_t count) noexcept { freeBulk(memory, count * sizeof(T)); }
    friend bool operator==(const BulkAllocator&, const BulkAllocator&) { return true; }
};

}  // namespace KestLib
