// Decoding of disc pictures for the picture boxes, bounded so that a hostile or huge file can
// neither exhaust memory nor hold the window up for long.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace mcb {

// The decoded picture, or a null image when the file is missing or cannot be decoded (metafiles,
// damaged files). Very large pictures are decoded at a reduced size.
QImage LoadPicture(const QString& path);

// The picture's own size, read from its header (turned as the picture will be shown); invalid when
// the file cannot be read as a picture.
QSize PictureFileSize(const QString& path);

// The picture decoded straight at `size` (a JPEG is decoded at a fraction of its size, which is much
// faster); a null image when it cannot be decoded, is damaged, or would need too much memory.
QImage LoadPictureAt(const QString& path, QSize size);

// `own` shrunk to fit into `box` with its ratio kept; never enlarged.
QSize ShrunkToFit(QSize own, QSize box);

// The image shown in a box without a picture.
QImage PlaceholderPicture();

} // namespace mcb
