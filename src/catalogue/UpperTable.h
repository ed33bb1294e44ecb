// The Windows-1251 upper-case mapping as a table, for loops that upper-case many bytes.
#pragma once

#include <array>

namespace mcb {

// table[b] is UpperChar(b) for every byte b.
const std::array<char, 256>& UpperTable();

} // namespace mcb
