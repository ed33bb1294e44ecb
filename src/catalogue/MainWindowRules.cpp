#include "catalogue/MainWindowRules.h"

#include <algorithm>
#include <cstdlib>

namespace mcb {

namespace {

constexpr int kClickTolerance = 2;
constexpr int kTableKeepsAtLeast = 290;
constexpr int kTableRoomAfterFit = 300;

int WithinLimits(int value, int minimum, int maximum) {
    return std::clamp(value, minimum, std::max(minimum, maximum));
}

} // namespace

HeadingRelease ClassifyHeadingRelease(int column, int sortOrder, int dx, int dy) {
    if (column == sortOrder) return HeadingRelease::Nothing;
    const bool click = std::abs(dx) <= kClickTolerance && std::abs(dy) <= kClickTolerance;
    if (!click) return HeadingRelease::KeepHiddenHidden;
    return column < 0 ? HeadingRelease::Nothing : HeadingRelease::Sort;
}

int FitInfoPanelWidth(int clientWidth, int panelWidth, int minWidth) {
    minWidth = std::max(minWidth, kInfoPanelMinWidth);
    int width = std::max(panelWidth, minWidth);
    if (clientWidth - width < kTableKeepsAtLeast) width = clientWidth - kTableRoomAfterFit;
    return std::max(width, minWidth);
}

int FirstStartSize(int designed, int available) {
    return std::max(designed, static_cast<int>(static_cast<long long>(available) * 4 / 5));
}

WindowStart StartWindow(int mainState, int mainWidth, int mainHeight, int maxWidth, int maxHeight) {
    WindowStart start;
    start.width = FirstStartSize(kDesignedWidth, maxWidth);
    start.height = FirstStartSize(kDesignedHeight, maxHeight);
    if (mainState == 0) start.show = WindowShow::Minimized;
    if (mainState == 2) start.show = WindowShow::Maximized;
    if (mainState == 1) {
        if (mainWidth != 0) start.width = WithinLimits(mainWidth, kMinWidth, maxWidth);
        if (mainHeight != 0) start.height = WithinLimits(mainHeight, kMinHeight, maxHeight);
    }
    return start;
}

int StoredWindowState(WindowShow show) {
    switch (show) {
    case WindowShow::Minimized:
        return 0;
    case WindowShow::Maximized:
        return 2;
    case WindowShow::Normal:
        break;
    }
    return 1;
}

} // namespace mcb
