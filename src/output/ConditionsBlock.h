// The block of the catalogue report that says in words which discs the filter shows.
#pragma once

#include "output/ReportLayout.h"
#include "storage/Settings.h"

namespace mcb {

class TIniFile;

// Names of chosen entries are read from the catalogue and printed whole, however the table
// shortens them on screen.
void PrintConditions(ReportLayout& layout, const FilterCriteria& filter, const TIniFile& catalogue);

} // namespace mcb
