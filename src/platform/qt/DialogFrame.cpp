#include "platform/qt/DialogFrame.h"

#include <QDialog>

namespace mcb {

namespace {

// CustomizeWindowHint: the border shows what is asked for, not the platform's default buttons.
constexpr Qt::WindowFlags kCloseBox =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

} // namespace

void ShowOnlyCloseBox(QDialog& dialog) {
    dialog.setWindowFlags(kCloseBox);
}

void ShowCloseAndMaximiseBoxes(QDialog& dialog) {
    dialog.setWindowFlags(kCloseBox | Qt::WindowMaximizeButtonHint);
}

void FixDialogSize(QDialog& dialog, QSize designed) {
    ShowOnlyCloseBox(dialog);
    dialog.setFixedSize(designed.expandedTo(dialog.minimumSizeHint()));
}

} // namespace mcb
