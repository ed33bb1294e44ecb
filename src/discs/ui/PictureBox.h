// A picture control of the disc editor: shows its image shrunk to fit (never enlarged), or the
// placeholder when it has none, and reports the mouse actions the editor acts on.
#pragma once

#include <QImage>
#include <QWidget>

namespace mcb {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // A null image shows the placeholder, or nothing when the placeholder is switched off.
    void SetImage(const QImage& image);
    void SetPlaceholderShown(bool shown);
    // By default the image is only shrunk to fit; stretched, it also grows (its ratio kept).
    void SetStretched(bool stretched);
    const QImage& image() const { return image_; }
    bool ShowsPlaceholder() const { return image_.isNull(); }
    // The rectangle the image takes inside the box.
    QRect ImageRect() const;

signals:
    void pressed();
    void doubleClicked();
    void menuRequested(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    const QImage& Shown() const;

    QImage image_;
    QImage placeholder_;
    bool placeholderShown_ = true;
    bool stretched_ = false;
};

} // namespace mcb
