#include "catalogue/ColumnWidths.h"

#include <algorithm>
#include <cmath>

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

double FontScale(double averageCharWidth) {
    return averageCharWidth > 0 && std::isfinite(averageCharWidth) ? averageCharWidth / kReferenceCharWidth : 1.0;
}

ColumnWidthArray BuiltInColumnWidths(int tableWidth, double fontScale) {
    const double width = std::clamp(tableWidth, 0, kMaxColumnWidth) * std::max(fontScale, 0.0);
    ColumnWidthArray widths{};
    for (int k = 0; k < kColumnCount; ++k)
        widths[k] = static_cast<int>(std::min<double>(width * kBuiltInFractions[k], kMaxColumnWidth));
    return widths;
}

ColumnWidths::ColumnWidths(int tableWidth, const ColumnWidthArray& stored, double fontScale,
                           const ColumnWidthArray& headingRoom) {
    const ColumnWidthArray builtIn = BuiltInColumnWidths(tableWidth, fontScale);
    identifiersBuiltIn_ = stored[0] == 0;
    for (int k = 0; k < kColumnCount; ++k) {
        const int magnitude = BoundedMagnitude(stored[k]);
        const int heading = std::clamp(headingRoom[k], 0, kMaxColumnWidth);
        restore_[k] = magnitude == 0 ? std::max(builtIn[k], heading) : magnitude;
        shown_[k] = stored[k] >= 0;
        initial_[k] = shown_[k] ? restore_[k] : 0;
    }
}

int ColumnWidths::Toggle(int column, int currentWidth) {
    shown_[column] = currentWidth == 0;
    return shown_[column] ? restore_[column] : 0;
}

std::optional<int> ColumnWidths::WidenForIdentifiers(int currentWidth, int needed) {
    if (!identifiersBuiltIn_ || !shown_[0] || currentWidth != restore_[0] || needed <= currentWidth)
        return std::nullopt;
    restore_[0] = std::min(needed, kMaxColumnWidth);
    return restore_[0];
}

ColumnWidthArray ColumnWidths::ToStore(const ColumnWidthArray& current) const {
    ColumnWidthArray stored{};
    for (int k = 0; k < kColumnCount; ++k) stored[k] = current[k] > 0 ? current[k] : -restore_[k];
    return stored;
}

} // namespace mcb
