// Hashing and equality of Windows-1251 names that ignore letter case, for the lookup tables of the
// key/value engine. Both accept std::string_view so that tables keyed by std::string can be searched
// without building a string.
#pragma once

#include "storage/Cp1251.h"

#include <cstddef>
#include <string_view>

namespace mcb {

struct UpperHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const;
};

struct UpperEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return EqualsUpper(a, b); }
};

} // namespace mcb
