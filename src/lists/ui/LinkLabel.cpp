#include "lists/ui/LinkLabel.h"

#include "platform/qt/Keyboard.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace mcb {

LinkLabel::LinkLabel(const char* name, const QString& text, QWidget* parent) : QLabel(text, parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    if (IsActivationKey(*event))
        emit clicked();
    else
        QLabel::keyPressEvent(event);
}

void LinkLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    DrawFocusFrame(painter, *this, rect());
}

} // namespace mcb
