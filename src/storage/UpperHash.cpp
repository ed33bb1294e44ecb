#include "storage/UpperHash.h"

#include "storage/Cp1251.h"

namespace mcb {

std::uint64_t UpperHash(std::string_view text) {
    // FNV-1a over the upper-cased bytes.
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : text) {
        hash ^= static_cast<unsigned char>(UpperChar(c));
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace mcb
