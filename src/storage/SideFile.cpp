#include "storage/SideFile.h"

#include "storage/AtomicFile.h"

#include <cerrno>
#include <sys/stat.h>

namespace mcb {

SidePlace LookAtSidePlace(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) return errno == ENOENT ? SidePlace::Missing : SidePlace::Other;
    if (S_ISLNK(info.st_mode)) {
        // A link to a pipe, a device or a folder is taken for what it leads to: whoever made it meant
        // the journal or the backup to go there, and is told that it cannot.
        const bool special = ::stat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode);
        return special ? SidePlace::Other : SidePlace::Link;
    }
    if (!S_ISREG(info.st_mode)) return SidePlace::Other;
    return info.st_nlink > 1 ? SidePlace::Shared : SidePlace::Plain;
}

unsigned SideFileMode(const std::string& catalogue, const std::string& sideFile) {
    struct stat info {};
    const unsigned wanted = ::stat(catalogue.c_str(), &info) == 0 ? unsigned(info.st_mode & 0777) : NewFileMode();
    if (::lstat(sideFile.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return wanted;
    return wanted & (unsigned(info.st_mode) | 0700);
}

bool WriteSideFile(const std::string& path, std::string_view content, const std::string& catalogue,
                   std::string_view tempName) {
    if (LookAtSidePlace(path) == SidePlace::Other) return false;
    const AtomicWrite how{.tempName = tempName, .followLinks = false, .mode = SideFileMode(catalogue, path)};
    return WriteFileAtomically(path, content, how);
}

} // namespace mcb
