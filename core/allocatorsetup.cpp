// Linked into the programs of builds that take their memory from a general
// allocator with its huge-page option, to switch the option on as the
// process starts: nothing for the user to set.

#if defined(PENNYWELL_USE_MIMALLOC)
#include <mimalloc.h>

namespace {
const bool largePages = [] {
    mi_option_enable(mi_option_large_os_pages);
    return true;
}();
}  // namespace

#elif defined(PENNYWELL_USE_JEMALLOC)
// Read by jemalloc when it starts, before the first allocation.
extern "C" {
extern const char* malloc_conf;
const char* malloc_conf = "thp:always,metadata_thp:auto";
}
#endif
