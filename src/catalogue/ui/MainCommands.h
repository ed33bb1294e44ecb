// The commands of the catalogue window: the main menu, the toolbar `ToolBar`, the sort submenu
// `Sort1` and the table's context menu `PopUpMainTable`. Each command is a QAction named after its
// control; commands the window does not run itself are present but disabled until the program's
// wiring connects them (TMainForm::ConnectCommand).
#pragma once

#include "catalogue/TableTypes.h"

#include <QHash>
#include <QString>
#include <array>

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;
class QToolBar;

namespace mcb {

struct MainCommands {
    QHash<QString, QAction*> actions; // by control name: mmNewBase, ..., N7, ..., smNosort, ...
    QMenu* sortMenu = nullptr;        // Sort1
    QMenu* popup = nullptr;           // PopUpMainTable
    QToolBar* toolBar = nullptr;      // ToolBar
    // Sort order items smNosort ... smNos; index = SortOrder.
    std::array<QAction*, kColumnCount> sortItems{};
    QActionGroup* sortGroup = nullptr;

    QAction* operator[](const char* controlName) const { return actions.value(QString::fromLatin1(controlName)); }
};

// Builds the menu bar, the toolbar and the context menu of the window.
MainCommands BuildMainCommands(QMainWindow& window);

// Checks the sort item of the order; none for an order outside the items.
void CheckSortItem(const MainCommands& commands, int sortOrder);

} // namespace mcb
