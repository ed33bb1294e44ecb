#include "storage/Cp1251.h"

#include <array>

namespace mcb {

namespace {

std::array<char, 256> BuildUpperTable() {
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c) table[c] = static_cast<char>(c);
    for (int c = 'a'; c <= 'z'; ++c) table[c] = static_cast<char>(c - 32);
    for (int c = 0xE0; c <= 0xFF; ++c) table[c] = static_cast<char>(c - 32); // а..я
    // The remaining Cyrillic lower-case letters of the code page and their capitals.
    const unsigned char pairs[][2] = {{0xB8, 0xA8}, {0x90, 0x80}, {0x83, 0x81}, {0x9A, 0x8A}, {0x9C, 0x8C},
                                      {0x9D, 0x8D}, {0x9E, 0x8E}, {0x9F, 0x8F}, {0xA2, 0xA1}, {0xBC, 0xA3},
                                      {0xB4, 0xA5}, {0xBA, 0xAA}, {0xBF, 0xAF}, {0xB3, 0xB2}, {0xBE, 0xBD}};
    for (const auto& p : pairs) table[p[0]] = static_cast<char>(p[1]);
    return table;
}

const std::array<char, 256> kUpper = BuildUpperTable();

constexpr unsigned char kCapitalYo = 0xA8;  // Ё
constexpr unsigned char kCapitalIe = 0xC5;  // Е
constexpr unsigned char kCapitalZhe = 0xC6; // Ж

std::array<unsigned char, 256> BuildSortRanks() {
    std::array<unsigned char, 256> ranks{};
    for (int c = 0; c < 256; ++c) {
        int code = static_cast<unsigned char>(kUpper[c]);
        if (code == kCapitalYo)
            code = kCapitalZhe - 1;
        else if (code > kCapitalYo && code <= kCapitalIe)
            --code;
        ranks[c] = static_cast<unsigned char>(code);
    }
    return ranks;
}

const std::array<unsigned char, 256> kSortRanks = BuildSortRanks();

unsigned char UpperByte(char c) {
    return static_cast<unsigned char>(kUpper[static_cast<unsigned char>(c)]);
}

bool IsControlOrBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

} // namespace

char UpperChar(char c) {
    return static_cast<char>(UpperByte(c));
}

const std::array<char, 256>& UpperTable() {
    return kUpper;
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result) c = UpperChar(c);
    return result;
}

bool EqualsUpper(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (UpperByte(a[i]) != UpperByte(b[i])) return false;
    return true;
}

unsigned char SortRank(char c) {
    return kSortRanks[static_cast<unsigned char>(c)];
}

const std::array<unsigned char, 256>& SortRankTable() {
    return kSortRanks;
}

std::string SortKey(std::string_view text) {
    std::string key(text);
    for (char& c : key) c = static_cast<char>(SortRank(c));
    return key;
}

int CompareSorted(std::string_view a, std::string_view b) {
    const size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        const int diff = int(SortRank(a[i])) - int(SortRank(b[i]));
        if (diff != 0) return diff;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::string_view TrimControl(std::string_view text) {
    while (!text.empty() && IsControlOrBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsControlOrBlank(text.back())) text.remove_suffix(1);
    return text;
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    return TrimRightBlanks(text);
}

std::string_view TrimRightBlanks(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    return text;
}

} // namespace mcb
