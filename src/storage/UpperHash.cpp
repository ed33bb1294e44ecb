#include "storage/UpperHash.h"

#include <cstdint>

namespace mcb {

std::size_t UpperHash::operator()(std::string_view text) const {
    // FNV-1a over the upper-cased bytes.
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(UpperChar(c));
        hash *= 1099511628211ull;
    }
    return static_cast<std::size_t>(hash);
}

} // namespace mcb
