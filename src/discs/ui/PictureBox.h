// A picture control of the disc editor: shows its image shrunk to fit (never enlarged), or the
// placeholder when it has none, and reports the mouse and key actions the editor acts on. It takes
// the focus by Tab or a click and shows a focus frame then.
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
    // A mouse button went down on the box, or its context menu was asked for from the keyboard.
    void pressed();
    // A double click with the left button, or Enter or Space while the box has the focus.
    void activated();
    // Right button released over the box, or the menu key or Shift+F10 while it has the focus.
    void menuRequested(const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    const QImage& Shown() const;
    void RequestMenuFromKeyboard();

    QImage image_;
    QImage placeholder_;
    bool placeholderShown_ = true;
    bool stretched_ = false;
};

} // namespace mcb
