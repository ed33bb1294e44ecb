// Between the table's rows and disc identifiers: the disc commands find the row (with its hidden
// lending values) of the identifier they get, and the window keeps its current disc current.
#pragma once

#include "catalogue/LiveTable.h"
#include "catalogue/TableTypes.h"

#include <string_view>

namespace mcb {

// The row showing the disc; null when the table does not show it (or the identifier is empty).
const TableRow* FindRow(const CatalogueTable& table, std::string_view discId);

// The row that is current after a rebuild: the row of the disc that was current (or that is to
// become current, such as a disc just added) when the table still shows it; otherwise the row
// number that was current when it is still below the row count; otherwise the first row.
int RowAfterRebuild(const LiveTable& table, std::string_view currentDisc, int currentRow);

} // namespace mcb
