#include "discs/ui/PictureLoader.h"

#include <QImageReader>
#include <QPainter>

namespace mcb {

namespace {

constexpr int kAllocationLimitMb = 256;
constexpr int kLargestSide = 4096; // no box is ever larger; JPEG decodes cheaply at a smaller size

} // namespace

QImage LoadPicture(const QString& path) {
    QImageReader reader(path);
    reader.setAllocationLimit(kAllocationLimitMb);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > kLargestSide || size.height() > kLargestSide))
        reader.setScaledSize(size.scaled(kLargestSide, kLargestSide, Qt::KeepAspectRatio));
    return reader.read();
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
