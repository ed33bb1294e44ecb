#include "storage/BigBlock.h"

#include <new>
#include <sys/mman.h>

namespace mcb {

namespace {

constexpr std::size_t kMapFrom = std::size_t(2) << 20;

} // namespace

// Mapped blocks start on a page, which satisfies every alignment a type can ask for.
void* AllocateBigBlock(std::size_t bytes, std::size_t alignment) {
    if (bytes < kMapFrom) return ::operator new(bytes, std::align_val_t(alignment));
    void* block = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (block == MAP_FAILED) throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
    ::madvise(block, bytes, MADV_HUGEPAGE); // only advice: without huge pages it simply has no effect
#endif
    return block;
}

void FreeBigBlock(void* block, std::size_t bytes, std::size_t alignment) {
    if (bytes < kMapFrom)
        ::operator delete(block, std::align_val_t(alignment));
    else
        ::munmap(block, bytes);
}

} // namespace mcb
