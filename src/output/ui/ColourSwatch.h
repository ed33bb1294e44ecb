// A small colour field of the print window: solid while enabled, a diagonal cross-hatch of its colour
// while disabled; a click on an enabled one, or Space or Enter while it has the focus, asks for a new
// colour. Tab reaches it; it shows a focus frame then.
#pragma once

#include <QWidget>

namespace mcb {

class ColourSwatch : public QWidget {
    Q_OBJECT
public:
    explicit ColourSwatch(QWidget* parent = nullptr);

    // 24 bits, red in the lowest byte.
    int colour() const { return colour_; }
    void SetColour(int colour);
    bool Hatched() const { return !isEnabled(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int colour_ = 0;
};

} // namespace mcb
