#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"

#include <algorithm>

namespace mcb {

long long DiscNumberOfSection(std::string_view name) {
    if (name.empty() || name.size() > 10 ||
        !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return 0;
    const long long n = ParseDiscId(std::string(name));
    return n > 0 && DiscIdText(n) == name ? n : 0;
}

namespace {

bool HasTitle(const TIniFile& catalogue, const std::string& section) {
    return !catalogue.ReadString(section, "Nam", "").empty() || !catalogue.ReadString(section, "Nam2", "").empty();
}

} // namespace

// Instead of asking for every identifier from 1 to LastCDID, only the sections that are present are
// considered: each of them is one of those identifiers or no disc at all, so the result is the
// same while the cost follows the size of the file, not the value of LastCDID.
std::vector<long long> DiscSectionNumbers(const TIniFile& catalogue) {
    const long long last = ReadCommonCounters(catalogue).lastCdid;
    std::vector<long long> discs;
    catalogue.VisitSectionNames([&](std::string_view name) {
        const long long n = DiscNumberOfSection(name);
        if (n >= 1 && n <= last) discs.push_back(n);
    });
    std::sort(discs.begin(), discs.end());
    discs.erase(std::unique(discs.begin(), discs.end()), discs.end());
    return discs;
}

std::vector<long long> EnumerateDiscs(const TIniFile& catalogue) {
    std::vector<long long> discs = DiscSectionNumbers(catalogue);
    std::erase_if(discs, [&](long long n) { return !HasTitle(catalogue, DiscIdText(n)); });
    return discs;
}

} // namespace mcb
