// Decoding of disc pictures for the picture boxes, bounded so that a hostile or huge file can
// neither exhaust memory nor hold the window up for long.
#pragma once

#include <QImage>
#include <QString>

namespace mcb {

// The decoded picture, or a null image when the file is missing or cannot be decoded (metafiles,
// damaged files). Very large pictures are decoded at a reduced size.
QImage LoadPicture(const QString& path);

// The image shown in a box without a picture.
QImage PlaceholderPicture();

} // namespace mcb
