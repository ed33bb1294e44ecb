// Reading a CSV file for the import: UTF-8 (with or without its byte order mark) or Windows-1251,
// fields separated by commas, semicolons or tabs, whichever the first line uses most; fields in
// double quotes may hold separators, line breaks and doubled quotes.
#pragma once

#include "output/SheetRows.h"

#include <string>
#include <string_view>

namespace mcb {

SheetRead ReadCsvSheet(const std::string& path, const SheetLimits& limits);

// The same for the bytes of a file.
SheetRead ParseCsv(std::string_view bytes, const SheetLimits& limits);

// The separator the first line uses most, outside quotes: tab before semicolon before comma when
// equal, a comma when none occurs.
char DetectDelimiter(std::string_view text);

// Whether the bytes are well-formed UTF-8.
bool IsUtf8(std::string_view bytes);

} // namespace mcb
