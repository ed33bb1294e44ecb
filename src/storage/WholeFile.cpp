#include "storage/WholeFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb {

namespace {

// Reads up to size bytes plus one, so that a file that grew meanwhile shows as a size mismatch.
std::optional<std::string> ReadExactly(int fd, std::size_t size) {
    std::string content(size + 1, '\0');
    std::size_t done = 0;
    while (done < content.size()) {
        const ssize_t n = ::read(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    if (done != size) return std::nullopt;
    content.resize(size);
    return content;
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    // Non-blocking open, so that a named pipe in place of the file cannot hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    std::optional<std::string> content;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) content = ReadExactly(fd, std::size_t(info.st_size));
    ::close(fd);
    return content;
}

} // namespace mcb
