#include "discs/TitleIndex.h"

#include "catalogue/DiscValues.h"
#include "storage/CatalogueFormat.h"
#include "storage/Cp1251.h"
#include "storage/MyIniFiles.h"

#include <algorithm>

namespace mcb {

namespace {

// FNV-1a over the bytes NormalizeTitle keeps, without making the normalised copy.
std::uint64_t NormalizedHash(std::string_view title) {
    const auto& upper = UpperTable();
    std::uint64_t hash = 14695981039346656037ull;
    for (char c : title) {
        if (c == ' ') continue;
        hash ^= static_cast<unsigned char>(upper[static_cast<unsigned char>(c)]);
        hash *= 1099511628211ull;
    }
    return hash;
}

bool Blank(std::string_view title) {
    return title.find_first_not_of(' ') == std::string_view::npos;
}

bool HasTitle(const TIniFile& catalogue, long long disc, const std::string& title) {
    const DiscValues values = ReadDiscValues(catalogue, DiscIdText(disc));
    return NormalizeTitle(values.Nam) == title || NormalizeTitle(values.Nam2) == title;
}

} // namespace

std::string NormalizeTitle(std::string_view title) {
    std::string result;
    result.reserve(title.size());
    for (char c : title)
        if (c != ' ') result += UpperChar(c);
    return result;
}

void TitleIndex::Add(const TIniFile& catalogue, std::uint32_t disc, std::vector<Entry>& entries) {
    const DiscViews values = ReadDiscViews(catalogue, DiscIdText(disc));
    for (std::string_view title : {values.Nam, values.Nam2})
        if (!Blank(title)) entries.push_back({NormalizedHash(title), disc});
}

void TitleIndex::Update(const TIniFile& catalogue) {
    const DiscChanges changes = tracker_.Since(catalogue);
    if (changes.everything) {
        entries_.clear();
        for (long long disc : DiscSectionNumbers(catalogue)) Add(catalogue, std::uint32_t(disc), entries_);
        std::sort(entries_.begin(), entries_.end());
        return;
    }
    if (changes.discs.empty()) return;
    const auto changed = [&changes](const Entry& e) {
        return std::binary_search(changes.discs.begin(), changes.discs.end(), e.disc);
    };
    std::erase_if(entries_, changed);
    std::vector<Entry> added;
    for (std::uint32_t disc : changes.discs)
        if (disc <= changes.lastCdid) Add(catalogue, disc, added);
    std::sort(added.begin(), added.end());
    const auto middle = entries_.insert(entries_.end(), added.begin(), added.end());
    std::inplace_merge(entries_.begin(), middle, entries_.end());
}

void TitleIndex::Collect(const TIniFile& catalogue, std::string_view typed, long long own,
                         std::vector<long long>& found) const {
    const std::string title = NormalizeTitle(typed);
    if (title.empty()) return;
    const std::uint64_t hash = NormalizedHash(typed);
    const auto first = std::lower_bound(entries_.begin(), entries_.end(), Entry{hash, 0});
    for (auto it = first; it != entries_.end() && it->hash == hash; ++it)
        if (it->disc != own && HasTitle(catalogue, it->disc, title)) found.push_back(it->disc);
}

std::vector<long long> TitleIndex::Similar(const TIniFile& catalogue, std::string_view nam, std::string_view nam2,
                                           long long own) const {
    std::vector<long long> found;
    Collect(catalogue, nam, own, found);
    Collect(catalogue, nam2, own, found);
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

} // namespace mcb
