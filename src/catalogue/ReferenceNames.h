// Names of reference-list entries looked up during one table build. Thousands of discs refer to the
// same few dozen entries, so each name is read from the catalogue once.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

class TIniFile;

// Index texts written as plain decimal digits without leading zeros below this number are the ones
// whose names are remembered by number.
inline constexpr int kRememberedIndices = 4096;

// The number of such an index text, or -1 for every other spelling (which is read as it is).
int PlainIndexNumber(std::string_view index);

class ReferenceNames {
public:
    ReferenceNames(const TIniFile& catalogue, std::string section);

    // The same text as catalogue.ReadString(section, index, "").
    std::string Name(std::string_view index);

private:
    const TIniFile& catalogue_;
    std::string section_;
    std::vector<std::optional<std::string>> byNumber_; // remembered names of plain decimal indices
};

} // namespace mcb
