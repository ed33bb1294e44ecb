// Border icons and size of the program's dialogs. A dialog belongs to the window that opened it, so
// its border never offers minimise; only the dialogs that are meant to grow offer maximise.
#pragma once

#include <QSize>

class QDialog;

namespace mcb {

// A title and only a close box; the dialog stays resizable (within its minimum size).
void ShowOnlyCloseBox(QDialog& dialog);

// As ShowOnlyCloseBox, plus maximise, for a dialog that shows long texts.
void ShowCloseAndMaximiseBoxes(QDialog& dialog);

// A fixed-size dialog: only a close box, and a size the user cannot change - the designed size, or
// what its contents need in the current font where that is more, so that nothing is cut.
void FixDialogSize(QDialog& dialog, QSize designed);

} // namespace mcb
