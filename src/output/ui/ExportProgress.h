// What the user sees while an export runs: the wait cursor, and for a long export a progress window
// whose "Отмена" stops it.
#pragma once

#include "output/ExportLayout.h"
#include "platform/qt/WaitCursor.h"

#include <QProgressDialog>
#include <cstddef>

namespace mcb {

// Shows itself only when the export takes longer than a moment.
class ExportProgressWindow {
public:
    ExportProgressWindow(QWidget* parent, std::size_t discs);
    ExportProgress Callback();

private:
    QProgressDialog dialog_;
};

} // namespace mcb
