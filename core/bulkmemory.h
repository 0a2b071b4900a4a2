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
void freeBulk(void* memory, std::size_t bytes);

// The size that allocateBulk really gives for a request: a piece that is
// rounded up anyway may as well be used whole.
std::size_t bulkSize(std::size_t bytes);

}  // namespace KestLib
