// The information panel's picture, decoded away from the window's thread at the size it is shown.
// A new request replaces one still waiting, so that holding an arrow key down in the table queues no
// work: at most the picture of the current disc and one that is already being decoded.
#pragma once

#include "discs/ui/PictureCache.h"

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <QThreadPool>
#include <optional>

namespace mcb {

struct PanelPicture {
    QSize own;    // the picture's own size; invalid when the file is not a picture
    QImage image; // fitted into the panel; null when it cannot be shown
};

class PanelPictureLoader : public QObject {
    Q_OBJECT
public:
    explicit PanelPictureLoader(QObject* parent = nullptr);
    ~PanelPictureLoader() override;

    // The picture fitted into a panel of `panel` size: at once when it is kept, otherwise nothing now
    // and `loaded` when it has been decoded (unless another request came first).
    std::optional<PanelPicture> Request(const QString& path, QSize panel);
    // Forgets the waiting request: its picture will not be announced.
    void Cancel();
    // Waits until no decoding runs (for tests and benchmarks).
    void WaitForDone() { pool_.waitForDone(); }

signals:
    void loaded(const QString& path, const mcb::PanelPicture& picture);

private:
    void Decoded(quint64 generation, const PictureKey& key, QSize size, const PanelPicture& picture);

    QThreadPool pool_;
    PictureCache cache_;
    quint64 generation_ = 0;
};

} // namespace mcb

Q_DECLARE_METATYPE(mcb::PanelPicture)
