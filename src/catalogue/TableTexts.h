// Texts around the catalogue table: the window caption, the heading row and the counter labels.
#pragma once

#include "catalogue/TableTypes.h"
#include "storage/Layout.h"

#include <array>
#include <string>

namespace mcb {

// The window's caption before the first table build: "Mirvane CD Base" and the program's version.
std::string ProgramCaption();

// ProgramCaption(), " - " and the file name of the catalogue without its directory; the native path
// is turned into Windows-1251 text.
std::string WindowCaption(const std::string& baseFileName);

// The twelve column headings, the one of column `sortOrder` (when 0..11) prefixed with "#  ".
std::array<std::string, kColumnCount> HeadingRow(const TableLayout& layout, int sortOrder);

// The texts of the labels LaAll, LaNal, LaAllVisi and LaNalVisi, in this order.
std::array<std::string, 4> CounterTexts(const TableCounters& counters);

} // namespace mcb
