#include "storage/WholeFile.h"

#include "storage/RegularFile.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb {

namespace {

// Bytes read until the buffer is full or the file ends; -1 on an error.
ssize_t ReadFully(int fd, char* buffer, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, buffer + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(done);
}

bool ReadExactly(int fd, std::size_t size, const std::function<char*(std::size_t)>& buffer) {
    if (ReadFully(fd, buffer(size), size) != static_cast<ssize_t>(size)) return false;
    char extra = 0; // a file that grew meanwhile shows as a size mismatch
    return ReadFully(fd, &extra, 1) == 0;
}

} // namespace

ReadState ReadWholeFileInto(const std::string& path, const std::function<char*(std::size_t size)>& buffer,
                            FileIdentity* identity) {
    const RegularFile file = RegularFile::ForReading(path);
    if (file.State() == OpenState::Missing) return ReadState::Missing;
    // Taken before reading: a change made while the file is read then shows at the next look.
    struct stat info {};
    if (!file.Ok() || (identity && ::fstat(file.Fd(), &info) != 0)) return ReadState::Failed;
    if (!ReadExactly(file.Fd(), std::size_t(file.Size()), buffer)) return ReadState::Failed;
    if (identity) *identity = IdentityOf(info);
    return ReadState::Read;
}

std::optional<std::string> ReadWholeFile(const std::string& path, FileIdentity* identity) {
    std::string content;
    const ReadState read = ReadWholeFileInto(
        path,
        [&content](std::size_t size) {
            content.resize(size);
            return content.data();
        },
        identity);
    if (read != ReadState::Read) return std::nullopt;
    return content;
}

} // namespace mcb
