// The block of the catalogue report that says in words which discs the filter shows.
#pragma once

#include "output/ReportLayout.h"
#include "storage/Settings.h"

#include <string_view>

namespace mcb {

class TIniFile;

// Names of chosen entries are read from the catalogue and printed whole, however the table
// shortens them on screen. The words of the quick search, when there are any, get a line of their own.
void PrintConditions(ReportLayout& layout, const FilterCriteria& filter, const TIniFile& catalogue,
                     std::string_view searchWords = {});

} // namespace mcb
