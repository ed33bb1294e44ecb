#include "platform/posix/ExecutablePath.h"

#include <climits>
#include <unistd.h>

namespace mcb {

std::string ExecutableDirectory(const std::string& fallback) {
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer);
    const std::string path = length > 0 && length < ssize_t(sizeof buffer) ? std::string(buffer, length) : fallback;
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? "./" : path.substr(0, slash + 1);
}

} // namespace mcb
