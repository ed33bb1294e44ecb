#include "platform/posix/CatalogueLock.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb {

namespace {

// A folder that only this user may enter: another user could otherwise take or fake the marks.
bool PrivateFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) return false;
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode) && info.st_uid == ::geteuid() &&
           (info.st_mode & 077) == 0;
}

std::string Canonical(const std::string& path) {
    char resolved[PATH_MAX];
    if (::realpath(path.c_str(), resolved)) return resolved;
    // Not there yet (a new catalogue): its folder's canonical path and its own name.
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (!::realpath(folder.c_str(), resolved)) return path;
    const std::string base = resolved;
    return (base == "/" ? base : base + "/") + name;
}

// FNV-1a: stable across runs and versions, unlike std::hash.
std::uint64_t StableHash(const std::string& text) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : text) hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

} // namespace

std::optional<std::string> ClaimFolder() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime == '/' && PrivateFolder(runtime)) {
        const std::string folder = std::string(runtime) + "/mirvane-cdbase";
        if (PrivateFolder(folder)) return folder;
    }
    const std::string folder = "/tmp/mirvane-cdbase-" + std::to_string(::geteuid());
    if (PrivateFolder(folder)) return folder;
    return std::nullopt;
}

std::string ClaimName(const std::string& catalogue) {
    static const char digits[] = "0123456789abcdef";
    std::uint64_t hash = StableHash(Canonical(catalogue));
    std::string name(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) name[std::size_t(i)] = digits[hash & 15];
    return name;
}

CatalogueLock::Outcome CatalogueLock::Take(const std::string& folder, const std::string& catalogue,
                                           std::unique_ptr<CatalogueLock>& lock) {
    const std::string path = folder + "/" + ClaimName(catalogue) + ".lock";
    // Close-on-exec: a program started from here must not keep the lock alive after this one ends.
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) return Outcome::Unavailable;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        lock.reset(new CatalogueLock(fd));
        return Outcome::Taken;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return held ? Outcome::HeldElsewhere : Outcome::Unavailable;
}

CatalogueLock::~CatalogueLock() {
    ::close(fd_);
}

} // namespace mcb
