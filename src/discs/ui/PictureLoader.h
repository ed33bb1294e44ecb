// Decoding of disc pictures for the picture boxes, bounded so that a hostile or huge file can
// neither exhaust memory nor hold the window up for long. Only regular files of at most 64 MB are
// decoded; a pipe, a device or a folder is no picture. The decoding itself runs away from the
// window's thread (PictureRequests).
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace mcb {

// The picture's own size, read from its header (turned as the picture will be shown); invalid when
// the file cannot be read as a picture.
QSize PictureFileSize(const QString& path);

// The picture decoded straight at `size` (a JPEG is decoded at a fraction of its size, which is much
// faster); a null image when it cannot be decoded, is damaged, or would need too much memory (a
// progressive JPEG keeps its whole picture while decoding, whatever size it is shown at).
QImage LoadPictureAt(const QString& path, QSize size);

// `own` shrunk to fit into `box` with its ratio kept; never enlarged.
QSize ShrunkToFit(QSize own, QSize box);

// The image shown in a box without a picture.
QImage PlaceholderPicture();

} // namespace mcb
