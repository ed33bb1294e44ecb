#include "platform/qt/ModalRun.h"

#include <QDialog>
#include <deque>

namespace mcb {

namespace {

std::deque<ModalScript>& Scripts() {
    static std::deque<ModalScript> scripts;
    return scripts;
}

} // namespace

int RunModal(QDialog& dialog) {
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
