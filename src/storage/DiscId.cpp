#include "storage/CatalogueFormat.h"
#include "storage/DecimalInt.h"
#include "storage/MyIniFiles.h"

#include <limits>

namespace mcb {

std::string DiscIdText(long long n) {
    std::string digits = std::to_string(n);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return digits;
}

long long ParseDiscId(const std::string& text) {
    return ParseDecimalInt(text).value_or(0);
}

std::optional<long long> NextDiscNumber(const TIniFile& catalogue) {
    for (long long n = ReadCommonCounters(catalogue).lastCdid + 1; n <= std::numeric_limits<int>::max(); ++n) {
        bool used = false;
        catalogue.VisitLines(DiscIdText(n), [&used](std::string_view, std::string_view) { used = true; });
        if (!used) return n;
    }
    return std::nullopt;
}

} // namespace mcb
