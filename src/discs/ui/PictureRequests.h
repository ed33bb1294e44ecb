// Pictures decoded away from the window's thread at the size they are shown, for one place that shows
// them (the information panel, a picture box of the editor or of the summary, the viewer). A new
// request replaces one still waiting, so that holding an arrow key down in the table queues no work.
// One thread decodes for every place, so that the memory of at most one decoding is taken at a time.
#pragma once

#include "discs/ui/PictureCache.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

namespace mcb {

struct ShownPicture {
    QSize own;    // the picture's own size; invalid when the file is not a picture
    QImage image; // at the size it is shown; null when it cannot be shown
};

class PictureRequests : public QObject {
    Q_OBJECT
public:
    // The size a picture of its own size `own` is shown at in a place of size `place`.
    using Fit = std::function<QSize(QSize own, QSize place)>;

    explicit PictureRequests(Fit fit, QObject* parent = nullptr);
    // A decoding still running is not waited for; its picture is dropped.
    ~PictureRequests() override;

    // The picture for a place of the given size: at once when it is kept, otherwise nothing now and
    // `loaded` when it has been decoded (unless another request or Cancel came first).
    std::optional<ShownPicture> Request(const QString& path, QSize place);
    // Forgets the waiting request: its picture will not be announced.
    void Cancel();
    // Waits until no decoding runs in any place (for tests and benchmarks).
    static void WaitForDone();

signals:
    void loaded(const QString& path, const mcb::ShownPicture& picture);

private:
    struct Shared;

    void Decoded(unsigned long long request, const PictureKey& key, QSize size, const ShownPicture& picture);

    Fit fit_;
    std::shared_ptr<Shared> shared_;
    PictureCache cache_;
};

// The fit of the information panel (a box's is ShrunkToFit).
QSize FitIntoPanel(QSize own, QSize panel);

} // namespace mcb

Q_DECLARE_METATYPE(mcb::ShownPicture)
