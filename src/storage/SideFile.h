// Files the program keeps beside a catalogue and fills with what the catalogue holds: the backup
// copy and the journal. They are as private as the catalogue, and whatever stands in their place
// is never written through.
#pragma once

#include <string>
#include <string_view>

namespace mcb {

// What stands where a side file goes.
enum class SidePlace {
    Missing,
    Plain,  // a regular file with no other name
    Link,   // a symbolic link to a regular file or to nothing: never followed
    Shared, // a regular file that also has another name (a hard link): never written in place
    Other,  // a folder, a device, a named pipe, or a link to one: left alone
};

SidePlace LookAtSidePlace(const std::string& path);

// The permission bits of a side file: the catalogue's, less what an existing side file keeps from
// others (so a journal made private stays so); the usual bits of a new file when the catalogue does
// not exist.
unsigned SideFileMode(const std::string& catalogue, const std::string& sideFile);

// Replaces the side file crash-safely with `content`. A link in its place is replaced, not followed;
// a folder, device or pipe there, or a link to one, is refused. False on any failure, the old file untouched.
bool WriteSideFile(const std::string& path, std::string_view content, const std::string& catalogue,
                   std::string_view tempName);

} // namespace mcb
