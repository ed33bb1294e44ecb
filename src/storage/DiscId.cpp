#include "storage/CatalogueFormat.h"
#include "storage/DecimalInt.h"

namespace mcb {

std::string DiscIdText(long long n) {
    std::string digits = std::to_string(n);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return digits;
}

long long ParseDiscId(const std::string& text) {
    return ParseDecimalInt(text).value_or(0);
}

} // namespace mcb
