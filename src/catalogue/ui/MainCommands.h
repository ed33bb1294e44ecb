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

// The keys of the table: each runs its command when released in the table, and the menus show it
// beside the command's items.
struct TableKey {
    int key;
    const char* command;
};
inline constexpr TableKey kTableKeys[] = {{Qt::Key_Insert, "mmAddCD"},
                                          {Qt::Key_F2, "mmEditCD"},
                                          {Qt::Key_F3, "svodka"},
                                          {Qt::Key_Delete, "mmKillCD"},
                                          {Qt::Key_F6, "mmFilter"}};

// The command a key of the table runs; null for another key.
const char* TableKeyCommand(int key);

// Builds the menu bar, the toolbar and the context menu of the window.
MainCommands BuildMainCommands(QMainWindow& window);

// Checks the sort item of the order; none for an order outside the items.
void CheckSortItem(const MainCommands& commands, int sortOrder);

} // namespace mcb
