#include "catalogue/ui/MainCommands.h"

#include "catalogue/ui/CommandIcons.h"
#include "platform/qt/Keyboard.h"

#include <QAction>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

namespace mcb {

namespace {

// One menu item; a null name is a separator. Items the window does not run itself (ready false)
// stay disabled until the program's wiring connects them to their windows.
struct ItemSpec {
    const char* name;
    const char* caption;
    const char* hint;
    bool ready;
};

constexpr ItemSpec kSeparator{nullptr, nullptr, nullptr, false};

constexpr ItemSpec kBaseMenu[] = {
    {"mmNewBase", "&Новая база", "Новая база", true},
    {"mmOpenBase", "&Открыть ...", "Открыть базу", true},
    {"mmSaveBaseAs", "&Сохранить как ...", "Сохранить базу под новым именем ", true},
    kSeparator,
    {"mmPrintBase", "&Печатать базу", "Печатать базу", false},
    {"mmExcel", "&Экспортировать базу в Excel", "Экспортировать базу в Excel", false},
    {"mmImportCD", "&Импорт дисков...", "Добавить в базу диски из таблицы .xlsx или .csv", false},
    kSeparator,
    {"mmVihod", "&Выход", "Выход", true},
};

constexpr ItemSpec kDiscMenu[] = {
    {"mmAddCD", "&Добавить в базу", "Добавить диск в базу", false},
    {"mmEditCD", "&Редактировать", "Редактировать данные о диске", false},
    {"mmKillCD", "&Удалить из базы", "Удалить диск из базы", false},
    kSeparator,
    {"svodka", "&Сводка", "Сводка", false},
    kSeparator,
    {"mmGiveCD", "&Отдать диск", "Дать диск в долг", false},
    {"mmReturnCD", "&Забрать диск", "Списать долг", false},
    {"mmDolg", "До&лжники...", "Просроченные долги и напоминания должникам", false},
    kSeparator,
    {"mmFilter", "От&бор / поиск", "Отбор / поиск", false},
    {"mmMagazine", "&Журнал событий", "Журнал событий", false},
};

constexpr ItemSpec kSetupMenu[] = {
    {"mmGenres", "&Жанры", "Редактор списка жанров", false},
    {"mmCountries", "&Страны", "Редактор списка стран", false},
    {"mmContactList", "&Контакты", "Редактор списка контактов", false},
    {"mmCompList", "Ко&мпании-производители", "Редактор списка компаний-производителей", false},
    kSeparator,
    {"mmMainSetup", "&Настройки программы", "Настройки программы", false},
};

constexpr ItemSpec kHelpMenu[] = {
    {"N18", "&Содержание", "Содержание", true},
    {"N23", "&История версий", "История версий", true},
    kSeparator,
    {"N22", "&Проверить наличие новой версии", "Проверить наличие новой версии", false},
    kSeparator,
    {"mmAboutPrg", "&О программе", "О программе", false},
    {"N20", "&Автор, тестеры, благодарности", "Автор, тестеры, благодарности", true},
};

struct MenuSpec {
    const char* name;
    const char* caption;
    const ItemSpec* items;
    int count;
};

template <int N> constexpr MenuSpec Menu(const char* name, const char* caption, const ItemSpec (&items)[N]) {
    return {name, caption, items, N};
}

constexpr MenuSpec kMenus[] = {
    Menu("mmBase", "&База", kBaseMenu),
    Menu("mmDisk", "&Диски", kDiscMenu),
    Menu("mmSetup", "&Настройки", kSetupMenu),
    Menu("mmHelp", "&Справка", kHelpMenu),
};

constexpr ItemSpec kSortItems[kColumnCount] = {
    {"smNosort", "&Без  сортировки", nullptr, true},
    {"smName", "По &названию", nullptr, true},
    {"smName2", "По &второму названию", nullptr, true},
    {"smGenre", "По &жанрам", nullptr, true},
    {"smAud", "По &аудитории", nullptr, true},
    {"smRol", "По главным &ролям", nullptr, true},
    {"smReg", "По р&ежиссеру", nullptr, true},
    {"smCountry", "По &странам", nullptr, true},
    {"smKom", "По &компаниям-производителям", nullptr, true},
    {"smGod", "По &году выпуска", nullptr, true},
    {"smLon", "По &длительномти", nullptr, true},
    {"smNos", "По &типу носителя", nullptr, true},
};

// Context menu items and the main menu items whose commands they run.
struct PopupSpec {
    const char* name;
    const char* caption;
    const char* runs;
};

constexpr PopupSpec kPopupItems[] = {
    {"N7", "&Добавить диск", "mmAddCD"},        {"N8", "&Редактировать", "mmEditCD"},
    {"N9", "&Удалить диск", "mmKillCD"},        {"N24", "&Сводка", "svodka"},
    {"N13", "&Отдать диск в долг", "mmGiveCD"}, {"N14", "С&писать долг", "mmReturnCD"},
    {"N25", "До&лжники...", "mmDolg"},          {"N11", "От&бор / поиск", "mmFilter"},
};

// Toolbar buttons in order; a null button is a separator, a null command the sort drop-down.
struct ButtonSpec {
    const char* button;
    const char* command;
};

constexpr ButtonSpec kButtons[] = {
    {"ToolButton1", "mmNewBase"},
    {"ToolButton2", "mmOpenBase"},
    {"ToolButton3", "mmSaveBaseAs"},
    {nullptr, nullptr},
    {"ToolButton5", "mmPrintBase"},
    {nullptr, nullptr},
    {"ToolButton27", "mmExcel"},
    {nullptr, nullptr},
    {"ToolButton7", "mmAddCD"},
    {"ToolButton8", "mmEditCD"},
    {"ToolButton9", "mmKillCD"},
    {nullptr, nullptr},
    {"ToolButton11", "mmGiveCD"},
    {"ToolButton12", "mmReturnCD"},
    {nullptr, nullptr},
    {"ToolButton14", "mmFilter"},
    {nullptr, nullptr},
    {"ToolButton25", nullptr},
    {nullptr, nullptr},
    {"ToolButton16", "mmMagazine"},
    {nullptr, nullptr},
    {"ToolButton18", "mmGenres"},
    {"ToolButton19", "mmCountries"},
    {"ToolButton29", "mmCompList"},
    {"ToolButton20", "mmContactList"},
    {nullptr, nullptr},
    {"ToolButton22", "mmMainSetup"},
    {nullptr, nullptr},
    {"ToolButton24", "mmVihod"},
};

const char* kSortHint = "Сортировка списка";

// The caption of a menu item, with the key of its command beside it when the table has one.
QString ItemCaption(const char* caption, const char* command) {
    for (const TableKey& key : kTableKeys)
        if (qstrcmp(key.command, command) == 0) return CaptionWithKey(QString::fromUtf8(caption), key.key);
    return QString::fromUtf8(caption);
}

QAction* MakeAction(QObject* owner, const ItemSpec& item) {
    auto* action = new QAction(ItemCaption(item.caption, item.name), owner);
    action->setObjectName(QString::fromLatin1(item.name));
    // A toolbar showing texts (a desktop setting) and screen readers get the caption alone.
    action->setIconText(PlainCaption(action->text()));
    if (item.hint) {
        action->setToolTip(QString::fromUtf8(item.hint));
        action->setStatusTip(action->toolTip());
    }
    action->setEnabled(item.ready);
    return action;
}

void FillMenu(QMenu& menu, const ItemSpec* items, int count, MainCommands& commands) {
    for (int i = 0; i < count; ++i) {
        if (!items[i].name) {
            menu.addSeparator();
            continue;
        }
        QAction* action = MakeAction(&menu, items[i]);
        menu.addAction(action);
        commands.actions.insert(action->objectName(), action);
    }
}

void BuildMenuBar(QMainWindow& window, MainCommands& commands) {
    QMenuBar* bar = window.menuBar();
    for (const MenuSpec& item : kMenus) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(item.caption));
        menu->setObjectName(QString::fromLatin1(item.name));
        FillMenu(*menu, item.items, item.count, commands);
    }
    QAction* exit = MakeAction(bar, {"mmExit", "&Выход", "Выход из программы", true});
    bar->addAction(exit);
    commands.actions.insert(exit->objectName(), exit);
}

void BuildSortMenu(QMainWindow& window, MainCommands& commands) {
    commands.sortMenu = new QMenu(QString::fromUtf8("Сор&тировка"), &window);
    commands.sortMenu->setObjectName("Sort1");
    commands.sortMenu->setToolTip(QString::fromUtf8(kSortHint));
    commands.sortMenu->menuAction()->setToolTip(commands.sortMenu->toolTip());
    commands.sortGroup = new QActionGroup(commands.sortMenu);
    // Choosing the item of the current order again keeps it checked.
    commands.sortGroup->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int order = 0; order < kColumnCount; ++order) {
        QAction* item = MakeAction(commands.sortGroup, kSortItems[order]);
        item->setCheckable(true);
        commands.sortMenu->addAction(item);
        commands.sortItems[order] = item;
        commands.actions.insert(item->objectName(), item);
    }
}

void BuildPopup(QMainWindow& window, MainCommands& commands) {
    commands.popup = new QMenu(&window);
    commands.popup->setObjectName("PopUpMainTable");
    for (const PopupSpec& entry : kPopupItems) {
        QAction* runs = commands[entry.runs];
        auto* item = new QAction(ItemCaption(entry.caption, entry.runs), commands.popup);
        item->setObjectName(QString::fromLatin1(entry.name));
        item->setEnabled(runs->isEnabled());
        QObject::connect(item, &QAction::triggered, runs, &QAction::trigger);
        QObject::connect(runs, &QAction::enabledChanged, item, &QAction::setEnabled);
        commands.popup->addAction(item);
        commands.actions.insert(item->objectName(), item);
    }
    commands.popup->addSeparator();
    commands.popup->addMenu(commands.sortMenu);
}

QToolButton* SortDropDown(MainCommands& commands) {
    auto* button = new QToolButton;
    button->setMenu(commands.sortMenu);
    button->setPopupMode(QToolButton::InstantPopup);
    // Like the other toolbar buttons it takes no focus: the sort orders are in the table's context menu.
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(QString::fromUtf8(kSortHint));
    return button;
}

void BuildToolBar(QMainWindow& window, MainCommands& commands) {
    commands.toolBar = window.addToolBar(QString::fromUtf8("Панель инструментов"));
    commands.toolBar->setObjectName("ToolBar");
    commands.toolBar->setMovable(false);
    commands.toolBar->setIconSize(QSize(16, 16));
    const QStyle& style = *window.style();
    commands.sortMenu->setIcon(CommandIcon("Sort1", style));
    for (const ButtonSpec& item : kButtons) {
        if (!item.button) {
            commands.toolBar->addSeparator();
            continue;
        }
        QWidget* button = nullptr;
        if (item.command) {
            QAction* action = commands[item.command];
            action->setIcon(CommandIcon(action->objectName(), style));
            commands.toolBar->addAction(action);
            button = commands.toolBar->widgetForAction(action);
        } else {
            QToolButton* dropDown = SortDropDown(commands);
            dropDown->setIcon(commands.sortMenu->icon());
            commands.toolBar->addWidget(dropDown);
            button = dropDown;
        }
        button->setObjectName(QString::fromLatin1(item.button));
        button->setAccessibleName(item.command ? commands[item.command]->iconText()
                                               : PlainCaption(commands.sortMenu->title()));
        button->setAccessibleDescription(button->toolTip());
    }
}

} // namespace

const char* TableKeyCommand(int key) {
    for (const TableKey& entry : kTableKeys)
        if (entry.key == key) return entry.command;
    return nullptr;
}

MainCommands BuildMainCommands(QMainWindow& window) {
    MainCommands commands;
    BuildMenuBar(window, commands);
    BuildSortMenu(window, commands);
    BuildPopup(window, commands);
    BuildToolBar(window, commands);
    return commands;
}

void CheckSortItem(const MainCommands& commands, int sortOrder) {
    for (int order = 0; order < kColumnCount; ++order) commands.sortItems[order]->setChecked(order == sortOrder);
}

} // namespace mcb
