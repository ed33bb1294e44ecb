#include "output/ui/ExportProgress.h"

#include <QApplication>
#include <climits>

namespace mcb {

namespace {

constexpr int kShowAfterMs = 700;
constexpr std::size_t kStep = 256; // discs between updates: drawing the bar costs more than a disc

} // namespace

ExportProgressWindow::ExportProgressWindow(QWidget* parent, std::size_t discs)
    : ExportProgressWindow(parent, discs,
                           {QStringLiteral("ExportProgress"), QStringLiteral("Экспорт в Excel"),
                            QStringLiteral("Экспорт дисков ..."), QStringLiteral("Запись книги ...")}) {}

ExportProgressWindow::ExportProgressWindow(QWidget* parent, std::size_t discs, const ProgressTexts& texts)
    : dialog_(texts.working, QStringLiteral("Отмена"), 0, int(std::min<std::size_t>(discs, INT_MAX)), parent),
      writing_(texts.writing) {
    dialog_.setObjectName(texts.name);
    dialog_.setWindowTitle(texts.caption);
    dialog_.setWindowModality(Qt::WindowModal);
    dialog_.setMinimumDuration(kShowAfterMs);
    dialog_.setAutoReset(false);
    dialog_.setAutoClose(false);
    dialog_.setValue(0);
}

// The file is written after the last disc; the window says so while that takes its time.
ExportProgress ExportProgressWindow::Callback() {
    return [this](std::size_t done, std::size_t total) {
        if (done % kStep != 0 && done != total) return true;
        dialog_.setValue(int(std::min<std::size_t>(done, INT_MAX)));
        if (done == total) dialog_.setLabelText(writing_);
        return !dialog_.wasCanceled();
    };
}

} // namespace mcb
