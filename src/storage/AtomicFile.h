// Crash-safe replacement of a whole file: the path always names either the complete old file or
// the complete new one, never a prefix and never nothing.
#pragma once

#include "storage/FileIdentity.h"

#include <optional>
#include <string>
#include <string_view>

namespace mcb {

// How a file is replaced.
struct AtomicWrite {
    std::string_view tempName = "~tmpini.tmp";
    // A symbolic link at the path stays a link and the file it points to is replaced. Files the
    // program makes beside the catalogue do without: a link in their place is replaced by the new
    // file, so that a link shipped in a folder can never make the program write through it.
    bool followLinks = true;
    // Permission bits of the new file; without them the old file's, or those of any new file.
    std::optional<unsigned> mode;
};

// Writes `content` to a new temporary file in the directory of `path` (named `tempName`, with one
// more "~" in front while a running save holds that name), flushes it to disk, gives it the old
// file's permission bits and renames it over the old file. The temporary file is readable by its
// owner only until then and stays locked until it is renamed; temporary files that no running save
// holds are leftovers of interrupted saves and are removed. On failure the temporary file is
// removed, the old file is left untouched and false is returned.
bool WriteFileAtomically(const std::string& path, std::string_view content, const AtomicWrite& how);
bool WriteFileAtomically(const std::string& path, std::string_view content, std::string_view tempName = "~tmpini.tmp");

// The permission bits a file created now gets: 0666 less the process's file mode mask.
unsigned NewFileMode();

// A temporary file's name for `path`: its own file name between `prefix` and `suffix`, so that the
// leftover of an interrupted write tells whose it was.
std::string TempNameFor(const std::string& path, std::string_view prefix, std::string_view suffix);

// The same replacement for content that other code writes into the temporary file, by its
// descriptor or by its name. Without a successful Commit() the temporary file is removed.
class PendingFile {
public:
    PendingFile(const std::string& path, const AtomicWrite& how);
    PendingFile(const std::string& path, std::string_view tempName);
    ~PendingFile();
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    // False when the temporary file could not be created; Error() tells why.
    bool Ok() const { return fd_ >= 0; }
    int Fd() const { return fd_; }
    const std::string& TempPath() const { return tempPath_; }
    // Flushes the temporary file to disk, gives it the old file's permission bits and renames it
    // over the target. False when any step fails; the temporary file is then gone.
    bool Commit();
    // Removes the temporary file now; the target stays as it is.
    void Discard();
    // The errno of the step that failed, 0 when none did.
    int Error() const { return error_; }
    // The file as committed, for telling later whether anyone changed it since.
    const FileIdentity& Committed() const { return committed_; }

private:
    bool Fail();

    std::string target_;
    std::string prefix_;
    std::string tempPath_;
    std::optional<unsigned> mode_;
    bool followLinks_ = true;
    int fd_ = -1;
    int error_ = 0;
    FileIdentity committed_;
};

// Writes all of `data` to an open file descriptor, resuming after interrupted or partial writes;
// false when any write fails.
bool WriteAll(int fd, std::string_view data);

} // namespace mcb
