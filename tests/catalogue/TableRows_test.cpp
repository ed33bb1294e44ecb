#include "catalogue/TableRows.h"
#include "storage/Layout.h"
#include "storage/MyIniFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace mcb {
namespace {

// The table of a catalogue sorted by title: the discs 00003, 00001, 00002 in this order, or none.
struct Sorted {
    explicit Sorted(bool discs) {
        dir.Write("base.cbf", discs ? "[Common]\r\nLastCDID=00003\r\n[00001]\r\nNam=b\r\n[00002]\r\nNam=c\r\n"
                                      "[00003]\r\nNam=a\r\n"
                                    : "[Common]\r\nLastCDID=00000\r\n");
        catalogue = std::make_unique<TIniFile>(dir.File("base.cbf"));
        table.Refresh(*catalogue, {FilterCriteria{}, setup, layout, 46000});
    }
    test::TempDir dir;
    std::unique_ptr<TIniFile> catalogue;
    SetupSettings setup;
    TableLayout layout = BuiltInLayout();
    LiveTable table;
};

TEST(RowAfterRebuild, TheCurrentDiscStaysCurrentWhileItIsShown) {
    const Sorted sorted(true), empty(false);
    const struct {
        const char* name;
        const LiveTable& table;
        const char* disc;
        int row, expected;
    } cases[] = {
        {"re-sorted: the disc's new row", sorted.table, "00001", 0, 1},
        {"a disc just added", sorted.table, "00002", 0, 2},
        {"filtered out: the same row number", sorted.table, "00009", 1, 1},
        {"deleted: the disc that took its place", sorted.table, "00004", 2, 2},
        {"row number beyond the table: the first row", sorted.table, "00004", 3, 0},
        {"no row was current", sorted.table, "", -1, 0},
        {"no disc current, a row number", sorted.table, "", 2, 2},
        {"empty table", empty.table, "00001", 4, 0},
    };
    for (const auto& c : cases) EXPECT_EQ(RowAfterRebuild(c.table, c.disc, c.row), c.expected) << c.name;
}

} // namespace
} // namespace mcb
