#include "catalogue/ui/MainTableHeader.h"

#include <QMouseEvent>
#include <QPainter>

namespace mcb {

namespace {
constexpr int kRowHeight = 16;
}

MainTableHeader::MainTableHeader(const TableColours& colours, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), colours_(colours) {
    setSectionsClickable(false);
    setSectionsMovable(false);
    setHighlightSections(false);
    setStretchLastSection(false);
    setMinimumSectionSize(0);
    setSectionResizeMode(QHeaderView::Interactive);
}

QSize MainTableHeader::sizeHint() const {
    return {QHeaderView::sizeHint().width(), kRowHeight};
}

void MainTableHeader::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
    const QString text = model() ? model()->headerData(logicalIndex, Qt::Horizontal).toString() : QString();
    CellState state;
    state.column = logicalIndex;
    state.heading = true;
    PaintCatalogueCell(*painter, rect, text, state, colours_, palette(), font());
}

void MainTableHeader::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        pressedAt_ = event->position().toPoint();
        pressed_ = true;
    }
    QHeaderView::mousePressEvent(event);
}

void MainTableHeader::mouseReleaseEvent(QMouseEvent* event) {
    QHeaderView::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !pressed_) return;
    pressed_ = false;
    const QPoint at = event->position().toPoint();
    const QPoint moved = at - pressedAt_;
    const int column = rect().contains(at) ? logicalIndexAt(at) : -1;
    emit headingReleased(column, moved.x(), moved.y());
}

} // namespace mcb
