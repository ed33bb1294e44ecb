#include "catalogue/TableRows.h"

#include <algorithm>

namespace mcb {

std::string DiscIdOfRow(const CatalogueTable& table, int row) {
    if (row < 0 || row >= static_cast<int>(table.rows.size())) return {};
    return table.rows[row].cells[0];
}

const TableRow* FindRow(const CatalogueTable& table, std::string_view discId) {
    if (discId.empty()) return nullptr;
    const auto found = std::find_if(table.rows.begin(), table.rows.end(),
                                    [discId](const TableRow& row) { return row.cells[0] == discId; });
    return found == table.rows.end() ? nullptr : &*found;
}

int RowAfterRebuild(const CatalogueTable& table, std::string_view currentDisc, int currentRow) {
    if (const TableRow* row = FindRow(table, currentDisc)) return static_cast<int>(row - table.rows.data());
    return currentRow >= 0 && currentRow < static_cast<int>(table.rows.size()) ? currentRow : 0;
}

std::size_t LongestIdentifier(const CatalogueTable& table) {
    std::size_t longest = 0;
    for (const TableRow& row : table.rows) longest = std::max(longest, row.cells[0].size());
    return longest;
}

} // namespace mcb
