// Crash-safe replacement of a whole file: the path always names either the complete old file or
// the complete new one, never a prefix and never nothing.
#pragma once

#include <string>
#include <string_view>

namespace mcb {

// Writes `content` to a new temporary file in the directory of `path` (named `tempName`, with one
// more "~" in front for as long as a file of that name exists), flushes it to disk, gives it the old
// file's permission bits and renames it over the old file. A symbolic link at `path` stays a link:
// the file it points to is replaced. On failure the temporary file is removed, the old file is left
// untouched and false is returned.
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string_view tempName = "~tmpini.tmp");

// The same replacement for content that another writer puts into the temporary file by its name:
// the temporary file exists from construction, Commit() flushes it to disk, gives it the old file's
// permission bits and renames it over the target; without a successful Commit() it is removed.
class PendingFile {
public:
    PendingFile(const std::string& path, std::string_view tempName);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // False when the temporary file could not be made.
    bool Ok() const { return fd_ >= 0; }
    const std::string& TempPath() const { return tempPath_; }
    int Descriptor() const { return fd_; }
    bool Commit();

private:
    std::string target_, prefix_, tempPath_;
    int fd_ = -1;
};

// Writes all of `data` to an open file descriptor, resuming after interrupted or partial writes;
// false when any write fails.
bool WriteAll(int fd, std::string_view data);

} // namespace mcb
