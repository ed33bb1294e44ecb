// Waiting for another process to replace a file, for tests that stop a writer at a random moment:
// the random delay starts once the writer is known to be at work, however slow the machine (or a
// sanitizer build) makes its start.
#pragma once

#include <chrono>
#include <string>
#include <sys/stat.h>
#include <thread>

namespace mcb::test {

// Identity of the file now at `path`: a replacement by rename gives a new inode and a new time.
struct FileStamp {
    ino_t inode = 0;
    timespec modified{};

    static FileStamp Of(const std::string& path) {
        struct stat info {};
        if (::stat(path.c_str(), &info) != 0) return {};
        return {info.st_ino, info.st_mtim};
    }
    bool operator==(const FileStamp& other) const {
        return inode == other.inode && modified.tv_sec == other.modified.tv_sec &&
               modified.tv_nsec == other.modified.tv_nsec;
    }
};

// True once the file at `path` is no longer `before`; false after `limit`.
inline bool WaitForChange(const std::string& path, const FileStamp& before,
                          std::chrono::milliseconds limit = std::chrono::seconds(20)) {
    const auto end = std::chrono::steady_clock::now() + limit;
    while (FileStamp::Of(path) == before) {
        if (std::chrono::steady_clock::now() > end) return false;
        std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    return true;
}

} // namespace mcb::test
