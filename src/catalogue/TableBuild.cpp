#include "catalogue/TableBuild.h"

#include "catalogue/DiscFilter.h"
#include "catalogue/TableCells.h"
#include "catalogue/TableSort.h"
#include "storage/CatalogueFormat.h"
#include "storage/Cp1251.h"
#include "storage/MyIniFiles.h"

namespace mcb {

namespace {

// Days between two day numbers, wide enough for any stored value.
long long DaysSince(int today, const std::string& day) {
    return static_cast<long long>(today) - DayValue(day);
}

DebtRow MakeDebtRow(const TIniFile& catalogue, const DiscValues& disc, long long days) {
    const std::string& title = TrimBlanks(disc.Nam).empty() ? disc.Nam2 : disc.Nam;
    return DebtRow{catalogue.ReadString("Contacts", disc.Gin, std::string()), title, std::to_string(days),
                   catalogue.ReadString("Contacts", disc.Gin + "_mail", std::string()), disc.Gin};
}

class TableBuilder {
public:
    TableBuilder(const TIniFile& catalogue, const FilterCriteria& filter, const SetupSettings& setup,
                 const TableLayout& layout, int today, bool collectDebts)
        : catalogue_(catalogue), names_(catalogue), filter_(filter, setup.EmptyInclude), setup_(setup), layout_(layout),
          today_(today), collectDebts_(collectDebts && setup.DolgReminder) {}

    TableBuildResult Build() {
        const std::vector<long long> discs = EnumerateDiscs(catalogue_);
        std::vector<TableRow> rows;
        rows.reserve(discs.size());
        for (long long n : discs) AddDisc(DiscIdText(n), rows);
        SortRows(rows, setup_.SortOrder);
        if (!rows.empty()) result_.table.rows = std::move(rows);
        return std::move(result_);
    }

private:
    void AddDisc(std::string discId, std::vector<TableRow>& rows) {
        DiscValues disc = ReadDiscValues(catalogue_, discId);
        const bool lent = disc.IsLent();
        TableCounters& counters = result_.table.counters;
        ++counters.all;
        counters.lent += lent;
        if (collectDebts_ && lent) {
            const long long days = DaysSince(today_, disc.Giv);
            if (days > setup_.DolgDays) result_.debts.push_back(MakeDebtRow(catalogue_, disc, days));
        }
        if (!filter_.Shows(disc)) return;
        ++counters.shown;
        counters.shownLent += lent;
        std::string title = std::move(disc.Nam);
        if (setup_.ShowNewCD && DaysSince(today_, disc.Ent) <= setup_.NewCDdays) title += kNewMark;
        rows.push_back(MakeTableRow(names_, discId, std::move(disc), std::move(title), layout_));
    }

    const TIniFile& catalogue_;
    ListNames names_;
    DiscFilter filter_;
    const SetupSettings& setup_;
    const TableLayout& layout_;
    int today_;
    bool collectDebts_;
    TableBuildResult result_;
};

} // namespace

TableBuildResult BuildTable(const TIniFile& catalogue, const FilterCriteria& filter, const SetupSettings& setup,
                            const TableLayout& layout, int today, bool collectDebts) {
    return TableBuilder(catalogue, filter, setup, layout, today, collectDebts).Build();
}

} // namespace mcb
