#include "catalogue/ColumnWidths.h"

#include <climits>
#include <cmath>
#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(BuiltInColumnWidths, AreTruncatedFractionsOfTheTableWidthScaledToTheFont) {
    const struct {
        int tableWidth;
        double scale;
        ColumnWidthArray expected;
    } cases[] = {
        {400, 1.0, {20, 160, 160, 30, 30, 60, 60, 40, 60, 30, 30, 30}},
        {400, 1.5, {30, 240, 240, 45, 45, 90, 90, 60, 90, 45, 45, 45}},
        {400, 0.5, {10, 80, 80, 15, 15, 30, 30, 20, 30, 15, 15, 15}},
        {10, 1.0, {0, 4, 4, 0, 0, 1, 1, 1, 1, 0, 0, 0}},
        {-5, 1.0, {}},
        {400, -2.0, {}},
        {kMaxColumnWidth,
         3.0,
         {1500, kMaxColumnWidth, kMaxColumnWidth, 2250, 2250, 4500, 4500, 3000, 4500, 2250, 2250, 2250}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BuiltInColumnWidths(c.tableWidth, c.scale), c.expected) << c.tableWidth << " x " << c.scale;
    // The reference font gives the widths as laid out; a broken measure does not scale.
    const std::pair<double, double> scales[] = {{5.0, 1.0},  {6.25, 1.25}, {0.0, 1.0},
                                                {-3.0, 1.0}, {NAN, 1.0},   {INFINITY, 1.0}};
    for (const auto& [average, scale] : scales) EXPECT_EQ(FontScale(average), scale) << average;
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

TEST(ColumnWidths, BuiltInWidthShowsTheWholeHeading) {
    // Column 3 has the built-in width 30 at a table width of 400.
    const struct {
        const char* name;
        int stored, headingRoom, initial, restore;
    } cases[] = {
        {"heading wider than the built-in width", 0, 75, 75, 75},
        {"heading narrower", 0, 12, 30, 30},
        {"stored by the user", 20, 75, 20, 20},
        {"hidden by the user", -20, 75, 0, 20},
        {"no real heading is this wide", 0, INT_MAX, kMaxColumnWidth, kMaxColumnWidth},
        {"a broken measure", 0, -8, 30, 30},
    };
    for (const auto& c : cases) {
        ColumnWidthArray stored{}, headingRoom{};
        stored[3] = c.stored;
        headingRoom[3] = c.headingRoom;
        ColumnWidths widths(400, stored, 1.0, headingRoom);
        EXPECT_EQ(widths.initial()[3], c.initial) << c.name;
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

// The identifier column grows to show every digit only while it has its built-in width.
TEST(ColumnWidths, IdentifierColumnWidensOnlyFromItsBuiltInWidth) {
    const struct {
        const char* name;
        int stored;
        int current; // the column's width when the identifiers are measured (built-in: 20)
        int needed;
        std::optional<int> widened;
    } cases[] = {
        {"built-in and too narrow", 0, 20, 47, 47},
        {"built-in and wide enough", 0, 20, 20, std::nullopt},
        {"stored by the user", 30, 30, 47, std::nullopt},
        {"hidden", -30, 0, 47, std::nullopt},
        {"dragged", 0, 25, 47, std::nullopt},
        {"beyond every real column", 0, 20, INT_MAX, kMaxColumnWidth},
    };
    for (const auto& c : cases) {
        ColumnWidthArray stored{};
        stored[0] = c.stored;
        ColumnWidths widths(400, stored);
        EXPECT_EQ(widths.WidenForIdentifiers(c.current, c.needed), c.widened) << c.name;
        if (c.widened) {
            EXPECT_EQ(widths.Toggle(0, 0), *c.widened) << c.name << ": shown again at the new width";
        }
    }
}

} // namespace
} // namespace mcb
