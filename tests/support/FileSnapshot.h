// What a folder holds, to show that a command wrote nothing but its output.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <utility>

namespace mcb::test {

// Every file and folder below the root with its size and modification time.
inline std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>>
Snapshot(const std::filesystem::path& root) {
    std::map<std::string, std::pair<std::uintmax_t, std::filesystem::file_time_type>> entries;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root))
        entries[entry.path().string()] = {entry.is_regular_file() ? entry.file_size() : 0, entry.last_write_time()};
    return entries;
}

} // namespace mcb::test
