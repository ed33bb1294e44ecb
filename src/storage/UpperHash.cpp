#include "storage/UpperHash.h"

#include <array>

namespace mcb {

namespace {

// The upper-case mapping as a table local to this file, so that hashing runs without calls.
std::array<unsigned char, 256> BuildUpperTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = static_cast<unsigned char>(UpperChar(static_cast<char>(c)));
    return table;
}

} // namespace

std::uint64_t UpperHash(std::string_view text) {
    static const std::array<unsigned char, 256> upper = BuildUpperTable();
    // FNV-1a over the upper-cased bytes.
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : text) {
        hash ^= upper[static_cast<unsigned char>(c)];
        hash *= 1099511628211ull;
    }
    return hash;
}

} // namespace mcb
