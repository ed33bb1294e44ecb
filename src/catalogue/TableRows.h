// Between the table's rows and disc identifiers: windows turn their current row into an identifier,
// and the disc commands find the row (with its hidden lending values) of the identifier they get.
#pragma once

#include "catalogue/TableTypes.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace mcb {

// The identifier of the disc shown in a row; empty for a row outside the table and for the one row
// of an empty table.
std::string DiscIdOfRow(const CatalogueTable& table, int row);

// The row showing the disc; null when the table does not show it (or the identifier is empty).
const TableRow* FindRow(const CatalogueTable& table, std::string_view discId);

// The row that is current after a rebuild: the row of the disc that was current (or that is to
// become current, such as a disc just added) when the table still shows it; otherwise the row
// number that was current when it is still below the row count; otherwise the first row.
int RowAfterRebuild(const CatalogueTable& table, std::string_view currentDisc, int currentRow);

// Characters of the longest identifier the table shows (0 for an empty table).
std::size_t LongestIdentifier(const CatalogueTable& table);

} // namespace mcb
