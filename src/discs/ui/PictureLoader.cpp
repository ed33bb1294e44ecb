#include "discs/ui/PictureLoader.h"

#include "discs/JpegLayout.h"
#include "platform/qt/QtText.h"
#include "storage/RegularFile.h"

#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <algorithm>

namespace mcb {

namespace {

// A picture file larger than this is not decoded at all: no cover needs more, and reading it would
// cost its size again in memory.
constexpr qint64 kLargestFileBytes = qint64(64) << 20;

// What one decoding may take: the largest image the decoder allocates, what a JPEG holds of its whole
// picture until its last scan, and what a picture decoded at its own size takes (twice its image for
// 16 bits per channel, which is converted before it is scaled). Together with the program itself
// this keeps a decoding within about 300 MB.
constexpr int kBudgetMb = 192;
constexpr unsigned long long kBudgetBytes = static_cast<unsigned long long>(kBudgetMb) << 20;

// Pictures larger than this are not decoded: without a reduced decoding (which only JPEG has) their
// cost grows with every pixel, and a small file can claim billions of them.
constexpr qint64 kLargestPixels = 40'000'000;
constexpr qint64 kLargestJpegPixels = 120'000'000;

// The picture file, opened only when it is a regular file of a size worth decoding: a pipe or a
// device in its place is no picture and is never waited on.
class PictureFile {
public:
    explicit PictureFile(const QString& path) {
        RegularFile opened = RegularFile::ForReading(PathFromQ(path));
        if (!opened.Ok() || opened.Size() > kLargestFileBytes) return;
        if (file_.open(opened.Fd(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) opened.Release();
    }
    QIODevice* Device() { return file_.isOpen() ? &file_ : nullptr; }

    // A cut-off file would still give a partly decoded picture: a JPEG must end with its end marker
    // (trailers some cameras add after it are allowed), a GIF with its trailer byte.
    bool EndsWhole(const QByteArray& format) {
        if (format != "jpeg" && format != "gif") return true;
        const qint64 tail = format == "jpeg" ? 4096 : 16;
        if (!file_.seek(std::max<qint64>(0, file_.size() - tail))) return false;
        const QByteArray end = file_.read(tail);
        return file_.seek(0) && (format == "jpeg" ? end.contains("\xFF\xD9") : end.contains(';'));
    }

    // A JPEG that keeps its whole picture while decoding must fit into the budget.
    bool JpegWithinBudget() {
        const auto layout = ReadJpegLayout([this](unsigned long long offset, std::size_t size) {
            return file_.seek(qint64(offset)) ? file_.read(qint64(size)).toStdString() : std::string();
        });
        return file_.seek(0) && layout && (!layout->wholeImageBuffered || layout->coefficientBytes <= kBudgetBytes);
    }

private:
    QFile file_;
};

// A picture of another format is decoded at its own size before it is scaled.
bool DecodedWithinBudget(const QImageReader& reader, qint64 pixels) {
    const int depth = std::max<int>(QImage::toPixelFormat(reader.imageFormat()).bitsPerPixel(), 32);
    return static_cast<unsigned long long>(pixels) * unsigned(depth / 8) * (depth > 32 ? 2 : 1) <= kBudgetBytes;
}

} // namespace

QSize PictureFileSize(const QString& path) {
    PictureFile file(path);
    if (!file.Device()) return {};
    QImageReader reader(file.Device());
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    return reader.transformation() & QImageIOHandler::TransformationRotate90 ? size.transposed() : size;
}

QImage LoadPictureAt(const QString& path, QSize size) {
    if (size.isEmpty()) return {};
    PictureFile file(path);
    if (!file.Device()) return {};
    const QByteArray format = QImageReader::imageFormat(file.Device());
    const bool jpeg = format == "jpeg";
    if (!file.EndsWhole(format) || (jpeg && !file.JpegWithinBudget())) return {};
    QImageReader reader(file.Device(), format);
    reader.setAllocationLimit(kBudgetMb);
    reader.setAutoTransform(true);
    const QSize own = reader.size();
    const qint64 pixels = qint64(own.width()) * own.height();
    if (!own.isValid() || pixels > (jpeg ? kLargestJpegPixels : kLargestPixels)) return {};
    if (!jpeg && !DecodedWithinBudget(reader, pixels)) return {};
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
