#include "lists/DictRows.h"

#include "lists/KindInfo.h"
#include "storage/Cp1251.h"
#include "storage/MyIniFiles.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <optional>

namespace mcb {

namespace {

// An index as the window writes it: decimal digits without sign or leading zeros, within 0..last.
std::optional<int> CanonicalIndex(const std::string& key, int last) {
    int value = 0;
    const auto [end, error] = std::from_chars(key.data(), key.data() + key.size(), value);
    if (error != std::errc() || end != key.data() + key.size() || value < 0 || value > last) return std::nullopt;
    if (std::to_string(value) != key) return std::nullopt;
    return value;
}

// Up to this many rows the exchange sort runs literally, so ties come out exactly as it leaves them.
constexpr std::size_t kLiteralSortLimit = 4000;

bool AllDistinct(std::vector<std::string> keys) {
    std::sort(keys.begin(), keys.end());
    return std::adjacent_find(keys.begin(), keys.end()) == keys.end();
}

void ExchangeSort(std::vector<std::size_t>& order, const std::vector<std::string>& keys) {
    for (std::size_t r = 0; r < order.size(); ++r)
        for (std::size_t p = r + 1; p < order.size(); ++p)
            if (keys[order[r]] > keys[order[p]]) std::swap(order[r], order[p]);
}

} // namespace

int LastIndex(const TIniFile& catalogue, const std::string& section) {
    return std::max(catalogue.ReadInteger("Common", section, -1), -1);
}

std::vector<int> ExistingIndices(const TIniFile& catalogue, const std::string& section) {
    const int last = LastIndex(catalogue, section);
    std::vector<int> indices;
    if (last < 0) return indices;
    for (const std::string& key : catalogue.KeyNames(section))
        if (const std::optional<int> index = CanonicalIndex(key, last)) indices.push_back(*index);
    std::sort(indices.begin(), indices.end());
    indices.erase(std::unique(indices.begin(), indices.end()), indices.end());
    return indices;
}

std::vector<DictRow> ReadEntries(const TIniFile& catalogue, const KindInfo& kind) {
    std::vector<DictRow> rows;
    for (int index : ExistingIndices(catalogue, kind.section)) {
        const std::string key = std::to_string(index);
        DictRow row{index, catalogue.ReadString(kind.section, key, kMissingEntry), {}, {}};
        if (row.name == kMissingEntry) continue;
        if (kind.HasContactFields()) {
            row.mail = catalogue.ReadString(kind.section, key + "_mail", "");
            row.phone = catalogue.ReadString(kind.section, key + "_phone", "");
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

void SortRows(std::vector<DictRow>& rows) {
    if (rows.size() < 2) return;
    // Sort keys compare as unsigned bytes, as std::string's ordering does.
    std::vector<std::string> keys;
    keys.reserve(rows.size());
    for (const DictRow& row : rows) keys.push_back(SortKey(row.name));
    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    const auto byKey = [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; };
    if (AllDistinct(keys)) {
        // Without equal names every sort gives the one sorted order.
        std::sort(order.begin(), order.end(), byKey);
    } else if (rows.size() <= kLiteralSortLimit) {
        ExchangeSort(order, keys);
    } else {
        // A hand-edited list this long with equal names: keep the reading order among them rather
        // than spend minutes on the exchange sort.
        std::stable_sort(order.begin(), order.end(), byKey);
    }
    std::vector<DictRow> sorted;
    sorted.reserve(rows.size());
    for (std::size_t i : order) sorted.push_back(std::move(rows[i]));
    rows = std::move(sorted);
}

std::vector<DictRow> LoadRows(const TIniFile& catalogue, DictKind kind) {
    std::vector<DictRow> rows = ReadEntries(catalogue, Info(kind));
    SortRows(rows);
    return rows;
}

} // namespace mcb
