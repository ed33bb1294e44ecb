#include "storage/CatalogueFormat.h"
#include "storage/MyIniFiles.h"

#include <algorithm>

namespace mcb {

namespace {

// Number of the disc whose section is exactly this name, 0 when it names no disc ("1", "000001",
// "00003x" are not disc sections).
long long DiscNumberOfSection(const std::string& name) {
    if (name.empty() || !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; })) return 0;
    const long long n = ParseDiscId(name);
    return n > 0 && DiscIdText(n) == name ? n : 0;
}

bool HasTitle(const TIniFile& catalogue, const std::string& section) {
    return !catalogue.ReadString(section, "Nam", "").empty() || !catalogue.ReadString(section, "Nam2", "").empty();
}

} // namespace

// Instead of asking for every identifier from 1 to LastCDID, only the sections that are present are
// considered: each of them is one of those identifiers or no disc at all, so the result is the
// same while the cost follows the size of the file, not the value of LastCDID.
std::vector<long long> EnumerateDiscs(const TIniFile& catalogue) {
    const long long last = ReadCommonCounters(catalogue).lastCdid;
    std::vector<long long> discs;
    for (const std::string& name : catalogue.SectionNames()) {
        const long long n = DiscNumberOfSection(name);
        if (n >= 1 && n <= last) discs.push_back(n);
    }
    std::sort(discs.begin(), discs.end());
    discs.erase(std::unique(discs.begin(), discs.end()), discs.end());
    std::erase_if(discs, [&](long long n) { return !HasTitle(catalogue, DiscIdText(n)); });
    return discs;
}

} // namespace mcb
