#include "catalogue/ui/MainForm.h"

#include "catalogue/ui/CatalogueTableModel.h"
#include "catalogue/ui/ColumnToolBar.h"
#include "catalogue/ui/InfoPanel.h"
#include "catalogue/ui/MainTableHeader.h"
#include "catalogue/ui/MainTableView.h"
#include "catalogue/ui/SessionWindows.h"
#include "discs/ui/DiscCommandWindows.h"
#include "platform/qt/HelpBrowser.h"
#include "platform/qt/QtText.h"

#include <QAction>
#include <QCloseEvent>
#include <QMenu>
#include <QSplitter>
#include <QTimer>
#include <QVBoxLayout>

namespace mcb {

TMainForm::TMainForm(Session& session, QWidget* parent) : QMainWindow(parent), session_(session) {
    setObjectName("MainForm");
    commands_ = BuildMainCommands(*this);
    picker_ = std::make_unique<SessionListPicker>(session_, this);
    BuildLayout();
    discs_ = new DiscCommandWindows(session_, *this);
    ConnectCommands();
    ApplyWindowSettings();
    ShowTable(0);
    tumer_ = new QTimer(this);
    tumer_->setObjectName("Tumer");
    tumer_->setSingleShot(true);
    tumer_->setInterval(1000);
    connect(tumer_, &QTimer::timeout, this, &TMainForm::TumerTimer);
    if (session_.pendingStartupTasks() != 0) tumer_->start();
}

void TMainForm::TumerTimer() {
    tumer_->stop();
    const int tasks = session_.pendingStartupTasks();
    if ((tasks & kTaskDebtReminder) && startupWindows_.showDebtors)
        startupWindows_.showDebtors(session_.TakeDebtRows());
    if ((tasks & kTaskUpdateCheck) && startupWindows_.showUpdateCheck) startupWindows_.showUpdateCheck();
}

TMainForm::~TMainForm() = default;

void TMainForm::BuildLayout() {
    auto* tablePane = new QWidget;
    auto* tableLayout = new QVBoxLayout(tablePane);
    tableLayout->setContentsMargins(0, 0, 0, 0);
    tableLayout->setSpacing(0);
    columnBar_ = new ColumnToolBar(tablePane);
    table_ = new MainTableView(tablePane);
    model_ = new CatalogueTableModel(session_.table(), this);
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
    on("mmAddCD", [this] { discs_->mmAddCDClick(); });
    on("mmEditCD", [this] { discs_->mmEditCDClick(); });
    on("mmKillCD", [this] { discs_->mmKillCDClick(); });
    on("mmGiveCD", [this] { discs_->mmGiveCDClick(); });
    on("mmReturnCD", [this] { discs_->mmReturnCDClick(); });
    on("mmFilter", [this] { discs_->mmFilterClick(); });
    on("N18", [this] { ShowHelp(kHelpContents); });
    on("N23", [this] { ShowHelp(kHelpVersionHistory); });
    on("N20", [this] { ShowHelp(kHelpAuthors); });
    on("mmMagazine", [this] { ShowJournal(); });
    on("mmGenres", [this] { EditList(DictKind::Genres); });
    on("mmCountries", [this] { EditList(DictKind::Countries); });
    on("mmContactList", [this] { EditList(DictKind::Contacts); });
    on("mmCompList", [this] { EditList(DictKind::Companies); });
    for (int order = 0; order < kColumnCount; ++order)
        connect(commands_.sortItems[order], &QAction::triggered, this, [this, order] { SetSortOrder(order); });
    connect(table_, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { commands_.popup->popup(table_->viewport()->mapToGlobal(at)); });
    connect(table_->heading(), &MainTableHeader::headingReleased, this, &TMainForm::HeadingReleased);
    connect(columnBar_, &ColumnToolBar::columnToggled, this, &TMainForm::ToggleColumn);
    connect(splitter_, &QSplitter::splitterMoved, this, &TMainForm::PanelMoved);
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

void TMainForm::ShowJournal() {
    ShowJournalWindow(session_, this);
    table_->setFocus();
}

// Plain editing of a list; the table is not rebuilt afterwards.
void TMainForm::EditList(DictKind kind) {
    DictParams params{kind, true, false, ""};
    picker_->Pick(params);
    table_->setFocus();
}

} // namespace mcb
