#include "output/ui/ExportProgress.h"

#include <QApplication>
#include <climits>

namespace mcb {

namespace {

constexpr int kShowAfterMs = 700;
constexpr std::size_t kStep = 256; // discs between updates: drawing the bar costs more than a disc

} // namespace

ExportProgressWindow::ExportProgressWindow(QWidget* parent, std::size_t discs)
    : dialog_(QStringLiteral("Экспорт дисков ..."), QStringLiteral("Отмена"), 0,
              int(std::min<std::size_t>(discs, INT_MAX)), parent) {
    dialog_.setObjectName(QStringLiteral("ExportProgress"));
    dialog_.setWindowTitle(QStringLiteral("Экспорт в Excel"));
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(kShowAfterMs);
    dialog_.setAutoReset(false);
    dialog_.setAutoClose(false);
    dialog_.setValue(0);
}

// The workbook is packed after the last disc; the window says so while that takes its time.
ExportProgress ExportProgressWindow::Callback() {
    return [this](std::size_t done, std::size_t total) {
        if (done % kStep != 0 && done != total) return true;
        dialog_.setValue(int(std::min<std::size_t>(done, INT_MAX)));
        if (done == total) dialog_.setLabelText(QStringLiteral("Запись книги ..."));
        return !dialog_.wasCanceled();
    };
}

} // namespace mcb
