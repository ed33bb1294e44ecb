// The list of the debtors window: the overdue debts sorted by debtor, each with its tick. The window
// only draws it and forwards clicks.
#pragma once

#include "catalogue/TableTypes.h"

#include <cstddef>
#include <vector>

namespace mcb {

struct DebtorsRow {
    DebtRow debt;
    bool ticked = true;
};

class DebtorsList {
public:
    // All rows ticked, sorted alphabetically by debtor name; names that differ only in letter case
    // stay apart, upper case first. The discs of one debtor keep the order the exchange sort leaves
    // them in.
    explicit DebtorsList(std::vector<DebtRow> debts);

    const std::vector<DebtorsRow>& rows() const { return rows_; }

    // A click on a row's tick cell; rows out of range are ignored.
    void Toggle(std::size_t row);
    // A click on the header of the tick column flips every row.
    void ToggleAll();
    // "Создать письма" is enabled exactly when this holds.
    bool AnyTicked() const;

private:
    std::vector<DebtorsRow> rows_;
};

// A press and release within 2 pixels of each other, in both directions, count as a click.
inline bool IsClick(int dx, int dy) {
    return dx >= -2 && dx <= 2 && dy >= -2 && dy <= 2;
}

} // namespace mcb
