#include "catalogue/MainWindowRules.h"

#include <climits>
#include <gtest/gtest.h>

namespace mcb {
namespace {

TEST(ClassifyHeadingRelease, ClickSortsDragKeepsHiddenColumnsHidden) {
    struct Case {
        int column, sortOrder, dx, dy;
        HeadingRelease expected;
    };
    const Case cases[] = {
        {3, 1, 0, 0, HeadingRelease::Sort},
        {3, 1, 2, -2, HeadingRelease::Sort},
        {0, 1, 1, 0, HeadingRelease::Sort},
        {3, 1, 3, 0, HeadingRelease::KeepHiddenHidden},
        {3, 1, 0, -3, HeadingRelease::KeepHiddenHidden},
        {1, 1, 0, 0, HeadingRelease::Nothing},
        {1, 1, 40, 0, HeadingRelease::Nothing},
        {-1, 1, 0, 0, HeadingRelease::Nothing},
        {-1, 1, 30, 0, HeadingRelease::KeepHiddenHidden},
        {5, 42, 0, 0, HeadingRelease::Sort},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyHeadingRelease(c.column, c.sortOrder, c.dx, c.dy), c.expected)
            << c.column << " " << c.sortOrder << " " << c.dx << " " << c.dy;
}

TEST(FitInfoPanelWidth, KeepsMinimumAndRoomForTheTable) {
    struct Case {
        int client, panel, expected;
    };
    const Case cases[] = {
        {638, 180, 180},     {638, 100, 177},     {638, 348, 348}, {638, 349, 338},
        {638, INT_MAX, 338}, {638, INT_MIN, 177}, {400, 180, 177},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FitInfoPanelWidth(c.client, c.panel), c.expected) << c.client << " " << c.panel;
    // Counters that need more room than 177 pixels win even over the room of the table.
    const Case wide[] = {{638, 180, 240}, {638, 300, 300}, {400, 180, 240}, {638, 200, 240}};
    for (const auto& c : wide) EXPECT_EQ(FitInfoPanelWidth(c.client, c.panel, 240), c.expected) << c.client;
}

TEST(StartWindow, FollowsStoredStateAndSize) {
    struct Case {
        int state, width, height;
        WindowShow show;
        int expectedWidth, expectedHeight;
    };
    // Without a stored size 80 % of the 1920 x 1080 screen.
    const Case cases[] = {
        {1, 0, 0, WindowShow::Normal, 1536, 864},        {1, 900, 0, WindowShow::Normal, 900, 864},
        {1, 900, 700, WindowShow::Normal, 900, 700},     {2, 900, 700, WindowShow::Maximized, 1536, 864},
        {0, 900, 700, WindowShow::Minimized, 1536, 864}, {7, 900, 700, WindowShow::Normal, 1536, 864},
        {1, 100, -5, WindowShow::Normal, 638, 416},      {1, INT_MAX, INT_MAX, WindowShow::Normal, 1920, 1080},
    };
    for (const auto& c : cases) {
        const WindowStart start = StartWindow(c.state, c.width, c.height, 1920, 1080);
        EXPECT_EQ(start.show, c.show) << c.state;
        EXPECT_EQ(start.width, c.expectedWidth) << c.state << " " << c.width;
        EXPECT_EQ(start.height, c.expectedHeight) << c.state << " " << c.height;
    }
}

TEST(StartWindow, FirstStartSuitsTheScreenButNeverGoesBelowTheDesignedSize) {
    const struct {
        int screenWidth, screenHeight, width, height;
    } cases[] = {{1280, 800, 1024, 640},
                 {800, 600, 640, 480},
                 {640, 480, 638, 425},
                 {0, 0, 638, 425},
                 {INT_MAX, INT_MAX, 1717986917, 1717986917}};
    for (const auto& c : cases) {
        const WindowStart start = StartWindow(1, 0, 0, c.screenWidth, c.screenHeight);
        EXPECT_EQ(start.width, c.width) << c.screenWidth;
        EXPECT_EQ(start.height, c.height) << c.screenHeight;
    }
}

} // namespace
} // namespace mcb
