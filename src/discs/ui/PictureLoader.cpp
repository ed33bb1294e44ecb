#include "discs/ui/PictureLoader.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace mcb {

namespace {

constexpr int kAllocationLimitMb = 256;
constexpr int kLargestSide = 4096; // no box is ever larger; JPEG decodes cheaply at a smaller size

// Pictures larger than this are not decoded: without a reduced decoding (which only JPEG has) their
// cost grows with every pixel, and a small file can claim billions of them.
constexpr qint64 kLargestPixels = 40'000'000;
constexpr qint64 kLargestJpegPixels = 120'000'000;

bool EndsWhole(const QString& path, const QByteArray& format) {
    if (format != "jpeg" && format != "gif") return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 tail = format == "jpeg" ? 4096 : 16;
    file.seek(std::max<qint64>(0, file.size() - tail));
    const QByteArray end = file.readAll();
    return format == "jpeg" ? end.contains("\xFF\xD9") : end.contains(';');
}

} // namespace

QImage LoadPicture(const QString& path) {
    return LoadPictureAt(path, ShrunkToFit(PictureFileSize(path), QSize(kLargestSide, kLargestSide)));
}

QSize PictureFileSize(const QString& path) {
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    return reader.transformation() & QImageIOHandler::TransformationRotate90 ? size.transposed() : size;
}

// A cut-off file would still give a partly decoded picture: a JPEG must end with its end marker
// (trailers some cameras add after it are allowed), a GIF with its trailer byte.
QImage LoadPictureAt(const QString& path, QSize size) {
    if (size.isEmpty()) return {};
    QImageReader reader(path);
    reader.setAllocationLimit(kAllocationLimitMb);
    reader.setAutoTransform(true);
    const QSize own = reader.size();
    const bool jpeg = reader.format() == "jpeg";
    const qint64 pixels = qint64(own.width()) * own.height();
    if (!own.isValid() || pixels > (jpeg ? kLargestJpegPixels : kLargestPixels) || !EndsWhole(path, reader.format()))
        return {};
    const bool turned = reader.transformation() & QImageIOHandler::TransformationRotate90;
    reader.setScaledSize(turned ? size.transposed() : size);
    return reader.read();
}

QSize ShrunkToFit(QSize own, QSize box) {
    if (own.width() <= box.width() && own.height() <= box.height()) return own;
    return own.scaled(box, Qt::KeepAspectRatio);
}

QImage PlaceholderPicture() {
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(QColor(236, 236, 236));
    QPainter p(&image);
    p.setPen(QColor(160, 160, 160));
    p.drawRect(0, 0, 63, 47);
    p.drawRect(12, 10, 40, 28); // a frame with a sun and hills
    p.setBrush(QColor(200, 200, 200));
    p.drawEllipse(QPoint(22, 18), 4, 4);
    const QPoint hills[] = {{13, 37}, {26, 24}, {34, 31}, {41, 26}, {51, 37}};
    p.drawPolygon(hills, 5);
    return image;
}

} // namespace mcb
