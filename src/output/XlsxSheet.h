// Reading the first sheet of a .xlsx workbook for the import.
#pragma once

#include "output/SheetRows.h"

#include <string>

namespace mcb {

// Texts of shared and inline strings come with the format's "_xHHHH_" escapes decoded; numbers as the
// shortest text of their value ("1999", not "1999.0"); truth values as "0" and "1".
SheetRead ReadXlsxSheet(const std::string& path, const SheetLimits& limits);

// The text of a stored number: whole values without a fraction, any other value as stored.
std::string NumberCellText(std::string_view stored);

// The text with every "_xHHHH_" replaced by the character it stands for.
std::string DecodeCellEscapes(std::string_view text);

} // namespace mcb
