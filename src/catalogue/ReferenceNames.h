// Names of reference-list entries looked up during one table build. Thousands of discs refer to the
// same few dozen entries, so each name is read from the catalogue once.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mcb {

class TIniFile;

class ReferenceNames {
public:
    ReferenceNames(const TIniFile& catalogue, std::string section);

    // The same text as catalogue.ReadString(section, index, "").
    std::string Name(const std::string& index);

private:
    const TIniFile& catalogue_;
    std::string section_;
    std::vector<std::optional<std::string>> byNumber_; // remembered names of plain decimal indices
};

} // namespace mcb
