// The copy of a chosen picture file into the catalogue folder.
#pragma once

#include <string>

namespace mcb {

// Copies source to targetStem followed by the source's extension and returns the copy's path.
// Whenever the copy does not come about, the source path is returned: a short read, a target that
// cannot be created or a short write pass silently, while a source that cannot be opened at all is
// also reported through the program's error reporting. The copy replaces an older one in one step.
std::string CopyPictureBeside(const std::string& targetStem, const std::string& source);

} // namespace mcb
