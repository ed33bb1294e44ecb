#include "storage/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb {

namespace {

// The directory part of a path with its trailing "/", empty for a plain name.
std::string DirectoryPrefix(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Follows symbolic links to the file they name (which need not exist yet); nothing for a loop.
std::optional<std::string> ResolveLinks(std::string path) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return path;
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target);
        if (n <= 0 || n == ssize_t(sizeof target)) return std::nullopt;
        const std::string_view link(target, std::size_t(n));
        path = link.front() == '/' ? std::string(link) : DirectoryPrefix(path) + std::string(link);
    }
    return std::nullopt;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Every save holds an exclusive lock on its temporary file from its creation to the rename, so a
// temporary file that nobody holds locked is the leftover of a save that no longer runs (killed,
// or cut off by a power loss). Removes it when it is one; true when the name is free now.
bool RemoveLeftover(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT;
    struct stat held {};
    struct stat named {};
    const bool leftover = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &held) == 0 && S_ISREG(held.st_mode) &&
                          ::lstat(path.c_str(), &named) == 0 && SameFile(held, named);
    const bool removed = leftover && ::unlink(path.c_str()) == 0;
    ::close(fd);
    return removed;
}

void WaitForLock(int fd) {
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) continue;
}

// Locks a temporary file just created; false when a cleaner took it for a leftover in the moment
// before the lock, so that the name must be tried again.
bool KeepAsOwn(int fd, const std::string& path) {
    WaitForLock(fd);
    // A file system without locks still gets the file: the check below tells whether it is ours.
    struct stat held {};
    struct stat named {};
    return ::fstat(fd, &held) == 0 && ::lstat(path.c_str(), &named) == 0 && SameFile(held, named);
}

constexpr int kTildeNames = 16; // names with one more "~" each, tried before a name of its own
constexpr int kAttempts = 64;

std::string TildeName(std::string_view tempName, int tildes) {
    return std::string(std::size_t(tildes), '~').append(tempName);
}

// Removes the leftovers with more "~" than the name taken, up to the first free name past those
// that saves still use.
void RemoveLeftoversFrom(const std::string& prefix, std::string_view tempName, int tildes) {
    for (; tempName.size() + std::size_t(tildes) <= NAME_MAX; ++tildes) {
        const std::string path = prefix + TildeName(tempName, tildes);
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 && tildes >= kTildeNames) return;
        RemoveLeftover(path);
    }
}

// Creates and locks a temporary file in the directory. The name is `tempName`, or with "~" put in
// front while that name belongs to a running save; leftovers of saves no longer running are removed
// on the way, so the name never depends on how many saves were interrupted before.
int CreateTemporary(const std::string& prefix, std::string_view tempName, std::string& tempPath) {
    int tildes = 0;
    for (int attempt = 0; attempt < kAttempts && tildes < kTildeNames; ++attempt) {
        tempPath = prefix + TildeName(tempName, tildes);
        // Private from its creation: the content may be that of a private catalogue.
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0 && KeepAsOwn(fd, tempPath)) {
            RemoveLeftoversFrom(prefix, tempName, tildes + 1);
            return fd;
        }
        if (fd >= 0) {
            ::close(fd);
            continue;
        }
        if (errno != EEXIST) return -1;
        if (!RemoveLeftover(tempPath)) ++tildes;
    }
    // Every such name is held by a running save or by a file that cannot be removed.
    tempPath = prefix + std::string(tempName) + ".XXXXXX";
    const int fd = ::mkostemp(tempPath.data(), O_CLOEXEC);
    if (fd >= 0) WaitForLock(fd);
    return fd;
}

// The new file gets the bits asked for, or keeps the old one's permission bits and, where allowed, its
// owner. A link that is replaced rather than followed passes on nothing.
bool TakeOverAttributes(int fd, const std::string& target, const std::optional<unsigned>& mode, bool followLinks) {
    struct stat old {};
    const int looked = followLinks ? ::stat(target.c_str(), &old) : ::lstat(target.c_str(), &old);
    if (looked != 0 && errno != ENOENT) return false;
    const bool inherits = looked == 0 && !S_ISLNK(old.st_mode);
    struct stat fresh {};
    if (::fstat(fd, &fresh) != 0) return false;
    if (inherits && (old.st_uid != fresh.st_uid || old.st_gid != fresh.st_gid)) {
        // Only the superuser may give a file away; anyone else keeps the new file as their own.
        [[maybe_unused]] const int kept = ::fchown(fd, old.st_uid, old.st_gid);
    }
    const unsigned bits = mode ? *mode : inherits ? unsigned(old.st_mode & 07777) : NewFileMode();
    return ::fchmod(fd, mode_t(bits)) == 0;
}

// The file mode mask from the kernel's view of the process; asking umask() itself would change it
// for a moment under other threads.
std::optional<unsigned> MaskFromProc() {
    std::FILE* status = std::fopen("/proc/self/status", "re");
    if (!status) return std::nullopt;
    char line[256];
    std::optional<unsigned> mask;
    while (!mask && std::fgets(line, sizeof line, status)) {
        unsigned value = 0;
        if (std::sscanf(line, "Umask: %o", &value) == 1) mask = value;
    }
    std::fclose(status);
    return mask;
}

AtomicWrite Named(std::string_view tempName) {
    AtomicWrite how;
    how.tempName = tempName;
    return how;
}

// After the rename the new content is in place; only an input/output error while making the rename
// durable is worth reporting.
bool SyncDirectory(const std::string& prefix) {
    const int fd = ::open(prefix.empty() ? "." : prefix.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return true;
    const bool ok = ::fsync(fd) == 0 || errno != EIO;
    ::close(fd);
    return ok;
}

} // namespace

std::string TempNameFor(const std::string& path, std::string_view prefix, std::string_view suffix) {
    const std::size_t slash = path.rfind('/');
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) about a literal put in front of a
    // temporary string in optimised builds.
    std::string name(prefix);
    name += std::string_view(path).substr(slash == std::string::npos ? 0 : slash + 1);
    name += suffix;
    return name;
}

unsigned NewFileMode() {
    std::optional<unsigned> mask = MaskFromProc();
    if (!mask) {
        const mode_t previous = ::umask(022);
        ::umask(previous);
        mask = unsigned(previous);
    }
    return 0666u & ~*mask;
}

bool WriteFileAtomically(const std::string& path, std::string_view content, const AtomicWrite& how) {
    PendingFile file(path, how);
    return file.Ok() && WriteAll(file.Fd(), content) && file.Commit();
}

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string_view tempName) {
    return WriteFileAtomically(path, content, Named(tempName));
}

PendingFile::PendingFile(const std::string& path, std::string_view tempName) : PendingFile(path, Named(tempName)) {}

PendingFile::PendingFile(const std::string& path, const AtomicWrite& how)
    : mode_(how.mode), followLinks_(how.followLinks) {
    const std::optional<std::string> target = how.followLinks ? ResolveLinks(path) : path;
    if (!target) {
        error_ = ELOOP;
        return;
    }
    target_ = *target;
    prefix_ = DirectoryPrefix(target_);
    fd_ = CreateTemporary(prefix_, how.tempName, tempPath_);
    if (fd_ >= 0) return;
    error_ = errno;
    tempPath_.clear(); // not ours to remove
}

PendingFile::~PendingFile() {
    Discard();
}

void PendingFile::Discard() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    if (!tempPath_.empty()) ::unlink(tempPath_.c_str());
    tempPath_.clear();
}

bool PendingFile::Fail() {
    if (error_ == 0) error_ = errno ? errno : EIO;
    Discard();
    return false;
}

bool PendingFile::Commit() {
    if (fd_ < 0) return false;
    errno = 0;
    // The lock on the temporary file is held until the file has its final name.
    if (!TakeOverAttributes(fd_, target_, mode_, followLinks_) || ::fsync(fd_) != 0 ||
        ::rename(tempPath_.c_str(), target_.c_str()) != 0)
        return Fail();
    tempPath_.clear();
    // Looked at after the rename, which sets the file's status change time.
    struct stat written {};
    committed_ = ::fstat(fd_, &written) == 0 ? IdentityOf(written) : FileIdentity{};
    ::close(fd_); // everything is on disk already: fsync has checked it
    fd_ = -1;
    if (SyncDirectory(prefix_)) return true;
    error_ = EIO;
    return false;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        data.remove_prefix(std::size_t(n));
    }
    return true;
}

} // namespace mcb
