#include "storage/UpperHash.h"

#include <array>

namespace mcb {

std::uint64_t UpperHash(std::string_view text) {
    const std::array<char, 256>& upper = UpperTable();
    // FNV-1a over the upper-cased bytes.
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(upper[static_cast<unsigned char>(c)]);
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace mcb
