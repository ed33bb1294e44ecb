// The copy of a chosen picture file into the catalogue folder, made when the disc is saved.
#pragma once

#include <cstdint>
#include <string>

namespace mcb {

class Prompts;

// Pictures larger than this are not copied: a copy that size is no cover.
inline constexpr std::uint64_t kPictureCopyLimit = 64ull << 20;

struct PictureCopy {
    std::string path;  // the picture's path from now on
    bool made = false; // a new file was made there (removed again if the disc is not saved)
};

// The name the copy takes when it is free: targetStem followed by the source's extension.
std::string PictureCopyName(const std::string& targetStem, const std::string& source);

// Copies source beside the catalogue as PictureCopyName, or, when a file of that name is there
// (whoever refers to it), as the stem with "_2", "_3" ... before the extension: no file is ever
// replaced. The copy is streamed and complete on disk before it is used. A source already in the
// catalogue folder is used as it is. Whenever the copy does not come about the source path stays: a
// picture above kPictureCopyLimit is said through `prompts`, a source that cannot be opened at all
// through the program's error reporting; a short read or a target that cannot be written pass
// silently.
PictureCopy CopyPictureBeside(const std::string& targetStem, const std::string& source, Prompts& prompts);

} // namespace mcb
