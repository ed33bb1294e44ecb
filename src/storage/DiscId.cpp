#include "storage/CatalogueFormat.h"

#include <charconv>
#include <cstdint>

namespace mcb {

std::string DiscIdText(long long n) {
    std::string digits = std::to_string(n);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return digits;
}

long long ParseDiscId(const std::string& text) {
    std::int32_t value = 0;
    const char* first = text.data();
    const char* last = first + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || text.empty()) return 0;
    return value;
}

} // namespace mcb
