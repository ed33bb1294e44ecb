// An allocator for the few large buffers of a loaded catalogue (file text, line table, section
// list, name index). Blocks of 2 MiB and more are mapped directly and marked for huge pages where
// the system offers them, which saves most of the address translation misses of random lookups.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace mcb {

void* AllocateBigBlock(std::size_t bytes, std::size_t alignment);
void FreeBigBlock(void* block, std::size_t bytes, std::size_t alignment);

template <class T> struct BigBlockAllocator {
    using value_type = T;

    BigBlockAllocator() = default;
    template <class U> BigBlockAllocator(const BigBlockAllocator<U>&) {}

    T* allocate(std::size_t n) { return static_cast<T*>(AllocateBigBlock(n * sizeof(T), alignof(T))); }
    void deallocate(T* block, std::size_t n) { FreeBigBlock(block, n * sizeof(T), alignof(T)); }

    friend bool operator==(const BigBlockAllocator&, const BigBlockAllocator&) { return true; }
};

template <class T> using BigVector = std::vector<T, BigBlockAllocator<T>>;

} // namespace mcb
