#include "catalogue/TableRows.h"

#include <algorithm>

namespace mcb {

const TableRow* FindRow(const CatalogueTable& table, std::string_view discId) {
    if (discId.empty()) return nullptr;
    const auto found = std::find_if(table.rows.begin(), table.rows.end(),
                                    [discId](const TableRow& row) { return row.cells[0] == discId; });
    return found == table.rows.end() ? nullptr : &*found;
}

int RowAfterRebuild(const LiveTable& table, std::string_view currentDisc, int currentRow) {
    if (const int row = table.RowOfDisc(currentDisc); row >= 0) return row;
    return currentRow >= 0 && currentRow < table.RowCount() ? currentRow : 0;
}

} // namespace mcb
