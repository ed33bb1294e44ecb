// Sizes of the shown pictures: the picture fitted into the information panel and the picture
// viewer's window, from the picture's own size. A picture without a size (one that could not be
// decoded) counts as one pixel square, so that no ratio divides by zero.
#pragma once

namespace mcb {

struct PictureSize {
    int width = 0;
    int height = 0;
    bool operator==(const PictureSize&) const = default;
};

// Shrunk, never enlarged, with its ratio kept, to the panel's width - 18 and height - 8.
PictureSize FitPictureInPanel(PictureSize picture, PictureSize panel);

struct ViewerGeometry {
    int left = 0, top = 0;
    PictureSize window; // the picture's size + 8 wide and + 52 high (frame and button bar)
    bool operator==(const ViewerGeometry&) const = default;
};

// At least 104 pixels high and 10 wide, at most the screen less 16 wide and less 100 high, ratio kept.
ViewerGeometry PictureViewerGeometry(PictureSize picture, PictureSize screen);

} // namespace mcb
