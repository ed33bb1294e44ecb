// The table layout file "fields.ini" beside the executable: column headings and the media list.
#pragma once

#include <array>
#include <string>

namespace mcb {

inline constexpr const char* kLayoutFileName = "fields.ini";

// Windows-1251 texts.
struct TableLayout {
    std::array<std::string, 12> headers;
    std::array<std::string, 16> media;
    int maxMedium = 5; // highest medium index offered; names in between may be empty
};

TableLayout BuiltInLayout();

// The built-in layout with the non-empty keys of the file applied; a missing file changes nothing.
TableLayout ReadLayout(const std::string& path);

} // namespace mcb
