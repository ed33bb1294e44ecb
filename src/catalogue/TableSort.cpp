#include "catalogue/TableSort.h"

#include "catalogue/ExchangeOrder.h"
#include "storage/Cp1251.h"

#include <algorithm>
#include <charconv>

namespace mcb {

namespace {

constexpr int kTitleColumn = 1;
constexpr int kDurationColumn = 10;

struct SortKey {
    long long number = 0; // only for the duration order
    std::string primary;
    std::string title;
};

bool KeyLess(const SortKey& a, const SortKey& b) {
    if (a.number != b.number) return a.number < b.number;
    if (int c = a.primary.compare(b.primary); c != 0) return c < 0;
    return a.title < b.title;
}

bool KeyEqual(const SortKey& a, const SortKey& b) {
    return a.number == b.number && a.primary == b.primary && a.title == b.title;
}

// std::string compares bytes as unsigned char, which is the Windows-1251 code order.
std::vector<SortKey> BuildKeys(const std::vector<TableRow>& rows, int sortOrder) {
    std::vector<SortKey> keys(rows.size());
    for (size_t r = 0; r < rows.size(); ++r) {
        const auto& cells = rows[r].cells;
        keys[r].title = UpperCase(cells[kTitleColumn]);
        if (sortOrder == kDurationColumn)
            keys[r].number = SortNumber(cells[kDurationColumn]);
        else if (sortOrder != kTitleColumn)
            keys[r].primary = UpperCase(cells[sortOrder]);
    }
    return keys;
}

std::vector<int> RanksOf(const std::vector<SortKey>& keys) {
    std::vector<int> byKey(keys.size());
    for (size_t r = 0; r < keys.size(); ++r) byKey[r] = int(r);
    std::sort(byKey.begin(), byKey.end(), [&](int a, int b) { return KeyLess(keys[a], keys[b]); });
    std::vector<int> ranks(keys.size());
    int rank = 0;
    for (size_t k = 0; k < byKey.size(); ++k) {
        if (k > 0 && !KeyEqual(keys[byKey[k - 1]], keys[byKey[k]])) ++rank;
        ranks[byKey[k]] = rank;
    }
    return ranks;
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
    const std::vector<int> order = ExchangeSortOrder(RanksOf(BuildKeys(rows, sortOrder)));
    std::vector<TableRow> sorted;
    sorted.reserve(rows.size());
    for (int from : order) sorted.push_back(std::move(rows[from]));
    rows = std::move(sorted);
}

} // namespace mcb
