#include "discs/PictureGeometry.h"

#include <algorithm>

namespace mcb {

namespace {

// Truncated like an integer conversion, but held within a window size's range whatever the ratio.
int Truncated(double value) {
    return int(std::clamp(value, 0.0, 1e6));
}

struct Scaled {
    double width, height, ratio;
};

Scaled Start(PictureSize picture) {
    const double w = std::max(picture.width, 1), h = std::max(picture.height, 1);
    return {w, h, w / h};
}

} // namespace

PictureSize FitPictureInPanel(PictureSize picture, PictureSize panel) {
    Scaled s = Start(picture);
    const double maxWidth = std::max(panel.width - 18, 0), maxHeight = std::max(panel.height - 8, 0);
    if (s.width > maxWidth) {
        s.width = maxWidth;
        s.height = Truncated(s.width / s.ratio);
    }
    if (s.height > maxHeight) {
        s.height = maxHeight;
        s.width = Truncated(s.ratio * s.height);
    }
    return {Truncated(s.width), Truncated(s.height)};
}

ViewerGeometry PictureViewerGeometry(PictureSize picture, PictureSize screen) {
    Scaled s = Start(picture);
    const double maxWidth = std::max(screen.width - 16, 0), maxHeight = std::max(screen.height - 100, 0);
    if (s.height < 104) {
        s.height = 104;
        s.width = Truncated(s.ratio * 104);
    }
    if (s.width < 10) {
        s.width = 10;
        s.height = Truncated(10 / s.ratio);
    }
    if (maxWidth < s.width) {
        s.width = maxWidth;
        s.height = Truncated(maxWidth / s.ratio);
    }
    if (maxHeight < s.height) {
        s.height = maxHeight;
        s.width = Truncated(maxHeight * s.ratio);
    }
    const int w = Truncated(s.width), h = Truncated(s.height);
    return {(int(maxWidth) - w) / 2, (int(maxHeight) - h) / 2, {w + 8, h + 52}};
}

} // namespace mcb
