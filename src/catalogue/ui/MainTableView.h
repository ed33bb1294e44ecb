// The catalogue table `MainTable`: whole rows selected, 16-pixel rows, resizable columns, every cell
// drawn by the program, the context menu asked for by the window. Rows are painted on demand, so a
// table of any length scrolls without per-row widgets.
#pragma once

#include "catalogue/ui/CellPainter.h"

#include <QStyledItemDelegate>
#include <QTableView>

namespace mcb {

class MainTableHeader;

class MainTableDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    MainTableDelegate(const TableColours& colours, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    const TableColours& colours_;
};

class MainTableView : public QTableView {
    Q_OBJECT
public:
    explicit MainTableView(QWidget* parent = nullptr);

    TableColours& colours() { return colours_; }
    MainTableHeader* heading() const { return header_; }
    // Selects the whole row (and makes it current).
    void SelectRow(int row);

signals:
    // The disc information panel should show the current row again (key released, or left button
    // released over a data row).
    void infoRefreshRequested();
    // Enter was pressed: the current disc is to be shown as a double click shows it.
    void openRequested();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;

private:
    // The context menu asked for from the keyboard opens at the current row.
    void RequestMenuAtCurrentRow();

private:
    TableColours colours_;
    MainTableHeader* header_;
};

} // namespace mcb
