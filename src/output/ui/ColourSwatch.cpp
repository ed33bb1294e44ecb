#include "output/ui/ColourSwatch.h"

#include "platform/qt/Keyboard.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace mcb {

ColourSwatch::ColourSwatch(QWidget* parent) : QWidget(parent) {
    setFixedSize(25, 17);
    setCursor(Qt::PointingHandCursor);
    setToolTip(QStringLiteral("Щелчок, пробел или Enter для выбора цвета"));
    setFocusPolicy(Qt::TabFocus);
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
    if (hasFocus()) DrawFocusFrame(painter, *this, rect().adjusted(2, 2, -2, -2));
}

// Any button's release over the swatch is a click. Disabled widgets get no mouse events, so a
// hatched swatch does not react.
void ColourSwatch::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint())) emit clicked();
}

void ColourSwatch::keyPressEvent(QKeyEvent* event) {
    if (IsActivationKey(*event))
        emit clicked();
    else
        QWidget::keyPressEvent(event);
}

void ColourSwatch::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(event);
}

} // namespace mcb
