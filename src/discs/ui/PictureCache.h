// The few pictures decoded last, at the sizes they were shown, so that going back and forth
// between neighbouring discs decodes nothing twice. A file that changed is a different picture.
#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>
#include <deque>
#include <optional>

namespace mcb {

struct PictureKey {
    QString path;
    QDateTime modified;
    qint64 bytes = 0;

    static PictureKey Of(const QString& path);
    bool operator==(const PictureKey& other) const = default;
};

class PictureCache {
public:
    explicit PictureCache(int capacity = 8) : capacity_(capacity) {}

    // The picture's own size as last read; nothing when the picture is not kept.
    std::optional<QSize> OwnSize(const PictureKey& key) const;
    // The picture decoded at `size` (a null image when it could not be decoded); nothing when not kept.
    std::optional<QImage> Image(const PictureKey& key, QSize size) const;
    void Keep(const PictureKey& key, QSize own, QSize size, const QImage& image);

private:
    struct Entry {
        PictureKey key;
        QSize own, size;
        QImage image;
    };

    int capacity_;
    std::deque<Entry> entries_; // the latest first
};

} // namespace mcb
