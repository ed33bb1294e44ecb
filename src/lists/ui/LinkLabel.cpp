#include "lists/ui/LinkLabel.h"

#include <QMouseEvent>

namespace mcb {

LinkLabel::LinkLabel(const char* name, const QString& text, QWidget* parent) : QLabel(text, parent) {
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace mcb
