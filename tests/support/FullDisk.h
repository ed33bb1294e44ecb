// While it lives, every write of this process to a file fails as on a full disk (the file size
// limit is 0), so that tests can make any save fail and see what the program does then.
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace mcb::test {

class FullDisk {
public:
    FullDisk() {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        previousSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit none{0, previous_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &none);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousSignal_);
    }
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

private:
    rlimit previous_{};
    void (*previousSignal_)(int) = SIG_DFL;
};

} // namespace mcb::test
