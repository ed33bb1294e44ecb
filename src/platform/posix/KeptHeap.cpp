#include "platform/posix/KeptHeap.h"

#include <cstdlib> // defines __GLIBC__ with the C library's version

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace mcb {

namespace {

// The C library's own defaults.
constexpr int kUsualMapThreshold = 128 * 1024;
constexpr int kUsualTrimThreshold = 128 * 1024;
// Blocks up to this size, and this much free memory at the top, stay in the heap during the job.
constexpr int kKeptMapThreshold = 32 * 1024 * 1024;
constexpr int kKeptTrimThreshold = 64 * 1024 * 1024;

} // namespace

#if defined(__GLIBC__)
KeptHeap::KeptHeap() {
    mallopt(M_MMAP_THRESHOLD, kKeptMapThreshold);
    mallopt(M_TRIM_THRESHOLD, kKeptTrimThreshold);
}

KeptHeap::~KeptHeap() {
    mallopt(M_MMAP_THRESHOLD, kUsualMapThreshold);
    mallopt(M_TRIM_THRESHOLD, kUsualTrimThreshold);
    malloc_trim(0);
}
#else
KeptHeap::KeptHeap() = default;
KeptHeap::~KeptHeap() = default;
#endif

} // namespace mcb
