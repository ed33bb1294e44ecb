// Sorting of the catalogue table rows by the sort order setting.
#pragma once

#include "catalogue/TableTypes.h"

#include <vector>

namespace mcb {

// Sort orders 1 to 11 name the column sorted by (1 the title; the others fall back to the title on
// equal values; 10 compares the duration as a number, an empty or non-numeric cell counting as -1).
// Texts compare alphabetically (CompareSorted). Rows equal in both keys end up exactly where
// the program's exchange sort has always put them. Order 0 keeps the identifier order, and so does any
// order outside 0..11, which only a hand-edited settings file can hold.
void SortRows(std::vector<TableRow>& rows, int sortOrder);

// The number a duration cell counts as when sorting: its integer value, or -1 when it is empty or not
// an integer.
long long SortNumber(const std::string& cell);

} // namespace mcb
