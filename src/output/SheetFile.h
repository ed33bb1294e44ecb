// The spreadsheet file the user chose for the import, read by its kind.
#pragma once

#include "output/SheetRows.h"

#include <string>

namespace mcb {

// ".xlsx" reads the workbook's first sheet, ".csv" and ".txt" a CSV file (letter case ignored); any
// other name is refused.
SheetRead ReadSheetFile(const std::string& path, const SheetLimits& limits = {});

} // namespace mcb
