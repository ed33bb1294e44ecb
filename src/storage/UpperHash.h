// Hashing and comparison of Windows-1251 names that ignore letter case, for the lookup tables of the
// key/value engine. Tables key on the 64-bit hash itself (cheap to rehash and compare) and confirm a
// hit by comparing the names.
#pragma once

#include "storage/Cp1251.h"

#include <cstdint>
#include <string_view>

namespace mcb {

std::uint64_t UpperHash(std::string_view text);

// EqualsUpper with a quick answer for the usual case of the same letter case.
inline bool SameName(std::string_view a, std::string_view b) {
    return a == b || EqualsUpper(a, b);
}

} // namespace mcb
