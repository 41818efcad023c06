#include "core/HugePages.h"

#include <cstdint>
#include <sys/mman.h>

void AdviseHugePages(const void* data, std::size_t bytes)
{
    constexpr std::uintptr_t huge = std::uintptr_t(2) << 20;
    if (bytes < 2 * huge)
        return;
    const auto begin = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (begin + huge - 1) & ~(huge - 1);
    const std::uintptr_t last = (begin + bytes) & ~(huge - 1);
    if (last > first)
        madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}
