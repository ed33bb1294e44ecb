#include "catalogue/ui/MainForm.h"

#include "catalogue/ui/CatalogueTableModel.h"
#include "catalogue/ui/ColumnToolBar.h"
#include "catalogue/ui/InfoPanel.h"
#include "catalogue/ui/MainTableHeader.h"
#include "catalogue/ui/MainTableView.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/Keyboard.h"
#include "platform/qt/QtText.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace mcb {

TMainForm::TMainForm(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
    setObjectName("MainForm");
    commands_ = BuildMainCommands(*this);
    BuildLayout();
    BuildSearch();
    ConnectCommands();
    ApplyWindowSettings();
    ShowTable(0);
    tumer_ = new QTimer(this);
    tumer_->setObjectName("Tumer");
    tumer_->setSingleShot(true);
    tumer_->setInterval(1000);
    connect(tumer_, &QTimer::timeout, this, &TMainForm::TumerTimer);
    if (session_.pendingStartupTasks() != 0) tumer_->start();
    // After the command that read the catalogue again has ended.
    session_.SetReloadListener([this] { QTimer::singleShot(0, this, [this] { RebuildTable(); }); });
    // Insert, F2, F6, Delete and the arrows work at once.
    table_->setFocus();
}

void TMainForm::TumerTimer() {
    tumer_->stop();
    const int tasks = session_.pendingStartupTasks();
    if ((tasks & kTaskDebtReminder) && startupWindows_.showDebtors)
        startupWindows_.showDebtors(session_.TakeDebtRows());
    if ((tasks & kTaskUpdateCheck) && startupWindows_.showUpdateCheck) startupWindows_.showUpdateCheck();
}

TMainForm::~TMainForm() {
    session_.SetReloadListener({});
}

void TMainForm::BuildLayout() {
    auto* tablePane = new QWidget;
    auto* tableLayout = new QVBoxLayout(tablePane);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->setSpacing(0);
    columnBar_ = new ColumnToolBar(tablePane);
    table_ = new MainTableView(tablePane);
    model_ = new CatalogueTableModel(session_.shown(), this);
    table_->setModel(model_);
    tableLayout->addWidget(columnBar_);
    tableLayout->addWidget(table_);

    infoPan_ = new InfoPanel;
    splitter_ = new QSplitter(Qt::Horizontal);
    splitter_->setHandleWidth(3);
    splitter_->setChildrenCollapsible(false);
    splitter_->addWidget(tablePane);
    splitter_->addWidget(infoPan_);
    splitter_->setStretchFactor(0, 1);
    splitter_->setStretchFactor(1, 0);
    setCentralWidget(splitter_);
}

void TMainForm::ConnectCommands() {
    const auto on = [this](const char* control, auto handler) {
        connect(commands_[control], &QAction::triggered, this, handler);
    };
    on("mmNewBase", [this] { SwitchCatalogue(SwitchMode::New); });
    on("mmOpenBase", [this] { SwitchCatalogue(SwitchMode::Open); });
    on("mmSaveBaseAs", [this] { SwitchCatalogue(SwitchMode::SaveAs); });
    on("mmVihod", [this] { close(); });
    on("mmExit", [this] { close(); });
    on("N18", [this] { ShowHelp(kHelpContents); });
    on("N23", [this] { ShowHelp(kHelpVersionHistory); });
    on("N20", [this] { ShowHelp(kHelpAuthors); });
    for (int order = 0; order < kColumnCount; ++order)
        connect(commands_.sortItems[order], &QAction::triggered, this, [this, order] { SetSortOrder(order); });
    connect(table_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { commands_.popup->popup(table_->viewport()->mapToGlobal(at)); });
    connect(table_->heading(), &MainTableHeader::headingReleased, this, &TMainForm::HeadingReleased);
    connect(columnBar_, &ColumnToolBar::columnToggled, this, &TMainForm::ToggleColumn);
    connect(splitter_, &QSplitter::splitterMoved, this, &TMainForm::PanelMoved);
    connect(table_, &MainTableView::infoRefreshRequested, this, &TMainForm::currentDiscChanged);
    connect(table_, &QAbstractItemView::doubleClicked, commands_["svodka"], &QAction::trigger);
    connect(table_, &MainTableView::openRequested, commands_["svodka"], &QAction::trigger);
    table_->installEventFilter(this);
    table_->viewport()->installEventFilter(this);
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [this] { ShowHelp(focusWidget() == table_ ? kHelpTable : kHelpMainWindow); });
    ConnectMenuKeys();
}

// F10 opens the first menu and Alt alone highlights the menu bar, as the Linux desktops do.
void TMainForm::ConnectMenuKeys() {
    NavigateMenuBarByAlt(*menuBar());
    connect(new QShortcut(QKeySequence(Qt::Key_F10), this), &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

void TMainForm::ConnectCommand(const char* control, std::function<void()> handler) {
    QAction* action = commands_[control];
    Q_ASSERT_X(action, "ConnectCommand", control);
    connect(action, &QAction::triggered, this, [handler = std::move(handler)] { handler(); });
    action->setEnabled(true);
}

std::string TMainForm::CurrentDiscId() const {
    return session_.shown().DiscIdOfRow(table_->currentIndex().row());
}

void TMainForm::FocusTable() {
    table_->setFocus();
}

void TMainForm::SetInfoGroup(QWidget* group) {
    infoPan_->SetInfoGroup(group);
}

const TableColours& TMainForm::tableColours() const {
    return table_->colours();
}

void TMainForm::SetTableColours(const TableColours& colours) {
    table_->colours() = colours;
    table_->viewport()->update();
    table_->horizontalHeader()->viewport()->update();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == table_->viewport() && event->type() == QEvent::Paint) TablePainted();
    if (watched == table_ && event->type() == QEvent::KeyRelease) TableKeyReleased(*static_cast<QKeyEvent*>(event));
    if (watched == search_ && event->type() == QEvent::FocusIn) SearchFocused();
    return QMainWindow::eventFilter(watched, event);
}

// The start-up backup is written while the window comes up; once the table is painted, a failure
// of the copy can be said.
void TMainForm::TablePainted() {
    if (painted_) return;
    painted_ = true;
    QTimer::singleShot(0, this, [this] { session_.FinishBackup(); });
}

// The table's keys run their commands when released, before the table asks for the disc
// information again; a command not connected yet is disabled and does nothing.
void TMainForm::TableKeyReleased(const QKeyEvent& event) {
    if (event.isAutoRepeat()) return;
    if (const char* command = TableKeyCommand(event.key())) commands_[command]->trigger();
}

void TMainForm::SwitchCatalogue(SwitchMode mode) {
    if (session_.ChooseAndSwitch(mode)) RebuildTable();
    table_->setFocus();
}

void TMainForm::ShowHelp(int topic) {
    if (!ShowHelpTopic(this, topic))
        session_.services().prompts.Message(FromQ(QString::fromUtf8("Не найден файл справки")));
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!shutDown_) {
        StoreWindowSettings();
        session_.Shutdown();
        shutDown_ = true;
    }
    event->accept();
}

} // namespace mcb
