// Reading a file whole, as raw bytes.
#pragma once

#include "storage/FileIdentity.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace mcb {

enum class ReadState {
    Read,    // the whole file, exactly as many bytes as its size
    Missing, // no file of that name (the name or a folder on its way does not exist)
    Failed,  // it exists but could not be read whole: no permission, not a regular file, a read
             // error, or its size changed while it was read
};

// Reads the whole content of a regular file into the buffer of `size` bytes that `buffer(size)`
// provides. `identity`, when given, learns which file was read.
ReadState ReadWholeFileInto(const std::string& path, const std::function<char*(std::size_t size)>& buffer,
                            FileIdentity* identity = nullptr);

// The whole content of a regular file; nothing under the same conditions.
std::optional<std::string> ReadWholeFile(const std::string& path, FileIdentity* identity = nullptr);

} // namespace mcb
