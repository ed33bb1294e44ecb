// Building the catalogue table from the open catalogue: one row per disc that passes the filter,
// new discs marked, rows sorted, counters set, overdue loans collected for the start-up reminder.
#pragma once

#include "catalogue/TableTypes.h"
#include "storage/Layout.h"
#include "storage/Settings.h"

#include <vector>

namespace mcb {

class TIniFile;

struct TableBuildResult {
    CatalogueTable table;
    std::vector<DebtRow> debts; // filled only when debts were to be collected and DolgReminder is on
};

// Reads the catalogue only. Ent and Giv texts that are not numbers count as day 0.
TableBuildResult BuildTable(const TIniFile& catalogue, const FilterCriteria& filter, const SetupSettings& setup,
                            const TableLayout& layout, int today, bool collectDebts);

} // namespace mcb
