#include "output/ui/ColourSwatch.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

namespace mcb {

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent) {
    setFixedSize(25, 17);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Щелчок для выбора цвета"));
}

void ColourSwatch::SetColour(int colour) {
    colour_ = colour & 0xFFFFFF;
    update();
}

void ColourSwatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QColor colour(colour_ & 0xFF, (colour_ >> 8) & 0xFF, (colour_ >> 16) & 0xFF);
    painter.fillRect(rect(), isEnabled() ? QBrush(colour) : QBrush(Qt::white));
    if (!isEnabled()) painter.fillRect(rect(), QBrush(colour, Qt::DiagCrossPattern));
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// Any button's release over the swatch is a click. Disabled widgets get no mouse events, so a
// hatched swatch does not react.
void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void ColourSwatch::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(event);
}

} // namespace mcb
