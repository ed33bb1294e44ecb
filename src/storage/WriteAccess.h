// Whether the program may replace a file: the crash-safe save needs write permission on the file
// itself (so that a file the user protected stays protected) and on its folder (for the temporary
// file and the rename).
#pragma once

#include <string>

namespace mcb {

enum class WriteAccess {
    Writable,
    FileReadOnly,   // the file exists and the user may not write it
    FolderReadOnly, // the file may be written, but not the folder it is in (or will be in)
};

WriteAccess WriteAccessOf(const std::string& path);

// The folder the crash-safe save writes into: that of the file a link leads to, for a link.
std::string SaveFolderOf(const std::string& path);

} // namespace mcb
