#pragma once

#include <cstddef>
#include <new>

// Memory for table images and key columns, which run to many megabytes on a
// large project: blocks of 2 MB and more are placed in huge pages where the
// system offers them, which saves most of the page faults of filling them and
// the TLB misses of looking things up in them.
void* AllocateLarge(size_t bytes);  // null when there is no memory
void FreeLarge(void* memory);

template <typename T>
struct LargeAllocator {
    using value_type = T;

    LargeAllocator() = default;
    template <typename U>
    LargeAllocator(const LargeAllocator<U>&) noexcept
    {
    }

    T* allocate(size_t n)
    {
        void* memory = AllocateLarge(n * sizeof(T));
        if (memory == nullptr)
            throw std::bad_alloc();
        return static_cast<T*>(memory);
    }
    void deallocate(T* memory, size_t) noexcept { FreeLarge(memory); }

    template <typename U>
    bool operator==(const LargeAllocator<U>&) const noexcept
    {
        return true;
    }
};
