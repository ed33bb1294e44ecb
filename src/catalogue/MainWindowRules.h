// Rules of the catalogue window that need no screen: what a release on the table heading means,
// how wide the information panel may be, and how the window's state and size are kept between runs.
#pragma once

namespace mcb {

// Release of the left button over the heading row.
enum class HeadingRelease {
    Nothing,          // over the current sort column, or neither a click nor a drag
    Sort,             // a click on another column: sort by it
    KeepHiddenHidden, // a column border was dragged: hidden columns go back to width 0
};

// column: the heading cell under the pointer, -1 when none; dx, dy: pointer movement since the press.
HeadingRelease ClassifyHeadingRelease(int column, int sortOrder, int dx, int dy);

constexpr int kInfoPanelMinWidth = 177;
constexpr int kInfoPanelDefaultWidth = 180;

// Width of the information panel after it or the window was resized: at least its minimum width
// (177 pixels, or what its counters need in the current font), and when the table would keep less
// than 290 pixels, the client width minus 300.
int FitInfoPanelWidth(int clientWidth, int panelWidth, int minWidth = kInfoPanelMinWidth);

constexpr int kDesignedWidth = 638;
constexpr int kDesignedHeight = 425;
constexpr int kMinWidth = 638;
constexpr int kMinHeight = 416;

enum class WindowShow { Minimized, Normal, Maximized };

struct WindowStart {
    WindowShow show = WindowShow::Normal;
    int width = kDesignedWidth;
    int height = kDesignedHeight;
};

// A dimension of the window without a stored size: 80 % of the available screen, but never less
// than the designed size, so that a first start on a large screen shows every column heading.
int FirstStartSize(int designed, int available);

// Start-up from MainState/MainWidth/MainHeight: 0 minimized, 1 normal with the stored size (each
// dimension when not 0), 2 maximized, anything else a normal window. A dimension without a stored
// size is FirstStartSize; a stored one stays within the minimum size and the available screen
// (maxWidth × maxHeight), whatever the file says.
WindowStart StartWindow(int mainState, int mainWidth, int mainHeight, int maxWidth, int maxHeight);

// MainState value of a window state at shutdown.
int StoredWindowState(WindowShow show);

} // namespace mcb
