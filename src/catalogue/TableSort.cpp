#include "catalogue/TableSort.h"

#include "catalogue/ExchangeOrder.h"
#include "catalogue/SortKeys.h"

#include <charconv>
#include <cstdint>

namespace mcb {

namespace {

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

long long SortNumber(std::string_view cell) {
    long long value = 0;
    const char* first = cell.data();
    const char* last = first + cell.size();
    if (first != last && *first == '+') ++first; // a sign the stored integer may carry
    const auto [end, error] = std::from_chars(first, last, value);
    if (cell.empty() || error != std::errc() || end != last) return -1;
    return value;
}

void SortRows(std::vector<TableRow>& rows, int sortOrder) {
    if (rows.size() < 2 || !SortsRows(sortOrder)) return;
    SortKeyTexts texts(sortOrder);
    std::vector<RowKey> keys;
    keys.reserve(rows.size());
    for (const TableRow& row : rows) keys.push_back(texts.Make(row.cells[kTitleColumn], {}, row.cells[sortOrder]));
    std::vector<uint32_t> byKey(rows.size());
    for (uint32_t r = 0; r < byKey.size(); ++r) byKey[r] = r;
    const auto keyOf = [&keys](auto r) -> const RowKey& { return keys[size_t(r)]; };
    SortByKey(byKey, texts, keyOf, [](uint32_t r) { return r; });
    const std::vector<int> positions(byKey.begin(), byKey.end());
    MoveIntoOrder(rows, ExchangeSortOrder(DenseRanks(positions, texts, keyOf), positions));
}

} // namespace mcb
