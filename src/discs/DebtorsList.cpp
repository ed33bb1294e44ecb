#include "discs/DebtorsList.h"

#include "catalogue/ExchangeOrder.h"
#include "storage/Cp1251.h"

#include <algorithm>

namespace mcb {

namespace {

// Alphabetical, and names that differ only in letter case by their bytes, so that only equal names
// tie and the rows of one debtor stand together.
bool NameLess(const std::string& a, const std::string& b) {
    const int c = CompareSorted(a, b);
    return c != 0 ? c < 0 : a < b;
}

// Rank of each debtor name; equal names share a rank.
std::vector<int> NameRanks(const std::vector<DebtRow>& debts) {
    std::vector<std::string> names;
    for (const DebtRow& d : debts) names.push_back(d.name);
    std::sort(names.begin(), names.end(), NameLess);
    names.erase(std::unique(names.begin(), names.end()), names.end());
    std::vector<int> ranks;
    for (const DebtRow& d : debts)
        ranks.push_back(int(std::lower_bound(names.begin(), names.end(), d.name, NameLess) - names.begin()));
    return ranks;
}

} // namespace

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
