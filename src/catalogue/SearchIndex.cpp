#include "catalogue/SearchIndex.h"

#include "catalogue/DiscValues.h"
#include "storage/CatalogueFormat.h"
#include "storage/Description.h"
#include "storage/MyIniFiles.h"

#include <algorithm>

namespace mcb {

void SearchIndex::Add(const TIniFile& catalogue, uint32_t number, std::vector<Entry>& entries) {
    const std::string section = DiscIdText(number);
    const DiscViews values = ReadDiscViews(catalogue, section);
    if (!values.IsDisc()) return;
    const std::size_t offset = text_.size();
    for (std::string_view field : {values.Nam, values.Nam2, values.Rol, values.Dir}) AppendSearchText(text_, field);
    for (const std::string& line : ReadDescriptionLines(catalogue, section)) AppendSearchText(text_, line);
    entries.push_back({number, uint32_t(text_.size() - offset), offset});
    liveBytes_ += text_.size() - offset;
}

bool SearchIndex::Update(const TIniFile& catalogue) {
    const DiscChanges changes = tracker_.Since(catalogue);
    if (changes.everything) {
        text_.clear();
        entries_.clear();
        liveBytes_ = 0;
        for (long long number : DiscSectionNumbers(catalogue)) Add(catalogue, uint32_t(number), entries_);
        std::sort(entries_.begin(), entries_.end(), Before);
        return true;
    }
    if (changes.discs.empty()) return false;
    std::erase_if(entries_, [&](const Entry& e) {
        const bool changed = std::binary_search(changes.discs.begin(), changes.discs.end(), e.number);
        if (changed) liveBytes_ -= e.length;
        return changed;
    });
    std::vector<Entry> added;
    for (uint32_t number : changes.discs)
        if (number <= changes.lastCdid) Add(catalogue, number, added);
    const auto middle = entries_.insert(entries_.end(), added.begin(), added.end());
    std::inplace_merge(entries_.begin(), middle, entries_.end(), Before);
    if (text_.size() > 2 * liveBytes_ + (1u << 20)) Compact();
    return true;
}

// Texts of changed discs are appended; the old ones are dropped once they outweigh the live ones.
void SearchIndex::Compact() {
    std::string text;
    text.reserve(liveBytes_);
    for (Entry& entry : entries_) {
        const std::size_t offset = text.size();
        text.append(TextOf(entry));
        entry.offset = offset;
    }
    text_ = std::move(text);
}

std::vector<uint32_t> SearchIndex::Find(const SearchWords& words) const {
    std::vector<uint32_t> found;
    for (const Entry& entry : entries_)
        if (words.FoundIn(TextOf(entry))) found.push_back(entry.number);
    return found;
}

std::vector<uint32_t> SearchIndex::FindAmong(const SearchWords& words, const std::vector<uint32_t>& candidates) const {
    std::vector<uint32_t> found;
    auto entry = entries_.begin();
    for (uint32_t number : candidates) {
        entry = std::lower_bound(entry, entries_.end(), Entry{number, 0, 0}, Before);
        if (entry != entries_.end() && entry->number == number && words.FoundIn(TextOf(*entry)))
            found.push_back(number);
    }
    return found;
}

} // namespace mcb
