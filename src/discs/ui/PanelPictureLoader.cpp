#include "discs/ui/PanelPictureLoader.h"

#include "discs/PictureGeometry.h"
#include "discs/ui/PictureLoader.h"

namespace mcb {

namespace {

QSize Fitted(QSize own, QSize panel) {
    const PictureSize fit = FitPictureInPanel({own.width(), own.height()}, {panel.width(), panel.height()});
    return own.isValid() ? QSize(fit.width, fit.height) : QSize();
}

} // namespace

PanelPictureLoader::PanelPictureLoader(QObject* parent) : QObject(parent) {
    pool_.setMaxThreadCount(1);
    qRegisterMetaType<PanelPicture>();
}

PanelPictureLoader::~PanelPictureLoader() {
    pool_.clear();
    pool_.waitForDone();
}

std::optional<PanelPicture> PanelPictureLoader::Request(const QString& path, QSize panel) {
    const quint64 generation = ++generation_;
    pool_.clear(); // a request still waiting is not needed any more
    const PictureKey key = PictureKey::Of(path);
    if (const auto own = cache_.OwnSize(key)) {
        const QSize size = Fitted(*own, panel);
        if (const auto image = cache_.Image(key, size)) return PanelPicture{*own, *image};
    }
    pool_.start([this, generation, key, panel] {
        PanelPicture picture;
        picture.own = PictureFileSize(key.path);
        const QSize size = Fitted(picture.own, panel);
        if (!size.isEmpty()) picture.image = LoadPictureAt(key.path, size);
        QMetaObject::invokeMethod(
            this, [this, generation, key, size, picture] { Decoded(generation, key, size, picture); },
            Qt::QueuedConnection);
    });
    return std::nullopt;
}

void PanelPictureLoader::Cancel() {
    ++generation_;
    pool_.clear();
}

void PanelPictureLoader::Decoded(quint64 generation, const PictureKey& key, QSize size, const PanelPicture& picture) {
    cache_.Keep(key, picture.own, size, picture.image);
    if (generation == generation_) emit loaded(key.path, picture);
}

} // namespace mcb
