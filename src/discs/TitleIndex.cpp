#include "discs/TitleIndex.h"

#include "storage/CatalogueFormat.h"
#include "storage/Cp1251.h"
#include "storage/MyIniFiles.h"

#include <algorithm>
#include <functional>

namespace mcb {

namespace {

std::size_t Hash(std::string_view normalized) {
    return std::hash<std::string_view>{}(normalized);
}

} // namespace

std::string NormalizeTitle(std::string_view title) {
    std::string result;
    result.reserve(title.size());
    for (char c : title)
        if (c != ' ') result += UpperChar(c);
    return result;
}

TitleIndex::TitleIndex(const TIniFile& catalogue) : catalogue_(catalogue) {
    for (long long disc : EnumerateDiscs(catalogue)) {
        const std::string id = DiscIdText(disc);
        Add(catalogue.ReadString(id, "Nam", ""), disc);
        Add(catalogue.ReadString(id, "Nam2", ""), disc);
    }
    std::sort(entries_.begin(), entries_.end());
}

void TitleIndex::Add(const std::string& title, long long disc) {
    const std::string normalized = NormalizeTitle(title);
    if (!normalized.empty()) entries_.push_back({Hash(normalized), disc});
}

bool TitleIndex::HasTitle(long long disc, const std::string& title) const {
    const std::string id = DiscIdText(disc);
    return NormalizeTitle(catalogue_.ReadString(id, "Nam", "")) == title ||
           NormalizeTitle(catalogue_.ReadString(id, "Nam2", "")) == title;
}

void TitleIndex::Collect(const std::string& title, long long own, std::vector<long long>& found) const {
    if (title.empty()) return;
    const std::size_t hash = Hash(title);
    const auto first = std::lower_bound(entries_.begin(), entries_.end(), Entry{hash, 0},
                                        [](const Entry& a, const Entry& b) { return a.hash < b.hash; });
    for (auto it = first; it != entries_.end() && it->hash == hash; ++it)
        if (it->disc != own && HasTitle(it->disc, title)) found.push_back(it->disc);
}

std::vector<long long> TitleIndex::Similar(std::string_view nam, std::string_view nam2, long long own) const {
    std::vector<long long> found;
    Collect(NormalizeTitle(nam), own, found);
    Collect(NormalizeTitle(nam2), own, found);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

} // namespace mcb
