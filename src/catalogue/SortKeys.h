// Sort keys of table rows: the texts that a sort order compares, turned into their alphabetical
// ranks once, into one buffer, and their first eight bytes as numbers, which decide most
// comparisons without the texts.
#pragma once

#include "catalogue/TableTypes.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

constexpr int kTitleColumn = 1;
constexpr int kDurationColumn = 10;

// Sort orders 1 to 11 sort; 0 and any order outside 0..11 (only a hand-edited settings file holds
// one) keep the identifier order.
inline bool SortsRows(int sortOrder) {
    return sortOrder >= 1 && sortOrder < kColumnCount;
}

struct RowKey {
    uint64_t primaryPrefix = 0; // text prefix of the sort column, or the biased duration number
    uint64_t titlePrefix = 0;
    uint32_t primaryOffset = 0, primaryLength = 0;
    uint32_t titleOffset = 0, titleLength = 0;
};

class SortKeyTexts {
public:
    explicit SortKeyTexts(int sortOrder) : sortOrder_(sortOrder) {}

    int sortOrder() const { return sortOrder_; }
    // True when equal primary prefixes mean equal sort columns (the title and duration orders).
    bool WholePrimaryInPrefix() const { return sortOrder_ == kTitleColumn || sortOrder_ == kDurationColumn; }

    // The key of a row whose title cell is `title` followed by `titleTail` (the new-disc mark of a
    // new disc, else empty) and whose cell in the sort column is `sortCell` (ignored when sorting
    // by title).
    RowKey Make(std::string_view title, std::string_view titleTail, std::string_view sortCell);

    // The sort column decides, then the title. Texts compare alphabetically (SortRank), a proper
    // prefix being smaller; durations as numbers.
    int Compare(const RowKey& a, const RowKey& b) const;

    // Bytes held, those of replaced keys included.
    std::size_t Size() const { return buffer_.size(); }
    // Keeps only the texts of these keys, whose offsets are rewritten.
    void Compact(std::vector<RowKey*> keys);

private:
    void Append(std::string_view text);
    uint64_t Prefix(uint32_t offset, uint32_t length) const;
    std::string_view View(uint32_t offset, uint32_t length) const {
        return std::string_view(buffer_).substr(offset, length);
    }

    int sortOrder_;
    std::string buffer_;
};

// Sorts the items (numbers of rows) by their keys and equal keys by `tie` ascending.
template <class KeyOf, class TieOf>
void SortByKey(std::vector<uint32_t>& items, const SortKeyTexts& texts, KeyOf keyOf, TieOf tieOf) {
    // The prefixes travel with the items: most comparisons then touch no other memory.
    struct Packed {
        uint64_t primary, title;
        uint32_t tie, item;
    };
    std::vector<Packed> packed;
    packed.reserve(items.size());
    for (uint32_t item : items) {
        const RowKey& key = keyOf(item);
        packed.push_back({key.primaryPrefix, key.titlePrefix, uint32_t(tieOf(item)), item});
    }
    std::sort(packed.begin(), packed.end(), [&](const Packed& a, const Packed& b) {
        if (a.primary != b.primary) return a.primary < b.primary;
        if (a.title != b.title && texts.WholePrimaryInPrefix()) return a.title < b.title;
        const int c = texts.Compare(keyOf(a.item), keyOf(b.item));
        return c != 0 ? c < 0 : a.tie < b.tie;
    });
    for (size_t k = 0; k < items.size(); ++k) items[k] = packed[k].item;
}

// The ranks of positions given in key order (equal keys share a rank): ranks[p] for position p.
template <class KeyOf>
std::vector<int> DenseRanks(const std::vector<int>& byKey, const SortKeyTexts& texts, KeyOf keyOf) {
    std::vector<int> ranks(byKey.size());
    int rank = 0;
    for (size_t k = 0; k < byKey.size(); ++k) {
        if (k > 0 && texts.Compare(keyOf(byKey[k - 1]), keyOf(byKey[k])) != 0) ++rank;
        ranks[size_t(byKey[k])] = rank;
    }
    return ranks;
}

} // namespace mcb
