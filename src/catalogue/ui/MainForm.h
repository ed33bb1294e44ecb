// The catalogue window `TMainForm`: menus, toolbars, the table with its column toggles and the
// information panel, shown over a started Session. It reads the window's settings from the session
// when it is created and puts them back before the session shuts down at close.
//
// It knows no window of another subsystem. The program's wiring (app/) connects its commands to
// them (ConnectCommand), asks it for the current disc, listens to its signals and puts the disc
// information group into its panel.
#pragma once

#include "catalogue/ColumnWidths.h"
#include "catalogue/Session.h"
#include "catalogue/ui/CellPainter.h"
#include "catalogue/ui/MainCommands.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QKeyEvent;
class QLineEdit;
class QSplitter;
class QTimer;

namespace mcb {

class CatalogueTableModel;
class ColumnToolBar;
class InfoPanel;
class MainTableView;

// Windows that the deferred start-up tasks open; a task whose window is not set is skipped.
struct StartupTaskWindows {
    std::function<void(std::vector<DebtRow>)> showDebtors;
    std::function<void()> showUpdateCheck;
};

// Help topics of the help menu.
constexpr int kHelpContents = 0;
constexpr int kHelpVersionHistory = 14;
constexpr int kHelpAuthors = 20;
constexpr int kHelpMainWindow = 1;
constexpr int kHelpTable = 15;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    // The session must have been started (its first table build done).
    explicit TMainForm(Session& session, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Rebuilds the table from the catalogue and shows the result, the current disc staying current
    // while it is shown; tableRebuilt() follows.
    void RebuildTable();
    // The same, with that disc current when it is shown (a disc just added).
    void RebuildTable(const std::string& currentDisc);
    // Gives the keyboard focus back to the table, as every command does when it ends.
    void FocusTable();

    // Runs the handler when the command (a QAction named after its control, for example "mmPrintBase")
    // is triggered from the menu, the toolbar, the context menu or a key, and enables it: commands
    // stay disabled until something is connected to them.
    void ConnectCommand(const char* control, std::function<void()> handler);

    // The identifier of the disc in the current row; empty when no row holding a disc is current.
    std::string CurrentDiscId() const;

    // Puts the disc information group into the information panel, below the counters.
    void SetInfoGroup(QWidget* group);

    // The running table colours (new-disc mark, lent discs); setting them repaints the table.
    const TableColours& tableColours() const;
    void SetTableColours(const TableColours& colours);

    Session& session() { return session_; }
    MainTableView* table() const { return table_; }
    InfoPanel* infoPanel() const { return infoPan_; }
    ColumnToolBar* columnBar() const { return columnBar_; }
    // The quick search field `SearchEdit` of the toolbar.
    QLineEdit* searchField() const { return search_; }
    const MainCommands& commands() const { return commands_; }
    // The one-shot timer `Tumer` runs the session's pending start-up tasks one second after the window
    // is shown: first the debt reminder, then the update check.
    void SetStartupTaskWindows(StartupTaskWindows windows) { startupWindows_ = std::move(windows); }
    // The same hooks one by one, so that each subsystem's wiring sets its own without clearing another's.
    StartupTaskWindows& startupTaskWindows() { return startupWindows_; }
    QTimer* startupTimer() const { return tumer_; }

    // Width the information panel is kept at (SplitterPos).
    int infoPanelWidth() const { return panelWidth_; }

signals:
    // The current row changed by mouse or key (the disc information should be shown again).
    void currentDiscChanged();
    // A table build was shown (after RebuildTable, and after switching catalogues).
    void tableRebuilt();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildLayout();
    void BuildSearch();
    void SearchFocused();
    void SearchChanged(const QString& text);
    void ConnectCommands();
    void ConnectMenuKeys();
    void ApplyWindowSettings();
    void ApplyColumnSettings(int tableWidth);
    void StoreWindowSettings();
    void ShowTable(int selectRow);
    QStringList Headings() const;
    void TablePainted();
    void TableKeyReleased(const QKeyEvent& event);
    void SwitchCatalogue(SwitchMode mode);
    void ShowHelp(int topic);
    void TumerTimer();
    void SetSortOrder(int order);
    void HeadingReleased(int column, int dx, int dy);
    void ToggleColumn(int column);
    void FitIdentifierColumn();
    void PanelMoved();
    void ApplyPanelWidth();
    ColumnWidthArray CurrentWidths() const;

    Session& session_;
    MainCommands commands_;
    CatalogueTableModel* model_ = nullptr;
    MainTableView* table_ = nullptr;
    ColumnToolBar* columnBar_ = nullptr;
    QLineEdit* search_ = nullptr;
    InfoPanel* infoPan_ = nullptr;
    QSplitter* splitter_ = nullptr;
    std::optional<ColumnWidths> columns_;
    int panelWidth_ = 0;
    bool shutDown_ = false;
    bool painted_ = false;
    QTimer* tumer_ = nullptr;
    StartupTaskWindows startupWindows_;
};

} // namespace mcb
