#include "storage/WriteAccess.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace mcb {

namespace {

std::string FolderPart(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

std::string SaveFolderOf(const std::string& path) {
    char resolved[PATH_MAX];
    return FolderPart(::realpath(path.c_str(), resolved) ? std::string(resolved) : path);
}

WriteAccess WriteAccessOf(const std::string& path) {
    if (::access(path.c_str(), W_OK) != 0 && errno != ENOENT) return WriteAccess::FileReadOnly;
    if (::access(SaveFolderOf(path).c_str(), W_OK | X_OK) != 0) return WriteAccess::FolderReadOnly;
    return WriteAccess::Writable;
}

} // namespace mcb
