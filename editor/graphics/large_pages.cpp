#include "graphics/large_pages.h"

#include <cstdint>

#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace mosalind {

void AdviseLargePages(void* start, std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    constexpr std::size_t kWorthIt = std::size_t{2} << 20;
    if (start == nullptr || bytes < kWorthIt) {
        return;
    }
    // The advice covers every small page the buffer touches, its first and last included: a
    // large buffer sits at a small offset into its own mapping (the allocator's bookkeeping
    // comes first), so advice kept strictly inside it never covers a whole large page and
    // the system keeps to small ones. The end pages belong to the same mapping, and the
    // advice changes no byte of anything else they hold.
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const auto from = reinterpret_cast<std::uintptr_t>(start) / page * page;
    const auto to = (reinterpret_cast<std::uintptr_t>(start) + bytes + page - 1) / page * page;
    if (to > from) {
        madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
    }
#else
    (void)start;
    (void)bytes;
#endif
}

}  // namespace mosalind
