#include "discs/ui/PictureCache.h"

#include <QFileInfo>

namespace mcb {

PictureKey PictureKey::Of(const QString& path) {
    const QFileInfo file(path);
    return {path, file.lastModified(), file.size()};
}

std::optional<QSize> PictureCache::OwnSize(const PictureKey& key) const {
    for (const Entry& entry : entries_)
        if (entry.key == key) return entry.own;
    return std::nullopt;
}

std::optional<QImage> PictureCache::Image(const PictureKey& key, QSize size) const {
    for (const Entry& entry : entries_)
        if (entry.key == key && entry.size == size) return entry.image;
    return std::nullopt;
}

void PictureCache::Keep(const PictureKey& key, QSize own, QSize size, const QImage& image) {
    std::erase_if(entries_, [&](const Entry& e) { return e.key == key && e.size == size; });
    entries_.push_front({key, own, size, image});
    while (int(entries_.size()) > capacity_) entries_.pop_back();
}

} // namespace mcb
