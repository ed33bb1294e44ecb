#include "catalogue/ui/MainTableView.h"

#include "catalogue/ui/CatalogueTableModel.h"
#include "catalogue/ui/MainTableHeader.h"
#include "platform/qt/Keyboard.h"

#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

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
    setTabKeyNavigation(false); // Tab leaves the table for the next control, as in any list
    setAccessibleName(QStringLiteral("Каталог дисков"));
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

// Enter acts on press: its release may belong to a dialog that the press closed.
void MainTableView::keyPressEvent(QKeyEvent* event) {
    if (IsEnterKey(*event))
        emit openRequested();
    else if (IsContextMenuKey(*event))
        RequestMenuAtCurrentRow();
    else
        QTableView::keyPressEvent(event);
}

bool MainTableView::event(QEvent* event) {
    if (event->type() == QEvent::ContextMenu &&
        static_cast<QContextMenuEvent*>(event)->reason() == QContextMenuEvent::Keyboard) {
        RequestMenuAtCurrentRow();
        return true;
    }
    return QTableView::event(event);
}

void MainTableView::RequestMenuAtCurrentRow() {
    const QRect row = visualRect(currentIndex());
    emit customContextMenuRequested(row.isValid() ? QPoint(row.left(), row.bottom()) : QPoint(0, 0));
}

// Home and End (with or without Ctrl) go to the first and the last disc and keep the column, so
// that the table does not scroll sideways; the other keys move as in any table.
QModelIndex MainTableView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if ((action != MoveHome && action != MoveEnd) || !model() || model()->rowCount() == 0)
        return QTableView::moveCursor(action, modifiers);
    const int column = std::max(currentIndex().column(), 0);
    return model()->index(action == MoveHome ? 0 : model()->rowCount() - 1, column);
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
