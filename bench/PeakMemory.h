// The peak resident memory of the benchmark process, for the counter PeakRSS_MB.
#pragma once

#include <sys/resource.h>

namespace mcb::bench {

inline double PeakRssMegabytes() {
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

} // namespace mcb::bench
