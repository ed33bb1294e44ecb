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

} // namespace mcb
