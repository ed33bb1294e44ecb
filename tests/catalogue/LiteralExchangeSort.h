// The table's exchange sort run literally, quadratic as it has always been: the reference the fast
// sort is checked against and timed against.
#pragma once

#include "catalogue/TableSort.h"
#include "catalogue/TableTypes.h"
#include "storage/Cp1251.h"

#include <utility>
#include <vector>

namespace mcb::test {

inline bool MustComeAfter(const TableRow& i, const TableRow& j, int order) {
    const int title = CompareSorted(i.cells[1], j.cells[1]);
    if (order == 1) return title > 0;
    if (order == 10) {
        const long long a = SortNumber(i.cells[10]);
        const long long b = SortNumber(j.cells[10]);
        return b < a || (a == b && title > 0);
    }
    const int primary = CompareSorted(i.cells[order], j.cells[order]);
    return primary > 0 || (primary == 0 && title > 0);
}

inline void LiteralSort(std::vector<TableRow>& rows, int order) {
    if (order < 1 || order > 11) return;
    for (size_t i = 0; i + 1 < rows.size(); ++i)
        for (size_t j = i + 1; j < rows.size(); ++j)
            if (MustComeAfter(rows[i], rows[j], order)) std::swap(rows[i], rows[j]);
}

} // namespace mcb::test
