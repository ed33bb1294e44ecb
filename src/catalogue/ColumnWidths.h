// Widths and visibility of the catalogue table's columns: the built-in widths, the values kept in
// the settings between runs (0 = built-in, negative = hidden with its restore width), the toggle of a
// column, and the values written back at shutdown. A hidden column has width 0.
//
// The built-in widths were laid out in pixels for an 8-point dialog font at 96 dpi, whose average
// character is 5 pixels wide. Wider fonts would cut what those widths showed, so they are scaled by
// the ratio of the table font's average character width to that one; widths the user stored are
// pixels of this machine already and stay as they are.
#pragma once

#include "catalogue/TableTypes.h"

#include <array>
#include <optional>

namespace mcb {

using ColumnWidthArray = std::array<int, kColumnCount>;

// Stored widths beyond this are treated as this: no real column is wider, and a hand-edited huge
// value must not break the table's geometry.
constexpr int kMaxColumnWidth = 10000;

// Average character width, in pixels, of the font the built-in widths were laid out for.
constexpr double kReferenceCharWidth = 5.0;

// The factor for the built-in widths in a font of that average character width (1 for a width that
// is not a positive number).
double FontScale(double averageCharWidth);

// Built-in widths: fractions of the table width, times the font's scale, truncated.
ColumnWidthArray BuiltInColumnWidths(int tableWidth, double fontScale = 1.0);

class ColumnWidths {
public:
    // Start-up: restore width = |stored|, or for 0 the built-in width but at least headingRoom[k],
    // so that the heading can be read; a negative value hides the column.
    ColumnWidths(int tableWidth, const ColumnWidthArray& stored, double fontScale = 1.0,
                 const ColumnWidthArray& headingRoom = {});

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

    // The table's identifiers need `needed` pixels: a shown identifier column still at its built-in
    // width grows to show every digit, and keeps that as its restore width. Returns the new width, or
    // nothing when the column keeps its width (a stored, dragged or hidden one, or wide enough).
    std::optional<int> WidenForIdentifiers(int currentWidth, int needed);

private:
    ColumnWidthArray initial_{};
    ColumnWidthArray restore_{};
    std::array<bool, kColumnCount> shown_{};
    bool identifiersBuiltIn_ = false; // the identifier column started at its built-in width
};

} // namespace mcb
