// Reading a file whole, as raw bytes.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace mcb {

// Reads the whole content of a regular file into the buffer of `size` bytes that `buffer(size)`
// provides. False when the file cannot be opened, is not a regular file, or yields a different
// number of bytes than its size.
bool ReadWholeFileInto(const std::string& path, const std::function<char*(std::size_t size)>& buffer);

// The whole content of a regular file; nothing under the same conditions.
std::optional<std::string> ReadWholeFile(const std::string& path);

} // namespace mcb
