#include "discs/DebtorsList.h"

#include "catalogue/ExchangeOrder.h"
#include "catalogue/TableBuild.h"
#include "storage/Settings.h"

#include <algorithm>

namespace mcb {

namespace {

// Rank of each debtor name in plain byte order; equal names share a rank.
std::vector<int> NameRanks(const std::vector<DebtRow>& debts) {
    auto byteLess = [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
            return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
        });
    };
    std::vector<std::string> names;
    for (const DebtRow& d : debts) names.push_back(d.name);
    std::sort(names.begin(), names.end(), byteLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::vector<int> ranks;
    for (const DebtRow& d : debts)
        ranks.push_back(int(std::lower_bound(names.begin(), names.end(), d.name, byteLess) - names.begin()));
    return ranks;
}

} // namespace

std::vector<DebtRow> OverdueDebts(const TIniFile& catalogue, const SetupSettings& setup, int today) {
    SetupSettings asked = setup;
    asked.DolgReminder = true; // asking for them is the request
    return BuildTable(catalogue, FilterCriteria{}, asked, BuiltInLayout(), today, true).debts;
}

DebtorsList::DebtorsList(std::vector<DebtRow> debts) {
    for (int position : ExchangeSortOrder(NameRanks(debts))) rows_.push_back({std::move(debts[position]), true});
}

void DebtorsList::Toggle(std::size_t row) {
    if (row < rows_.size()) rows_[row].ticked = !rows_[row].ticked;
}

void DebtorsList::ToggleAll() {
    for (DebtorsRow& row : rows_) row.ticked = !row.ticked;
}

bool DebtorsList::AnyTicked() const {
    return std::any_of(rows_.begin(), rows_.end(), [](const DebtorsRow& row) { return row.ticked; });
}

} // namespace mcb
