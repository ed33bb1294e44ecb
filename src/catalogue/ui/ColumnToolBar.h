// The column toolbar `ToolBarVis` above the table: a separator and one toggle per column, pressed
// with the open-eye image while the column is shown, released with the closed eye while hidden.
#pragma once

#include "catalogue/TableTypes.h"

#include <QStringList>
#include <QToolBar>
#include <array>

class QToolButton;

namespace mcb {

class ColumnToolBar : public QToolBar {
    Q_OBJECT
public:
    explicit ColumnToolBar(QWidget* parent = nullptr);

    // Hints: "Скрыть / показать колонку", a blank and the column's heading.
    void SetHeadings(const QStringList& headings);
    void SetShown(int column, bool shown);
    bool IsShown(int column) const;

signals:
    void columnToggled(int column);

private:
    std::array<QToolButton*, kColumnCount> buttons_{};
    std::array<QIcon, 2> images_;
};

} // namespace mcb
