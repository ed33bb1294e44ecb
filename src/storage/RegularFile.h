// Opening a file that must be a regular file. A named pipe, a device or a folder in its place is
// refused without ever waiting: opening a pipe waits for its other end, a terminal could become the
// program's controlling terminal, and reading a device may never end.
#pragma once

#include <string>
#include <sys/types.h>

namespace mcb {

enum class OpenState {
    Opened,
    Missing,    // no file of that name
    NotRegular, // a pipe, a device, a folder or a socket
    Failed,     // no permission, or any other error
};

class RegularFile {
public:
    // For reading.
    static RegularFile ForReading(const std::string& path);
    // For appending; created with `mode` (less the umask) when missing.
    static RegularFile ForAppending(const std::string& path, mode_t mode);

    RegularFile(RegularFile&& other) noexcept;
    RegularFile& operator=(RegularFile&& other) noexcept;
    ~RegularFile();

    bool Ok() const { return fd_ >= 0; }
    OpenState State() const { return state_; }
    // The descriptor, -1 unless opened; it stays owned by this object.
    int Fd() const { return fd_; }
    // The size when it was opened.
    off_t Size() const { return size_; }
    // Hands the descriptor over to the caller, who closes it.
    int Release();

private:
    RegularFile(const std::string& path, int flags, mode_t mode);

    int fd_ = -1;
    OpenState state_ = OpenState::Failed;
    off_t size_ = 0;
};

} // namespace mcb
