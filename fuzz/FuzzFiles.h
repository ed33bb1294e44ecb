// What the fuzz targets share: a private scratch folder for the files they write, and the split of
// one input into several files.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mcb::fuzz {

// A folder of this run, removed at exit. Also made the settings folder, so that nothing the targets
// do can reach the user's own settings.
const std::string& ScratchDir();

// Replaces the file with exactly these bytes.
void WriteFile(const std::string& path, std::string_view bytes);
std::string ReadFile(const std::string& path);

// The input cut at its first `count - 1` NUL bytes; missing parts are empty.
std::vector<std::string_view> SplitInput(const std::uint8_t* data, std::size_t size, std::size_t count);

// Stops the run with a message: the target found a property that does not hold.
[[noreturn]] void Fail(const char* what);

// Makes every message to the user a failure, for targets whose work must never report one.
void FailOnReports();

} // namespace mcb::fuzz
