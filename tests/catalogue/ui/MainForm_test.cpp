// The catalogue window over a real session on a temporary catalogue: its commands, sorting by the
// heading and the sort menu, column toggles kept across runs, window state, panel width and help.
#include "catalogue/MainWindowRules.h"
#include "catalogue/ui/CatalogueTableModel.h"
#include "catalogue/ui/CellPainter.h"
#include "catalogue/ui/ColumnToolBar.h"
#include "catalogue/ui/InfoPanel.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/MainTableHeader.h"
#include "catalogue/ui/MainTableView.h"
#include "platform/qt/Keyboard.h"
#include "platform/qt/QtText.h"
#include "storage/MyIniFiles.h"
#include "support/FakeServices.h"
#include "support/TempDir.h"
#include "support/ui/Keys.h"

#include <QActionGroup>
#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSplitter>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <filesystem>

namespace mcb {
namespace {

// Three discs whose first and second titles sort in opposite orders; disc 2 is lent.
const char* kCatalogue = "[Common]\r\nLastCDID=00003\r\nContacts=0\r\n[Contacts]\r\n0=Petrov\r\n"
                         "[00001]\r\nNam=Beta\r\nNam2=Zeta\r\nGin=-1\r\n"
                         "[00002]\r\nNam=Alpha\r\nNam2=Yota\r\nGin=0\r\n"
                         "[00003]\r\nNam=Gamma\r\nNam2=Xi\r\nGin=-1\r\n";

struct Run {
    test::FixedClock clock;
    test::FixedDateFormat dates;
    test::ScriptedPrompts prompts;
    std::unique_ptr<Session> session;
    std::unique_ptr<TMainForm> form;
};

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::TempDir> dir_;
    std::unique_ptr<Run> run_;

    void WriteSettings(const std::string& text) {
        std::filesystem::create_directories(std::filesystem::path(dir_->SettingsFile()).parent_path());
        std::ofstream(dir_->SettingsFile(), std::ios::binary) << text;
    }

    TMainForm& Open() {
        run_ = std::make_unique<Run>();
        run_->session =
            std::make_unique<Session>(SessionServices{run_->clock, run_->dates, run_->prompts}, dir_->Path());
        run_->session->Start(dir_->File("base.cbf"));
        run_->form = std::make_unique<TMainForm>(*run_->session);
        run_->form->show();
        if (!QTest::qWaitForWindowExposed(run_->form.get())) qWarning("window not exposed");
        return *run_->form;
    }

    void Close() {
        run_->form->close();
        run_.reset();
    }

    int Stored(const char* section, const std::string& key) const {
        const TIniFile ini(dir_->SettingsFile());
        return ini.ReadInteger(section, key, 123456);
    }

    TMainForm& form() const { return *run_->form; }
    Settings& settings() const { return run_->session->settings(); }
    QHeaderView* header() const { return form().table()->horizontalHeader(); }
    QAction* command(const char* name) const { return form().commands()[name]; }
    QToolButton* toggle(int column) const {
        return form().columnBar()->findChild<QToolButton*>(
            QStringLiteral("ToolButton%1").arg(column < 11 ? 30 + column : 42));
    }

    QStringList Column(int column) const {
        QStringList texts;
        const QAbstractItemModel* model = form().table()->model();
        for (int row = 0; row < model->rowCount(); ++row) texts << model->index(row, column).data().toString();
        return texts;
    }

    QPoint HeadingCentre(int column) const {
        return {header()->sectionViewportPosition(column) + header()->sectionSize(column) / 2, 8};
    }

    void DragHeading(QPoint from, int dx) {
        QWidget* target = header()->viewport();
        QTest::mousePress(target, Qt::LeftButton, {}, from);
        QMouseEvent move(QEvent::MouseMove, QPointF(from + QPoint(dx, 0)),
                         target->mapToGlobal(QPointF(from + QPoint(dx, 0))), Qt::NoButton, Qt::LeftButton,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(target, &move);
        QTest::mouseRelease(target, Qt::LeftButton, {}, from + QPoint(dx, 0));
    }

private slots:
    void init() {
        dir_ = std::make_unique<test::TempDir>();
        dir_->Write("base.cbf", kCatalogue);
    }

    void cleanup() {
        run_.reset();
        dir_.reset();
    }

    void menusCarryTheirItemsInOrder() {
        Open();
        const QList<QAction*> top = form().menuBar()->actions();
        QStringList titles;
        for (QAction* action : top) titles << (action->menu() ? action->menu()->objectName() : action->objectName());
        QCOMPARE(titles, QStringList({"mmBase", "mmDisk", "mmSetup", "mmHelp", "mmExit"}));
        QCOMPARE(PlainCaption(top[4]->text()), QString("Выход"));
        QCOMPARE(top[4]->toolTip(), QString("Выход из программы"));

        const std::pair<const char*, QStringList> menus[] = {
            {"mmBase", {"mmNewBase", "mmOpenBase", "mmSaveBaseAs", "mmPrintBase", "mmExcel", "mmImportCD", "mmVihod"}},
            {"mmDisk",
             {"mmAddCD", "mmEditCD", "mmKillCD", "svodka", "mmGiveCD", "mmReturnCD", "mmDolg", "mmFilter",
              "mmMagazine"}},
            {"mmSetup", {"mmGenres", "mmCountries", "mmContactList", "mmCompList", "mmMainSetup"}},
            {"mmHelp", {"N18", "N23", "N22", "mmAboutPrg", "N20"}},
        };
        for (const auto& [menuName, expected] : menus) {
            QStringList names;
            for (QAction* action : form().findChild<QMenu*>(menuName)->actions())
                if (!action->isSeparator()) names << action->objectName();
            QCOMPARE(names, expected);
        }
        QStringList popup;
        for (QAction* action : form().commands().popup->actions())
            if (!action->isSeparator()) popup << (action->menu() ? action->menu()->objectName() : action->objectName());
        QCOMPARE(popup, QStringList({"N7", "N8", "N9", "N24", "N13", "N14", "N25", "N11", "Sort1"}));
    }

    void captionsHintsAndReadiness_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<bool>("enabled");
        const auto row = [](const char* name, const char* caption, const char* hint, bool enabled) {
            QTest::newRow(name) << QString(name) << QString(caption) << QString(hint) << enabled;
        };
        row("mmNewBase", "Новая база", "Новая база", true);
        row("mmOpenBase", "Открыть ...", "Открыть базу", true);
        row("mmSaveBaseAs", "Сохранить как ...", "Сохранить базу под новым именем ", true);
        row("mmPrintBase", "Печатать базу", "Печатать базу", false);
        row("mmExcel", "Экспортировать базу в Excel", "Экспортировать базу в Excel", false);
        row("mmVihod", "Выход", "Выход", true);
        row("mmAddCD", "Добавить в базу", "Добавить диск в базу", false);
        row("mmEditCD", "Редактировать", "Редактировать данные о диске", false);
        row("mmKillCD", "Удалить из базы", "Удалить диск из базы", false);
        row("svodka", "Сводка", "Сводка", false);
        row("mmGiveCD", "Отдать диск", "Дать диск в долг", false);
        row("mmReturnCD", "Забрать диск", "Списать долг", false);
        row("mmDolg", "Должники...", "Просроченные долги и напоминания должникам", false);
        row("mmFilter", "Отбор / поиск", "Отбор / поиск", false);
        row("mmMagazine", "Журнал событий", "Журнал событий", false);
        row("mmGenres", "Жанры", "Редактор списка жанров", false);
        row("mmCountries", "Страны", "Редактор списка стран", false);
        row("mmContactList", "Контакты", "Редактор списка контактов", false);
        row("mmCompList", "Компании-производители", "Редактор списка компаний-производителей", false);
        row("mmMainSetup", "Настройки программы", "Настройки программы", false);
        row("N18", "Содержание", "Содержание", true);
        row("N23", "История версий", "История версий", true);
        row("N22", "Проверить наличие новой версии", "Проверить наличие новой версии", false);
        row("mmAboutPrg", "О программе", "О программе", false);
        row("N20", "Автор, тестеры, благодарности", "Автор, тестеры, благодарности", true);
        row("N7", "Добавить диск", "", false);
        row("N13", "Отдать диск в долг", "", false);
        row("N25", "Должники...", "", false);
        row("N11", "Отбор / поиск", "", false);
        row("smNosort", "Без  сортировки", "", true);
        row("smLon", "По длительномти", "", true);
        row("smNos", "По типу носителя", "", true);
    }

    void captionsHintsAndReadiness() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        QFETCH(bool, enabled);
        Open();
        QAction* action = form().findChild<QAction*>(name);
        QVERIFY(action);
        QCOMPARE(PlainCaption(action->text()), caption);
        if (!hint.isEmpty()) QCOMPARE(action->toolTip(), hint);
        QCOMPARE(action->isEnabled(), enabled);
    }

    void toolbarButtonsRunTheirCommands() {
        Open();
        QToolBar* bar = form().findChild<QToolBar*>("ToolBar");
        QStringList buttons;
        int separators = 0;
        for (QAction* action : bar->actions()) {
            if (action->isSeparator())
                ++separators;
            else
                buttons << bar->widgetForAction(action)->objectName();
        }
        QCOMPARE(buttons, QStringList({"ToolButton1",  "ToolButton2",  "ToolButton3",  "ToolButton5",  "ToolButton27",
                                       "ToolButton7",  "ToolButton8",  "ToolButton9",  "ToolButton11", "ToolButton12",
                                       "ToolButton14", "ToolButton25", "ToolButton16", "ToolButton18", "ToolButton19",
                                       "ToolButton29", "ToolButton20", "ToolButton22", "ToolButton24", "SearchEdit"}));
        QCOMPARE(separators, 11);
        auto* open = bar->findChild<QToolButton*>("ToolButton2");
        QCOMPARE(open->defaultAction(), command("mmOpenBase"));
        QCOMPARE(open->toolTip(), QString("Открыть базу"));
        QVERIFY(!bar->findChild<QToolButton*>("ToolButton22")->isEnabled());
        auto* sort = bar->findChild<QToolButton*>("ToolButton25");
        QCOMPARE(sort->menu(), form().commands().sortMenu);
        QCOMPARE(sort->toolTip(), QString("Сортировка списка"));
    }

    void headingClickSortsAndDragDoesNot() {
        Open();
        QCOMPARE(settings().setup.SortOrder, 1);
        QCOMPARE(Column(1), QStringList({"Alpha", "Beta", "Gamma"}));
        QVERIFY(command("smName")->isChecked());

        // A click with a small wobble on the second title's heading sorts by it.
        QWidget* target = header()->viewport();
        QTest::mousePress(target, Qt::LeftButton, {}, HeadingCentre(2));
        QTest::mouseRelease(target, Qt::LeftButton, {}, HeadingCentre(2) + QPoint(2, 2));
        QCOMPARE(settings().setup.SortOrder, 2);
        QCOMPARE(Column(2), QStringList({"Xi", "Yota", "Zeta"}));
        QVERIFY(command("smName2")->isChecked());
        QVERIFY(!command("smName")->isChecked());
        QVERIFY(form().table()->model()->headerData(2, Qt::Horizontal).toString().startsWith("#"));
        QVERIFY(!form().table()->model()->headerData(1, Qt::Horizontal).toString().startsWith("#"));

        // Dragging the border of column 3 resizes it and keeps the order.
        const int before = header()->sectionSize(3);
        const QPoint border(header()->sectionViewportPosition(3) + before - 1, 8);
        DragHeading(border, 30);
        QCOMPARE(settings().setup.SortOrder, 2);
        QCOMPARE(header()->sectionSize(3), before + 30);

        // A click on the current sort column does nothing; the identifier heading returns to disc order.
        QTest::mouseClick(target, Qt::LeftButton, {}, HeadingCentre(2));
        QCOMPARE(settings().setup.SortOrder, 2);
        QTest::mouseClick(target, Qt::LeftButton, {}, HeadingCentre(0));
        QCOMPARE(settings().setup.SortOrder, 0);
        QCOMPARE(Column(0), QStringList({"00001", "00002", "00003"}));
    }

    void sortMenuSetsTheOrder() {
        Open();
        command("smNos")->trigger();
        QCOMPARE(settings().setup.SortOrder, 11);
        int checked = 0;
        for (QAction* item : form().commands().sortItems) checked += item->isChecked();
        QCOMPARE(checked, 1);
        QVERIFY(command("smNos")->isChecked());
        // Choosing the current order again keeps its item checked.
        command("smNos")->trigger();
        QVERIFY(command("smNos")->isChecked());
        QCOMPARE(settings().setup.SortOrder, 11);
        command("smName2")->trigger();
        QCOMPARE(Column(2), QStringList({"Xi", "Yota", "Zeta"}));
        Close();
        QCOMPARE(Stored("Setup", "SortOrder"), 2);
    }

    void hiddenColumnsSurviveCloseAndReopen() {
        WriteSettings("[MainTable]\r\nWidth3=-120\r\nWidth5=77\r\n");
        Open();
        QCOMPARE(header()->sectionSize(3), 0);
        QVERIFY(!toggle(3)->isChecked());
        QCOMPARE(header()->sectionSize(5), 77);
        QVERIFY(toggle(5)->isChecked());
        QCOMPARE(toggle(11)->objectName(), QString("ToolButton42"));
        QVERIFY(form().columnBar()->findChild<QWidget*>("ToolButton41"));
        QCOMPARE(toggle(3)->toolTip(), QString("Скрыть / показать колонку Жанр"));

        toggle(3)->click();
        QCOMPARE(header()->sectionSize(3), 120);
        QVERIFY(toggle(3)->isChecked());
        toggle(5)->click();
        QCOMPARE(header()->sectionSize(5), 0);
        QVERIFY(!toggle(5)->isChecked());
        Close();
        QCOMPARE(Stored("MainTable", "Width3"), 120);
        QCOMPARE(Stored("MainTable", "Width5"), -77);

        Open();
        QCOMPARE(header()->sectionSize(5), 0);
        QVERIFY(!toggle(5)->isChecked());
        toggle(5)->click();
        QCOMPARE(header()->sectionSize(5), 77);
    }

    void columnDraggedToZeroIsShownAgainByItsToggle() {
        WriteSettings("[MainTable]\r\nWidth4=64\r\n");
        Open();
        header()->resizeSection(4, 0);
        QVERIFY(toggle(4)->isChecked());
        toggle(4)->click();
        QCOMPARE(header()->sectionSize(4), 64);
        QVERIFY(toggle(4)->isChecked());
    }

    void borderDragPutsHiddenColumnsBackToZero() {
        WriteSettings("[MainTable]\r\nWidth6=-50\r\n");
        Open();
        header()->resizeSection(6, 40); // as if its border had been pulled open
        const QPoint border(header()->sectionViewportPosition(2) + header()->sectionSize(2) - 1, 8);
        DragHeading(border, -20);
        QCOMPARE(header()->sectionSize(6), 0);
        QVERIFY(!toggle(6)->isChecked());
    }

    // Without stored sizes the window suits the screen and every built-in column shows its heading.
    void firstStartSuitsTheScreenAndShowsEveryHeading() {
        Open();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QCOMPARE(form().size(), QSize(FirstStartSize(kDesignedWidth, screen.width()),
                                      FirstStartSize(kDesignedHeight, screen.height())));
        QVERIFY((form().geometry().center() - screen.center()).manhattanLength() <= 2); // centred
        for (int k = 0; k < kColumnCount; ++k) {
            const QString heading = form().table()->model()->headerData(k, Qt::Horizontal).toString().remove('#');
            QVERIFY2(header()->sectionSize(k) >= HeadingWidthToShow(heading.trimmed(), header()->font()),
                     qPrintable(heading));
        }
    }

    void normalWindowSizeIsRestoredAndKept() {
        WriteSettings("[WindowState]\r\nMainState=1\r\nMainWidth=760\r\nMainHeight=520\r\nSplitterPos=250\r\n");
        Open();
        QCOMPARE(form().size(), QSize(760, 520));
        QVERIFY(!form().isMaximized());
        QCOMPARE(form().infoPanel()->width(), 250);
        form().resize(700, 480);
        Close();
        QCOMPARE(Stored("WindowState", "MainState"), 1);
        QCOMPARE(Stored("WindowState", "MainWidth"), 700);
        QCOMPARE(Stored("WindowState", "MainHeight"), 480);
        QCOMPARE(Stored("WindowState", "SplitterPos"), 250);
    }

    void maximizedWindowKeepsTheNormalSizeKeys() {
        WriteSettings("[WindowState]\r\nMainState=2\r\nMainWidth=700\r\nMainHeight=500\r\n");
        Open();
        QVERIFY(form().windowState().testFlag(Qt::WindowMaximized));
        Close();
        QCOMPARE(Stored("WindowState", "MainState"), 2);
        QCOMPARE(Stored("WindowState", "MainWidth"), 700);
        QCOMPARE(Stored("WindowState", "MainHeight"), 500);
    }

    void panelLeavesTheTableRoom() {
        WriteSettings("[WindowState]\r\nSplitterPos=5000\r\n");
        Open();
        QCOMPARE(form().infoPanelWidth(), form().width() - 300);
        QCOMPARE(form().infoPanel()->width(), form().width() - 300);
    }

    void captionAndCountersFollowTheBuild() {
        Open();
        QCOMPARE(form().windowTitle(), QString("Mirvane CD Base 1.8.1 - base.cbf"));
        QCOMPARE(form().infoPanel()->findChild<QLabel*>("LaAll")->text(), QString("Всего дисков в базе : 3"));
        QCOMPARE(form().infoPanel()->findChild<QLabel*>("LaNalVisi")->text(), QString("   из них отданных в долг: 1"));
        QVERIFY(form().table()->model()->index(0, 0).data(CatalogueTableModel::LentRole).toBool());
    }

    // Sorting moves the picked disc; the highlight, the keys and the view follow it, not its row number.
    void currentDiscStaysCurrentAndInViewAcrossRebuilds() {
        std::string text = "[Common]\r\nLastCDID=00300\r\n";
        for (int n = 1; n <= 300; ++n) {
            char section[128];
            std::snprintf(section, sizeof section, "[%05d]\r\nNam=T%03d\r\nNam2=S%03d\r\nGin=-1\r\n", n, n, 301 - n);
            text += section;
        }
        dir_->Write("base.cbf", text);
        Open();
        QStringList edited;
        form().ConnectCommand("mmEditCD", [&] { edited << QString::fromStdString(form().CurrentDiscId()); });
        MainTableView* table = form().table();
        table->SelectRow(289);         // disc 00290, near the end by title
        command("smName2")->trigger(); // ...near the start by the second title
        QCOMPARE(form().CurrentDiscId(), std::string("00290"));
        QCOMPARE(table->currentIndex().row(), 10);
        QVERIFY(table->selectionModel()->isRowSelected(10));
        QVERIFY(table->viewport()->rect().contains(table->visualRect(table->currentIndex())));
        QTest::keyClick(table, Qt::Key_F2);
        QCOMPARE(edited, QStringList({"00290"}));
        command("smName")->trigger();
        QCOMPARE(table->currentIndex().row(), 289);
        QVERIFY(table->viewport()->rect().contains(table->visualRect(table->currentIndex())));

        form().RebuildTable("00007"); // as after adding a disc
        QCOMPARE(form().CurrentDiscId(), std::string("00007"));
        settings().filter.Nazva = "T007"; // the current disc stays the only one shown
        form().RebuildTable();
        QCOMPARE(form().CurrentDiscId(), std::string("00007"));
    }

    // The caption names the file as it is, also where Windows-1251 cannot hold the name.
    void openCommandSwitchesCatalogues() {
        dir_->Write("映画.cbf", "[Common]\r\nLastCDID=00001\r\n[00001]\r\nNam=Solo\r\n");
        Open();
        run_->prompts.ExpectText(std::nullopt);
        command("mmOpenBase")->trigger();
        QCOMPARE(form().windowTitle(), QString("Mirvane CD Base 1.8.1 - base.cbf"));
        run_->prompts.ExpectText(dir_->File("映画.cbf"));
        command("mmOpenBase")->trigger();
        QCOMPARE(form().windowTitle(), QString("Mirvane CD Base 1.8.1 - 映画.cbf"));
        QCOMPARE(Column(1), QStringList({"Solo"}));
        QVERIFY(run_->prompts.Exhausted());
    }

    // "Сохранить как ..." through the menu: a missing extension and a lone "." give ".cbf"; saving
    // onto the open file keeps it without asking to delete it.
    void saveAsCommandNamesAndKeepsTheCatalogue_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<bool>("asksToDelete");
        QTest::newRow("no extension") << "copy"
                                      << "copy.cbf" << true;
        QTest::newRow("lone dot") << "dot."
                                  << "dot.cbf" << true;
        QTest::newRow("other extension") << "films.dat"
                                         << "films.dat" << true;
        QTest::newRow("onto itself") << "base.cbf"
                                     << "base.cbf" << false;
    }

    void saveAsCommandNamesAndKeepsTheCatalogue() {
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        QFETCH(bool, asksToDelete);
        Open();
        run_->prompts.ExpectText(dir_->File(typed.toStdString()));
        if (asksToDelete) run_->prompts.Expect(Answer::No);
        command("mmSaveBaseAs")->trigger();
        QVERIFY(run_->prompts.Exhausted());
        QCOMPARE(form().windowTitle(), "Mirvane CD Base 1.8.1 - " + expected);
        QCOMPARE(test::TempDir::Read(dir_->File(expected.toStdString())), std::string(kCatalogue));
        QVERIFY(std::filesystem::exists(dir_->File("base.cbf")));
        QCOMPARE(Column(1).size(), 3);
    }

    // "Новая база" names a catalogue that is written only by its first change; closing remembers it.
    void newCatalogueIsRememberedButNotWrittenUntilChanged() {
        Open();
        run_->prompts.ExpectText(dir_->File("fresh"));
        command("mmNewBase")->trigger();
        QCOMPARE(form().windowTitle(), QString("Mirvane CD Base 1.8.1 - fresh.cbf"));
        QVERIFY(form().table()->model()->index(0, 0).data().toString().isEmpty());
        Close();
        QVERIFY(!std::filesystem::exists(dir_->File("fresh.cbf")));
        const TIniFile settings(dir_->SettingsFile());
        QCOMPARE(settings.ReadString("Base", "BaseName", ""), dir_->File("fresh.cbf"));
    }

    void helpItemsShowTheirTopics() {
        Open();
        command("N23")->trigger();
        auto* browser = qApp->findChild<QTextBrowser*>("HelpText");
        if (!browser)
            for (QWidget* w : QApplication::topLevelWidgets())
                if (!browser) browser = w->findChild<QTextBrowser*>("HelpText");
        QVERIFY(browser);
        QVERIFY(browser->source().toString().endsWith("topic-14.html"));
        command("N20")->trigger();
        QVERIFY(browser->source().toString().endsWith("topic-20.html"));
        QVERIFY(run_->prompts.asked.empty());
    }

    // The keyboard starts on the table, not on a column button (where Space would hide a column): a
    // click on a button leaves it there, only Tab goes to them. F1 opens the topic of the table or of
    // the main window.
    void keyboardStartsOnTheTableAndF1FollowsTheFocus() {
        Open();
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        QCOMPARE(form().focusWidget(), static_cast<QWidget*>(form().table()));
        for (QToolButton* button : form().findChild<ColumnToolBar*>()->findChildren<QToolButton*>())
            if (button->objectName().startsWith("ToolButton")) QCOMPARE(button->focusPolicy(), Qt::TabFocus);
        QTest::keyClick(form().table(), Qt::Key_F1);
        QTextBrowser* browser = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (!browser) browser = w->findChild<QTextBrowser*>("HelpText");
        QVERIFY(browser);
        QVERIFY(browser->source().toString().endsWith("topic-15.html"));
        browser->window()->close();
        form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        QWidget* elsewhere = form().findChild<QSplitter*>()->widget(1);
        elsewhere->setFocusPolicy(Qt::StrongFocus);
        elsewhere->setFocus();
        QTest::keyClick(elsewhere, Qt::Key_F1);
        QVERIFY(browser->source().toString().endsWith("topic-1.html"));
    }

    // No counter digit is ever cut off: the panel is at least as wide as its counters need.
    void countersAreNeverCut() {
        Open();
        auto* panel = form().findChild<InfoPanel*>();
        const QString n = QStringLiteral(" : 1234567890");
        panel->SetCounters(
            {QString::fromUtf8("Всего дисков в базе") + n, QString::fromUtf8("   из них отданных в долг") + n,
             QString::fromUtf8("Показано дисков") + n, QString::fromUtf8("   из них отданных в долг") + n});
        form().resize(form().width() + 1, form().height());
        QTRY_VERIFY(panel->width() >= panel->minimumWidth());
        QVERIFY(panel->minimumWidth() > 0);
        for (QLabel* label : panel->findChildren<QLabel*>())
            QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));
    }

    // Every digit of every identifier shows at the built-in widths, which grow with the table font
    // (lent discs are bold); switching to longer identifiers widens the column; a stored width stays.
    void identifiersShowEveryDigit() {
        const auto everyDigitShows = [this] {
            QFont bold = form().table()->font();
            bold.setBold(true);
            for (const QString& id : Column(0))
                if (CutToWidth(id, QFontMetrics(bold), header()->sectionSize(0) - 1) != id) return false;
            return true;
        };
        dir_->Write("base.cbf", "[Common]\r\nLastCDID=00012\r\nContacts=0\r\n[Contacts]\r\n0=Petrov\r\n"
                                "[00008]\r\nNam=Beta\r\nGin=-1\r\n[00012]\r\nNam=Alpha\r\nGin=0\r\n");
        dir_->Write("big.cbf", "[Common]\r\nLastCDID=1234567\r\n[00012]\r\nNam=Alpha\r\nGin=-1\r\n"
                               "[1234567]\r\nNam=Beta\r\nGin=-1\r\n");
        Open();
        QVERIFY(everyDigitShows());
        // The title column holds as many average characters as it was laid out for.
        const int tableWidth = form().width() - form().infoPanelWidth() - form().findChild<QSplitter*>()->handleWidth();
        const double average = QFontMetricsF(form().table()->font()).averageCharWidth();
        QVERIFY(header()->sectionSize(1) / average >= int(tableWidth * 0.4) / kReferenceCharWidth - 0.2);

        run_->prompts.ExpectText(dir_->File("big.cbf"));
        command("mmOpenBase")->trigger();
        QCOMPARE(Column(0), QStringList({"00012", "1234567"}));
        QVERIFY(everyDigitShows());
        Close();

        WriteSettings("[MainTable]\r\nWidth0=20\r\n");
        Open();
        QCOMPARE(header()->sectionSize(0), 20);
    }

    void startupTasksRunOneSecondAfterShowingDebtsFirst() {
        // Disc 2 was lent 30 days ago and the update check is overdue: both tasks are pending.
        WriteSettings("[Setup]\r\nDolgReminder=1\r\nUpdateDate=0\r\n");
        std::ofstream(dir_->File("base.cbf"), std::ios::binary)
            << "[Common]\r\nLastCDID=00001\r\nContacts=0\r\n[Contacts]\r\n0=Petrov\r\n[00001]\r\nNam=Alpha\r\nGin="
               "0\r\nGiv="
            << test::FixedClock().Today() - 30 << "\r\n";
        Open();
        QStringList shown;
        size_t debts = 0;
        form().SetStartupTaskWindows({[&](std::vector<DebtRow> rows) {
                                          shown << "debtors";
                                          debts = rows.size();
                                      },
                                      [&] { shown << "update"; }});
        QVERIFY(form().startupTimer()->isActive());
        QCOMPARE(form().startupTimer()->interval(), 1000);
        QTRY_COMPARE_WITH_TIMEOUT(shown, QStringList({"debtors", "update"}), 3000);
        QCOMPARE(debts, size_t(1));
        QVERIFY(!form().startupTimer()->isActive());
    }

    // Commands of other windows: connecting one enables it for the menu, the toolbar, the context
    // menu and the table's keys, and the table turns its current row into the disc's identifier.
    void connectedCommandsRunOnTheCurrentDisc() {
        Open();
        QStringList ran;
        form().ConnectCommand("mmKillCD", [&] { ran << "kill " + QString::fromStdString(form().CurrentDiscId()); });
        form().ConnectCommand("svodka", [&] { ran << "summary " + QString::fromStdString(form().CurrentDiscId()); });
        QVERIFY(command("mmKillCD")->isEnabled());
        QVERIFY(command("N9")->isEnabled());
        QVERIFY(command("N24")->isEnabled());
        QVERIFY(!command("mmGiveCD")->isEnabled());
        form().table()->SelectRow(2);
        QTest::keyClick(form().table(), Qt::Key_Delete);
        QTest::keyClick(form().table(), Qt::Key_F3);
        QTest::keyClick(form().table(), Qt::Key_F6); // not connected: nothing
        command("N9")->trigger();
        form().table()->SelectRow(0);
        const QRect cell = form().table()->visualRect(form().table()->model()->index(0, 1));
        // A real double click starts with a press on the cell.
        QTest::mouseClick(form().table()->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(form().table()->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(ran, QStringList({"kill 00003", "summary 00003", "kill 00003", "summary 00002"}));
    }

    void emptyTableHasNoCurrentDisc() {
        std::ofstream(dir_->File("base.cbf"), std::ios::binary) << "[Common]\r\nLastCDID=00000\r\n";
        Open();
        form().table()->SelectRow(0);
        QCOMPARE(form().CurrentDiscId(), std::string());
    }

    void signalsFollowTheTableAndItsCurrentRow() {
        Open();
        QSignalSpy rebuilt(&form(), &TMainForm::tableRebuilt);
        QSignalSpy current(&form(), &TMainForm::currentDiscChanged);
        form().RebuildTable();
        QCOMPARE(rebuilt.count(), 1);
        QTest::keyClick(form().table(), Qt::Key_Down);
        QVERIFY(current.count() >= 1);
    }

    void infoGroupGoesBelowTheCountersAndColoursRepaint() {
        Open();
        auto* group = new QWidget;
        group->setObjectName("GroupInfo");
        form().SetInfoGroup(group);
        form().infoPanel()->layout()->activate();
        QCOMPARE(group->parentWidget(), static_cast<QWidget*>(form().infoPanel()));
        QVERIFY(group->y() >
                form().infoPanel()->findChild<QLabel*>("LaNalVisi")->mapTo(form().infoPanel(), QPoint()).y());

        QFont plain = form().table()->font();
        plain.setStyleStrategy(QFont::NoAntialias); // exact ink colours in the grabbed pixels
        form().table()->setFont(plain);
        form().table()->clearSelection();
        TableColours colours = form().tableColours();
        colours.lent = QColor(1, 2, 3);
        form().SetTableColours(colours);
        QCOMPARE(form().tableColours().lent, QColor(1, 2, 3));
        const QImage shown = form().table()->viewport()->grab().toImage();
        const QRect lentCell = form().table()->visualRect(form().table()->model()->index(0, 1)); // Alpha, lent
        bool inked = false;
        for (int y = lentCell.top(); y <= lentCell.bottom(); ++y)
            for (int x = lentCell.left(); x <= lentCell.right(); ++x)
                inked = inked || shown.pixelColor(x, y).rgb() == QColor(1, 2, 3).rgb();
        QVERIFY(inked);
    }

    void noPendingTaskStartsNoTimer() {
        WriteSettings("[Setup]\r\nNoUpdating=1\r\n");
        Open();
        QVERIFY(!form().startupTimer()->isActive());
    }

    // Every item of every menu (the menu bar, its menus, the sort menu and the table's context menu)
    // has a mnemonic of its own within its menu.
    void everyMenuItemHasItsOwnMnemonic() {
        Open();
        QList<QWidget*> menus{form().menuBar()};
        for (QMenu* menu : form().findChildren<QMenu*>())
            if (!menu->objectName().isEmpty()) menus << menu; // unnamed: the toolbars' overflow menus
        QCOMPARE(menus.size(), 7); // the bar, its four menus, the sort menu, the context menu
        for (QWidget* menu : menus) {
            QStringList letters;
            for (QAction* action : menu->actions()) {
                if (action->isSeparator()) continue;
                const QKeySequence mnemonic = QKeySequence::mnemonic(action->text());
                QVERIFY2(!mnemonic.isEmpty(), qPrintable(action->text()));
                const QString letter = mnemonic.toString();
                QVERIFY2(!letters.contains(letter), qPrintable(menu->objectName() + ": " + action->text()));
                letters << letter;
            }
        }
    }

    // Each key a menu item shows beside its caption runs that item's command when pressed in the
    // table, and every key of the table is shown.
    void keysShownInTheMenusRunTheirCommands() {
        Open();
        QStringList ran;
        for (const char* name : {"mmAddCD", "mmEditCD", "svodka", "mmKillCD", "mmFilter"})
            form().ConnectCommand(name, [&ran, name] { ran << name; });
        QStringList shownKeys;
        for (QAction* item : form().findChildren<QAction*>()) {
            const QString keyText = item->text().section('\t', 1);
            if (keyText.isEmpty()) continue;
            const QKeySequence key(keyText, QKeySequence::NativeText);
            QCOMPARE(key.count(), 1);
            ran.clear();
            QTest::keyClick(form().table(), key[0].key());
            const QStringList byKey = ran;
            ran.clear();
            item->trigger();
            QCOMPARE(ran.size(), 1);
            QCOMPARE(byKey, ran);
            if (!shownKeys.contains(keyText)) shownKeys << keyText;
        }
        QCOMPARE(shownKeys.size(), 5);
        for (Qt::Key key : {Qt::Key_Insert, Qt::Key_F2, Qt::Key_F3, Qt::Key_Delete, Qt::Key_F6})
            QVERIFY(shownKeys.contains(QKeySequence(key).toString(QKeySequence::NativeText)));
    }

    // F10 opens the first menu; Alt pressed and released alone highlights the menu bar, whose menus
    // then open with Down and change with the arrows; Alt and a title's letter open that menu, and an
    // item's letter runs it.
    void f10AndAltReachTheMenuBar() {
        Open();
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        QMenuBar* bar = form().menuBar();
        auto* base = form().findChild<QMenu*>("mmBase");
        auto* disk = form().findChild<QMenu*>("mmDisk");
        QTest::keyClick(form().table(), Qt::Key_F10);
        QTRY_VERIFY(base->isVisible());
        QCOMPARE(bar->activeAction(), base->menuAction());
        QTest::keyClick(base, Qt::Key_Right);
        QTRY_VERIFY(disk->isVisible());
        QTest::keyClick(disk, Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_VERIFY(!disk->isVisible());

        form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        form().table()->setFocus();
        QTest::keyPress(form().table(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(form().table(), Qt::Key_Alt, Qt::AltModifier);
        QCOMPARE(bar->activeAction(), base->menuAction());
        QVERIFY(!base->isVisible());
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->activeAction(), disk->menuAction());
        QTest::keyClick(bar, Qt::Key_Down);
        QTRY_VERIFY(disk->isVisible());
        QTest::keyClick(disk, Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_COMPARE(form().focusWidget(), static_cast<QWidget*>(form().table()));

        form().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&form()));
        auto* help = form().findChild<QMenu*>("mmHelp");
        test::TypeKeys(form().table(), QStringLiteral("с"), Qt::AltModifier); // "Справка"
        QTRY_VERIFY(help->isVisible());
        QSignalSpy history(command("N23"), &QAction::triggered);
        test::TypeKeys(help, QStringLiteral("и"));
        QCOMPARE(history.count(), 1); // "История версий"
        QVERIFY(!help->isVisible());
    }

    // In the table Enter shows the disc as a double click does; Home and End (with or without Ctrl)
    // go to the first and last disc without scrolling sideways, PageDown and PageUp by a page; Shift+F10
    // opens the context menu at the current row.
    void tableKeys() {
        std::string many = "[Common]\r\nLastCDID=00060\r\n";
        for (int i = 1; i <= 60; ++i)
            many += "[000" + QString::number(i).rightJustified(2, '0').toStdString() + "]\r\nNam=Disc " +
                    std::to_string(i) + "\r\n";
        dir_->Write("base.cbf", many);
        WriteSettings("[Setup]\r\nSortOrder=0\r\n");
        Open();
        QStringList ran;
        form().ConnectCommand("svodka", [&] { ran << QString::fromStdString(form().CurrentDiscId()); });
        MainTableView* table = form().table();
        const auto row = [table] { return table->currentIndex().row(); };
        table->SelectRow(4);
        QTest::keyClick(table, Qt::Key_Return);
        QTest::keyClick(table, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(ran, QStringList({"00005", "00005"}));

        const int scrolled = table->horizontalScrollBar()->value();
        QTest::keyClick(table, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(row(), 59);
        QTest::keyClick(table, Qt::Key_Home, Qt::ControlModifier);
        QCOMPARE(row(), 0);
        QTest::keyClick(table, Qt::Key_End);
        QCOMPARE(row(), 59);
        QTest::keyClick(table, Qt::Key_Home);
        QCOMPARE(row(), 0);
        QCOMPARE(table->horizontalScrollBar()->value(), scrolled);
        QCOMPARE(table->currentIndex().column(), 0);
        QTest::keyClick(table, Qt::Key_PageDown);
        const int page = row();
        QVERIFY(page > 5 && page < 59);
        QTest::keyClick(table, Qt::Key_PageDown);
        const int twice = row();
        QVERIFY(twice > page);
        QTest::keyClick(table, Qt::Key_PageUp);
        QVERIFY(row() > 0 && row() < twice);
        QCOMPARE(form().CurrentDiscId(), "000" + QString::number(row() + 1).rightJustified(2, '0').toStdString());

        QTest::keyClick(table, Qt::Key_F10, Qt::ShiftModifier);
        QMenu* popup = form().commands().popup;
        QTRY_VERIFY(popup->isVisible());
        const QRect current = table->visualRect(table->currentIndex());
        QVERIFY(popup->geometry().contains(table->viewport()->mapToGlobal(current.bottomLeft()) + QPoint(2, 2)));
        QTest::keyClick(popup, Qt::Key_Escape);
        QVERIFY(!popup->isVisible());
    }
};

} // namespace mcb

QTEST_MAIN(mcb::MainFormTest)
#include "MainForm_test.moc"
