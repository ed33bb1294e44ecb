// The heading row of the catalogue table: drawn like the cells (bold, fixed colour, sort mark), its
// borders dragged to resize columns, and every release of the left button reported with the
// pointer's movement since the press, so the window can tell a click from a border drag.
#pragma once

#include "catalogue/ui/CellPainter.h"

#include <QHeaderView>
#include <QPoint>

namespace mcb {

class MainTableHeader : public QHeaderView {
    Q_OBJECT
public:
    MainTableHeader(const TableColours& colours, QWidget* parent = nullptr);

    QSize sizeHint() const override;

signals:
    // column: the heading cell under the pointer (-1 when none).
    void headingReleased(int column, int dx, int dy);

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const TableColours& colours_;
    QPoint pressedAt_;
    bool pressed_ = false;
};

} // namespace mcb
