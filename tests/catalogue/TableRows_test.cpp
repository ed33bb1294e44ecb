#include "catalogue/TableRows.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

CatalogueTable TableOf(std::initializer_list<const char*> ids) {
    CatalogueTable table;
    table.rows.clear();
    for (const char* id : ids) {
        TableRow row;
        row.cells[0] = id;
        table.rows.push_back(row);
    }
    return table;
}

TEST(RowAfterRebuild, TheCurrentDiscStaysCurrentWhileItIsShown) {
    const CatalogueTable sorted = TableOf({"00003", "00001", "00002"});
    const struct {
        const char* name;
        const CatalogueTable& table;
        const char* disc;
        int row, expected;
    } cases[] = {
        {"re-sorted: the disc's new row", sorted, "00001", 0, 1},
        {"a disc just added", sorted, "00002", 0, 2},
        {"filtered out: the same row number", sorted, "00009", 1, 1},
        {"deleted: the disc that took its place", sorted, "00004", 2, 2},
        {"row number beyond the table: the first row", sorted, "00004", 3, 0},
        {"no row was current", sorted, "", -1, 0},
        {"no disc current, a row number", sorted, "", 2, 2},
        {"empty table", TableOf({""}), "00001", 4, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(RowAfterRebuild(c.table, c.disc, c.row), c.expected) << c.name;
}

} // namespace
} // namespace mcb
