#include "platform/HeapPages.h"

#include <cstdint>
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace HeapPages {

void preferLargePages()
{
#if defined(__GLIBC__)
    // The heap is reserved in one large step (address space only; pages
    // count once touched) and never trimmed below it, so that the advice
    // below covers what the start-up allocates.
    constexpr std::size_t kReserve = std::size_t{64} << 20;
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 128 << 20);
    mallopt(M_TOP_PAD, static_cast<int>(kReserve));

    const auto before = reinterpret_cast<std::uintptr_t>(sbrk(0));
    // More than the free top of the heap, so that the heap grows now.
    void* grow = std::malloc(mallinfo2().keepcost + (std::size_t{1} << 20));
    std::free(grow);
    const auto after = reinterpret_cast<std::uintptr_t>(sbrk(0));

    const std::uintptr_t from = (before + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t to = after & ~(kLargePage - 1);
    // Advice only: a system without large pages refuses it, and nothing changes.
    if (grow && to > from)
        madvise(reinterpret_cast<void*>(from), to - from, MADV_HUGEPAGE);
#endif
}

} // namespace HeapPages
