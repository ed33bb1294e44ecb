#include "storage/FileIdentity.h"

#include <sys/stat.h>

namespace mcb {

FileIdentity IdentityOf(const struct stat& info) {
    return {true,
            std::uint64_t(info.st_dev),
            std::uint64_t(info.st_ino),
            std::int64_t(info.st_size),
            std::int64_t(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
            std::int64_t(info.st_ctim.tv_sec) * 1000000000 + info.st_ctim.tv_nsec};
}

FileIdentity IdentityAt(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    return IdentityOf(info);
}

} // namespace mcb
