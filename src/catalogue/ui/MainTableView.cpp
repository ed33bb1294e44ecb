#include "catalogue/ui/MainTableView.h"

#include "catalogue/ui/CatalogueTableModel.h"
#include "catalogue/ui/MainTableHeader.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

namespace mcb {

namespace {
constexpr int kRowHeight = 16;
constexpr int kFontPixels = 11;
} // namespace

MainTableDelegate::MainTableDelegate(const TableColours& colours, QObject* parent)
    : QStyledItemDelegate(parent), colours_(colours) {}

void MainTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
    CellState state;
    state.column = index.column();
    state.selected = option.state.testFlag(QStyle::State_Selected);
    state.lent = index.data(CatalogueTableModel::LentRole).toBool();
    PaintCatalogueCell(*painter, option.rect, index.data().toString(), state, colours_, option.palette, option.font);
}

MainTableView::MainTableView(QWidget* parent) : QTableView(parent), header_(new MainTableHeader(colours_, this)) {
    setObjectName("MainTable");
    QFont tableFont = font();
    tableFont.setPixelSize(kFontPixels);
    setFont(tableFont);
    setHorizontalHeader(header_);
    setItemDelegate(new MainTableDelegate(colours_, this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(0);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(kRowHeight);
}

void MainTableView::SelectRow(int row) {
    const QModelIndex index = model() ? model()->index(row, 0) : QModelIndex();
    if (!index.isValid()) return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(index);
}

void MainTableView::keyReleaseEvent(QKeyEvent* event) {
    QTableView::keyReleaseEvent(event);
    emit infoRefreshRequested();
}

void MainTableView::mouseReleaseEvent(QMouseEvent* event) {
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && indexAt(event->position().toPoint()).isValid())
        emit infoRefreshRequested();
}

} // namespace mcb
