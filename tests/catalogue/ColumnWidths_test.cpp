#include "catalogue/ColumnWidths.h"

#include <climits>
#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(BuiltInColumnWidths, AreTruncatedFractionsOfTheTableWidth) {
    const ColumnWidthArray expected = {20, 160, 160, 30, 30, 60, 60, 40, 60, 30, 30, 30};
    EXPECT_EQ(BuiltInColumnWidths(400), expected);
    const ColumnWidthArray small = {0, 4, 4, 0, 0, 1, 1, 1, 1, 0, 0, 0};
    EXPECT_EQ(BuiltInColumnWidths(10), small);
    EXPECT_EQ(BuiltInColumnWidths(-5), ColumnWidthArray{});
}

struct StartCase {
    const char* name;
    int stored;
    int initial;
    bool shown;
    int restore;
};

TEST(ColumnWidths, StartUpReadsStoredValues) {
    // Column 3 has the built-in width 30 at a table width of 400.
    const StartCase cases[] = {
        {"zero keeps the built-in width", 0, 30, true, 30},
        {"positive is the width", 75, 75, true, 75},
        {"negative hides with its restore width", -120, 0, false, 120},
        {"huge is limited", INT_MAX, kMaxColumnWidth, true, kMaxColumnWidth},
        {"most negative is limited, not overflowed", INT_MIN, 0, false, kMaxColumnWidth},
    };
    for (const auto& c : cases) {
        ColumnWidthArray stored{};
        stored[3] = c.stored;
        const ColumnWidths widths(400, stored);
        EXPECT_EQ(widths.initial()[3], c.initial) << c.name;
        EXPECT_EQ(widths.shown(3), c.shown) << c.name;
        EXPECT_EQ(widths.restoreWidth(3), c.restore) << c.name;
        EXPECT_EQ(widths.initial()[1], 160) << c.name;
    }
}

TEST(ColumnWidths, ToggleHidesAndRestores) {
    ColumnWidthArray stored{};
    stored[2] = 90;
    ColumnWidths widths(400, stored);

    EXPECT_EQ(widths.Toggle(2, 150), 0); // dragging wider does not change the restore width
    EXPECT_FALSE(widths.shown(2));
    EXPECT_EQ(widths.Toggle(2, 0), 90);
    EXPECT_TRUE(widths.shown(2));
    // Dragged to zero while still shown: the toggle shows it again.
    EXPECT_EQ(widths.Toggle(2, 0), 90);
    EXPECT_TRUE(widths.shown(2));
}

TEST(ColumnWidths, ShutdownWritesCurrentOrMinusRestoreWidth) {
    ColumnWidthArray stored{};
    stored[4] = -55;
    const ColumnWidths widths(400, stored);
    ColumnWidthArray current = widths.initial();
    current[1] = 210;
    current[6] = 0; // dragged to zero
    const ColumnWidthArray written = widths.ToStore(current);
    EXPECT_EQ(written[1], 210);
    EXPECT_EQ(written[4], -55);
    EXPECT_EQ(written[6], -60);
    EXPECT_EQ(written[0], 20);

    // Reading back what was written restores the same state.
    const ColumnWidths next(400, written);
    EXPECT_FALSE(next.shown(4));
    EXPECT_EQ(next.restoreWidth(4), 55);
    EXPECT_EQ(next.initial()[1], 210);
}

} // namespace
} // namespace mcb
