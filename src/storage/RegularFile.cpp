#include "storage/RegularFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace mcb {

namespace {

OpenState StateOfError(int error) {
    switch (error) {
    case ENOENT:
        return OpenState::Missing;
    case EISDIR: // a folder opened for writing
    case ENXIO:  // a pipe without a reader opened for writing, a device without its driver
        return OpenState::NotRegular;
    default:
        return OpenState::Failed;
    }
}

// A name that is already known to be something else is not even opened: opening some devices has
// effects of its own. The type of the opened descriptor decides in the end, since the name may be
// replaced between the two looks.
bool NamesOtherThanRegular(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
}

} // namespace

RegularFile RegularFile::ForReading(const std::string& path) {
    return RegularFile(path, O_RDONLY, 0);
}

RegularFile RegularFile::ForAppending(const std::string& path, mode_t mode) {
    return RegularFile(path, O_WRONLY | O_APPEND | O_CREAT, mode);
}

RegularFile::RegularFile(const std::string& path, int flags, mode_t mode) {
    if (NamesOtherThanRegular(path)) {
        state_ = OpenState::NotRegular;
        return;
    }
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
    if (fd < 0) {
        state_ = StateOfError(errno);
        return;
    }
    struct stat info {};
    const bool known = ::fstat(fd, &info) == 0;
    if (!known || !S_ISREG(info.st_mode)) {
        state_ = known ? OpenState::NotRegular : OpenState::Failed;
        ::close(fd);
        return;
    }
    // Reads and writes of a regular file wait as usual; the flag only kept the open from waiting.
    const int status = ::fcntl(fd, F_GETFL);
    if (status < 0 || ::fcntl(fd, F_SETFL, status & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
    size_ = info.st_size;
    state_ = OpenState::Opened;
}

RegularFile::RegularFile(RegularFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)), state_(other.state_), size_(other.size_) {}

RegularFile& RegularFile::operator=(RegularFile&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = std::exchange(other.fd_, -1);
        state_ = other.state_;
        size_ = other.size_;
    }
    return *this;
}

RegularFile::~RegularFile() {
    if (fd_ >= 0) ::close(fd_);
}

int RegularFile::Release() {
    return std::exchange(fd_, -1);
}

} // namespace mcb
