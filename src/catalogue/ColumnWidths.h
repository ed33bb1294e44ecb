// Widths and visibility of the catalogue table's columns: the built-in widths, the values kept in
// the settings between runs (0 = built-in, negative = hidden with its restore width), the toggle of a
// column, and the values written back at shutdown. A hidden column has width 0.
#pragma once

#include "catalogue/TableTypes.h"

#include <array>

namespace mcb {

using ColumnWidthArray = std::array<int, kColumnCount>;

// Stored widths beyond this are treated as this: no real column is wider, and a hand-edited huge
// value must not break the table's geometry.
constexpr int kMaxColumnWidth = 10000;

// Built-in widths as fractions of the table width, truncated.
ColumnWidthArray BuiltInColumnWidths(int tableWidth);

class ColumnWidths {
public:
    // Start-up: restore width = |stored| (built-in width for 0); a negative value hides the column.
    ColumnWidths(int tableWidth, const ColumnWidthArray& stored);

    // Widths to give the columns at start-up.
    const ColumnWidthArray& initial() const { return initial_; }
    bool shown(int column) const { return shown_[column]; }
    int restoreWidth(int column) const { return restore_[column]; }

    // The column's toggle was clicked while the column had the given width; returns its new width.
    // A column of width 0 is shown with its restore width (also when it was dragged to 0 while its
    // toggle still said shown); any other column is hidden.
    int Toggle(int column, int currentWidth);

    // Values for the settings at shutdown: the current width, or minus the restore width for a
    // column of width 0.
    ColumnWidthArray ToStore(const ColumnWidthArray& current) const;

private:
    ColumnWidthArray initial_{};
    ColumnWidthArray restore_{};
    std::array<bool, kColumnCount> shown_{};
};

} // namespace mcb
