// Reading a file whole, as raw bytes.
#pragma once

#include <optional>
#include <string>

namespace mcb {

// The whole content of a regular file; nothing when it cannot be opened, is not a regular file,
// or yields a different number of bytes than its size.
std::optional<std::string> ReadWholeFile(const std::string& path);

} // namespace mcb
