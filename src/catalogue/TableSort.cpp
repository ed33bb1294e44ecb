#include "catalogue/TableSort.h"

#include "catalogue/ExchangeOrder.h"
#include "storage/Cp1251.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>

namespace mcb {

namespace {

constexpr int kTitleColumn = 1;
constexpr int kDurationColumn = 10;

// The sort keys of all rows' texts in one buffer; a row's key is an offset and a length.
class SortTexts {
public:
    struct Ref {
        uint32_t offset = 0, length = 0;
    };

    Ref Add(std::string_view text) {
        const Ref ref{uint32_t(buffer_.size()), uint32_t(text.size())};
        for (char c : text) buffer_.push_back(static_cast<char>(ranks_[static_cast<unsigned char>(c)]));
        return ref;
    }
    std::string_view View(Ref ref) const { return std::string_view(buffer_).substr(ref.offset, ref.length); }

    // The first eight bytes as a big-endian number (zero-padded): ordering these numbers agrees with
    // ordering the texts by their unsigned bytes wherever they differ.
    uint64_t Prefix(Ref ref) const {
        uint64_t prefix = 0;
        for (uint32_t k = 0; k < 8; ++k)
            prefix = prefix << 8 | (k < ref.length ? static_cast<unsigned char>(buffer_[ref.offset + k]) : 0u);
        return prefix;
    }

private:
    const std::array<unsigned char, 256>& ranks_ = SortRankTable();
    std::string buffer_;
};

// One row's sort key. The prefixes decide most comparisons without touching the texts.
struct SortEntry {
    uint64_t primaryPrefix = 0; // text prefix of the sort column, or the biased duration number
    uint64_t titlePrefix = 0;
    SortTexts::Ref primary, title;
    int row = 0;
};

class KeyOrder {
public:
    KeyOrder(const std::vector<TableRow>& rows, int sortOrder) : textPrimary_(sortOrder != kDurationColumn) {
        entries_.resize(rows.size());
        for (size_t r = 0; r < rows.size(); ++r) {
            SortEntry& e = entries_[r];
            const auto& cells = rows[r].cells;
            e.row = int(r);
            e.title = texts_.Add(cells[kTitleColumn]);
            if (sortOrder == kDurationColumn)
                e.primaryPrefix = uint64_t(SortNumber(cells[kDurationColumn])) ^ (1ull << 63);
            else if (sortOrder != kTitleColumn)
                e.primary = texts_.Add(cells[sortOrder]);
        }
        for (SortEntry& e : entries_) {
            e.titlePrefix = texts_.Prefix(e.title);
            if (textPrimary_) e.primaryPrefix = texts_.Prefix(e.primary);
        }
    }

    // Positions by rank and, within a rank, by position; ranks[p] is the rank of position p.
    void Rank(std::vector<int>& byRank, std::vector<int>& ranks) {
        std::sort(entries_.begin(), entries_.end(), [this](const SortEntry& a, const SortEntry& b) {
            const int c = CompareKeys(a, b);
            return c != 0 ? c < 0 : a.row < b.row;
        });
        byRank.resize(entries_.size());
        ranks.resize(entries_.size());
        int rank = 0;
        for (size_t k = 0; k < entries_.size(); ++k) {
            if (k > 0 && CompareKeys(entries_[k - 1], entries_[k]) != 0) ++rank;
            byRank[k] = entries_[k].row;
            ranks[entries_[k].row] = rank;
        }
    }

private:
    int CompareKeys(const SortEntry& a, const SortEntry& b) const {
        if (a.primaryPrefix != b.primaryPrefix) return a.primaryPrefix < b.primaryPrefix ? -1 : 1;
        if (textPrimary_)
            if (int c = texts_.View(a.primary).compare(texts_.View(b.primary)); c != 0) return c;
        if (a.titlePrefix != b.titlePrefix) return a.titlePrefix < b.titlePrefix ? -1 : 1;
        return texts_.View(a.title).compare(texts_.View(b.title));
    }

    bool textPrimary_;
    SortTexts texts_;
    std::vector<SortEntry> entries_;
};

// Rows are large and a cycle visits them in random order, so the rows a few steps ahead on the
// cycle are fetched into the cache while the current one moves.
constexpr int kPrefetchDistance = 4;

void PrefetchRow(const TableRow& row) {
    const char* bytes = reinterpret_cast<const char*>(&row);
    for (size_t offset = 0; offset < sizeof(TableRow); offset += 64) __builtin_prefetch(bytes + offset);
}

// Row k receives the row at order[k]; done in place along the permutation's cycles, which spares
// a second copy of a large table.
void MoveIntoOrder(std::vector<TableRow>& rows, const std::vector<int>& order) {
    std::vector<bool> placed(rows.size(), false);
    for (size_t start = 0; start < rows.size(); ++start) {
        if (placed[start]) continue;
        TableRow first = std::move(rows[start]);
        size_t ahead = start;
        for (int step = 0; step < kPrefetchDistance && size_t(order[ahead]) != start; ++step) {
            ahead = order[ahead];
            PrefetchRow(rows[ahead]);
        }
        size_t k = start;
        for (; size_t(order[k]) != start; k = order[k]) {
            if (size_t(order[ahead]) != start) {
                ahead = order[ahead];
                PrefetchRow(rows[ahead]);
            }
            rows[k] = std::move(rows[order[k]]);
            placed[k] = true;
        }
        rows[k] = std::move(first);
        placed[k] = true;
    }
}

} // namespace

long long SortNumber(const std::string& cell) {
    long long value = 0;
    const char* first = cell.data();
    const char* last = first + cell.size();
    if (first != last && *first == '+') ++first; // a sign the stored integer may carry
    const auto [end, error] = std::from_chars(first, last, value);
    if (cell.empty() || error != std::errc() || end != last) return -1;
    return value;
}

void SortRows(std::vector<TableRow>& rows, int sortOrder) {
    if (rows.size() < 2 || sortOrder < 1 || sortOrder >= kColumnCount) return;
    std::vector<int> byRank, ranks;
    KeyOrder(rows, sortOrder).Rank(byRank, ranks);
    MoveIntoOrder(rows, ExchangeSortOrder(ranks, byRank));
}

} // namespace mcb
