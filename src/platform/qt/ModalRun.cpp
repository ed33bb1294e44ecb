#include "platform/qt/ModalRun.h"

#include <QApplication>
#include <QDialog>
#include <deque>

namespace mcb {

namespace {

std::deque<ModalScript>& Scripts() {
    static std::deque<ModalScript> scripts;
    return scripts;
}

bool& Ended() {
    static bool ended = false;
    return ended;
}

} // namespace

void EndModalRuns() {
    Ended() = true;
    // Message boxes and file dialogs of the prompts too: every dialog on the screen.
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->done(QDialog::Rejected);
}

bool ModalRunsEnded() {
    return Ended();
}

int RunModal(QDialog& dialog) {
    if (Ended()) return QDialog::Rejected;
    if (Scripts().empty()) return dialog.exec();
    const ModalScript script = std::move(Scripts().front());
    Scripts().pop_front();
    dialog.setResult(QDialog::Rejected);
    dialog.setModal(true);
    dialog.show();
    script(dialog);
    if (dialog.isVisible()) dialog.reject();
    if (dialog.isVisible()) dialog.hide(); // a window that refuses to close cannot outlive its script
    return dialog.result();
}

void QueueModalScript(ModalScript script) {
    Scripts().push_back(std::move(script));
}

int PendingModalScripts() {
    return static_cast<int>(Scripts().size());
}

} // namespace mcb
