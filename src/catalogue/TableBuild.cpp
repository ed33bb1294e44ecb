#include "catalogue/TableBuild.h"

#include "catalogue/LiveTable.h"

namespace mcb {

TableBuildResult BuildTable(const TIniFile& catalogue, const FilterCriteria& filter, const SetupSettings& setup,
                            const TableLayout& layout, int today, bool collectDebts) {
    LiveTable live;
    live.Refresh(catalogue, {filter, setup, layout, today});
    TableBuildResult result{live.Snapshot(), {}};
    if (collectDebts && setup.DolgReminder) result.debts = live.OverdueDebts(catalogue, today, setup.DolgDays);
    return result;
}

} // namespace mcb
