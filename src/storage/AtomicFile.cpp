#include "storage/AtomicFile.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <optional>
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

// Creates a file of a free name in the directory; the name gets one more "~" for each taken one.
int CreateTemporary(const std::string& prefix, std::string_view tempName, std::string& tempPath) {
    std::string name(tempName);
    for (;;) {
        tempPath = prefix + name;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd; // a name too long for the file system ends the loop
        name.insert(0, 1, '~');
    }
}

// The new file keeps the old one's permission bits and, where allowed, its owner.
bool TakeOverAttributes(int fd, const std::string& target) {
    struct stat old {};
    if (::stat(target.c_str(), &old) != 0) return errno == ENOENT;
    struct stat fresh {};
    if (::fstat(fd, &fresh) != 0) return false;
    if (old.st_uid != fresh.st_uid || old.st_gid != fresh.st_gid) {
        // Only the superuser may give a file away; anyone else keeps the new file as their own.
        [[maybe_unused]] const int kept = ::fchown(fd, old.st_uid, old.st_gid);
    }
    return ::fchmod(fd, old.st_mode & 07777) == 0;
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

bool WriteFileAtomically(const std::string& path, std::string_view content, std::string_view tempName) {
    PendingFile file(path, tempName);
    return file.Ok() && WriteAll(file.Fd(), content) && file.Commit();
}

PendingFile::PendingFile(const std::string& path, std::string_view tempName) {
    const std::optional<std::string> target = ResolveLinks(path);
    if (!target) {
        error_ = ELOOP;
        return;
    }
    target_ = *target;
    prefix_ = DirectoryPrefix(target_);
    fd_ = CreateTemporary(prefix_, tempName, tempPath_);
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
    if (!TakeOverAttributes(fd_, target_) || ::fsync(fd_) != 0) return Fail();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || ::rename(tempPath_.c_str(), target_.c_str()) != 0) return Fail();
    tempPath_.clear();
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
