// A selection list of the filter (debtors, genres, countries, companies): reference indices
// separated by blanks, prepared once per table build.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mcb {

// The criteria storage holds this many entries of at most this many characters each.
inline constexpr size_t kSelectionListCapacity = 511;
inline constexpr size_t kSelectionEntryLength = 4;

struct SelectionList {
    bool active = false; // an inactive list restricts nothing
    std::vector<std::string> entries;

    bool Contains(std::string_view value) const;
};

// Trailing blanks are ignored; an empty text or "-1" gives an inactive list. Otherwise every blank
// ends an entry (two blanks in a row give an empty entry), each entry keeps its first four
// characters, and entries beyond the 511th are dropped.
SelectionList ParseSelectionList(std::string_view text);

} // namespace mcb
