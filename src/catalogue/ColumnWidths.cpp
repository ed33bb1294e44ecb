#include "catalogue/ColumnWidths.h"

#include <algorithm>

namespace mcb {

namespace {

constexpr std::array<double, kColumnCount> kBuiltInFractions = {0.05, 0.4, 0.4,  0.075, 0.075, 0.15,
                                                                0.15, 0.1, 0.15, 0.075, 0.075, 0.075};

// |value| limited to kMaxColumnWidth, computed without negating INT_MIN.
int BoundedMagnitude(int value) {
    if (value < 0) return value < -kMaxColumnWidth ? kMaxColumnWidth : -value;
    return std::min(value, kMaxColumnWidth);
}

} // namespace

ColumnWidthArray BuiltInColumnWidths(int tableWidth) {
    const int width = std::clamp(tableWidth, 0, kMaxColumnWidth);
    ColumnWidthArray widths{};
    for (int k = 0; k < kColumnCount; ++k) widths[k] = static_cast<int>(width * kBuiltInFractions[k]);
    return widths;
}

ColumnWidths::ColumnWidths(int tableWidth, const ColumnWidthArray& stored) {
    const ColumnWidthArray builtIn = BuiltInColumnWidths(tableWidth);
    for (int k = 0; k < kColumnCount; ++k) {
        const int magnitude = BoundedMagnitude(stored[k]);
        restore_[k] = magnitude == 0 ? builtIn[k] : magnitude;
        shown_[k] = stored[k] >= 0;
        initial_[k] = shown_[k] ? restore_[k] : 0;
    }
}

int ColumnWidths::Toggle(int column, int currentWidth) {
    shown_[column] = currentWidth == 0;
    return shown_[column] ? restore_[column] : 0;
}

ColumnWidthArray ColumnWidths::ToStore(const ColumnWidthArray& current) const {
    ColumnWidthArray stored{};
    for (int k = 0; k < kColumnCount; ++k) stored[k] = current[k] > 0 ? current[k] : -restore_[k];
    return stored;
}

} // namespace mcb
