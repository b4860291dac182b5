#include "kxdata/LargeAllocator.h"

#include <cstdlib>

#include <sys/mman.h>

void* AllocateLarge(size_t bytes)
{
    constexpr size_t kHugePage = size_t{2} << 20;
    if (bytes < kHugePage)
        return std::malloc(bytes > 0 ? bytes : 1);
    const size_t size = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = std::aligned_alloc(kHugePage, size);
    if (memory != nullptr)
        ::madvise(memory, size, MADV_HUGEPAGE);
    return memory;
}

void FreeLarge(void* memory)
{
    std::free(memory);
}
