// Which file a name stands for at a moment: enough to tell that somebody else may have replaced or
// changed it since (another inode, size, modification or status change time), or that it appeared or
// went away.
#pragma once

#include <cstdint>
#include <string>

struct stat;

namespace mcb {

struct FileIdentity {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0; // no one can set it back: a write with the old time put back still shows

    bool operator==(const FileIdentity&) const = default;
};

FileIdentity IdentityOf(const struct stat& info);
// The file the path names now, following links; a file that cannot be looked at counts as absent.
FileIdentity IdentityAt(const std::string& path);

} // namespace mcb
