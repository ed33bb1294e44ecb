#include "discs/ui/PictureRequests.h"

#include "discs/PictureGeometry.h"
#include "discs/ui/PictureLoader.h"

#include <QCoreApplication>
#include <QPointer>
#include <QThreadPool>
#include <mutex>

namespace mcb {

// What the decoding thread and the place share: the place while it lives, and the number of the
// request whose picture is wanted.
struct PictureRequests::Shared {
    std::mutex mutex;
    PictureRequests* owner = nullptr;
    unsigned long long wanted = 0;

    bool Wanted(unsigned long long request) {
        const std::lock_guard lock(mutex);
        return owner && wanted == request;
    }
};

namespace {

// Owned by the application, so that a decoding still running ends before the application's
// resources (the picture formats among them) go.
QThreadPool& DecodingThread() {
    static QPointer<QThreadPool> pool;
    if (!pool) {
        pool = new QThreadPool(QCoreApplication::instance());
        pool->setMaxThreadCount(1);
    }
    return *pool;
}

} // namespace

QSize FitIntoPanel(QSize own, QSize panel) {
    const PictureSize fit = FitPictureInPanel({own.width(), own.height()}, {panel.width(), panel.height()});
    return own.isValid() ? QSize(fit.width, fit.height) : QSize();
}

PictureRequests::PictureRequests(Fit fit, QObject* parent)
    : QObject(parent), fit_(std::move(fit)), shared_(std::make_shared<Shared>()) {
    shared_->owner = this;
    qRegisterMetaType<ShownPicture>();
}

PictureRequests::~PictureRequests() {
    const std::lock_guard lock(shared_->mutex);
    shared_->owner = nullptr; // what was posted before goes with the object's pending events
}

std::optional<ShownPicture> PictureRequests::Request(const QString& path, QSize place) {
    unsigned long long request = 0;
    {
        const std::lock_guard lock(shared_->mutex);
        request = ++shared_->wanted; // a request still waiting finds itself unwanted and does nothing
    }
    const PictureKey key = PictureKey::Of(path);
    if (const auto own = cache_.OwnSize(key)) {
        if (const auto image = cache_.Image(key, fit_(*own, place))) return ShownPicture{*own, *image};
    }
    DecodingThread().start([shared = shared_, request, key, place, fit = fit_] {
        if (!shared->Wanted(request)) return;
        ShownPicture picture;
        picture.own = PictureFileSize(key.path);
        const QSize size = picture.own.isValid() ? fit(picture.own, place) : QSize();
        if (!size.isEmpty()) picture.image = LoadPictureAt(key.path, size);
        const std::lock_guard lock(shared->mutex);
        if (!shared->owner || shared->wanted != request) return;
        PictureRequests* owner = shared->owner;
        QMetaObject::invokeMethod(
            owner, [owner, request, key, size, picture] { owner->Decoded(request, key, size, picture); },
            Qt::QueuedConnection);
    });
    return std::nullopt;
}

void PictureRequests::Cancel() {
    const std::lock_guard lock(shared_->mutex);
    ++shared_->wanted;
}

void PictureRequests::WaitForDone() {
    DecodingThread().waitForDone();
}

void PictureRequests::Decoded(unsigned long long request, const PictureKey& key, QSize size,
                              const ShownPicture& picture) {
    cache_.Keep(key, picture.own, size, picture.image);
    if (shared_->Wanted(request)) emit loaded(key.path, picture);
}

} // namespace mcb
