// The catalogue window's state kept between runs: window state and size, the information panel's
// width (SplitterPos), the colours of the table and the column widths.
#include "catalogue/MainWindowRules.h"
#include "catalogue/ui/InfoPanel.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/MainTableView.h"

#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QSplitter>

namespace mcb {

namespace {

QRect AvailableScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, kDesignedWidth, kDesignedHeight);
}

WindowShow ShowOf(Qt::WindowStates states) {
    if (states.testFlag(Qt::WindowMinimized)) return WindowShow::Minimized;
    if (states.testFlag(Qt::WindowMaximized)) return WindowShow::Maximized;
    return WindowShow::Normal;
}

} // namespace

void TMainForm::ApplyWindowSettings() {
    Settings& settings = session_.settings();
    const QRect screen = AvailableScreen();
    const WindowSettings& window = settings.window;
    const WindowStart start =
        StartWindow(window.MainState, window.MainWidth, window.MainHeight, screen.width(), screen.height());
    setMinimumSize(kMinWidth, kMinHeight);
    resize(start.width, start.height);
    move(screen.center() - QPoint(start.width / 2, start.height / 2));
    if (start.show == WindowShow::Minimized) setWindowState(Qt::WindowMinimized);
    if (start.show == WindowShow::Maximized) setWindowState(Qt::WindowMaximized);

    panelWidth_ = FitInfoPanelWidth(start.width, window.SplitterPos, infoPan_->minimumWidth());
    ApplyPanelWidth();

    TableColours& colours = table_->colours();
    colours.lent = ColourFromStored(settings.printer.InfoColor);
    colours.newMark = ColourFromStored(settings.printer.NewColor);

    ApplyColumnSettings(start.width - panelWidth_ - splitter_->handleWidth());
}

void TMainForm::StoreWindowSettings() {
    Settings& settings = session_.settings();
    WindowSettings& window = settings.window;
    const WindowShow show = ShowOf(windowState());
    window.MainState = StoredWindowState(show);
    if (show == WindowShow::Normal) {
        window.MainWidth = width();
        window.MainHeight = height();
    }
    window.SplitterPos = panelWidth_;
    settings.mainTableWidths = columns_->ToStore(CurrentWidths());
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    panelWidth_ = FitInfoPanelWidth(width(), panelWidth_, infoPan_->minimumWidth());
    ApplyPanelWidth();
}

void TMainForm::PanelMoved() {
    panelWidth_ = FitInfoPanelWidth(width(), splitter_->sizes().value(1), infoPan_->minimumWidth());
    ApplyPanelWidth();
}

void TMainForm::ApplyPanelWidth() {
    const int total = splitter_->width() - splitter_->handleWidth();
    if (splitter_->sizes().value(1) == panelWidth_ || total <= panelWidth_) return;
    splitter_->setSizes({total - panelWidth_, panelWidth_});
}

} // namespace mcb
