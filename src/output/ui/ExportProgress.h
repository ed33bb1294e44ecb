// What the user sees while an export runs: the wait cursor, and for a long export a progress window
// whose "Отмена" stops it.
#pragma once

#include "output/ExportLayout.h"

#include <QProgressDialog>
#include <cstddef>

namespace mcb {

// The wait cursor for as long as the object lives, however the work ends.
class WaitCursor {
public:
    WaitCursor();
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Shows itself only when the export takes longer than a moment.
class ExportProgressWindow {
public:
    ExportProgressWindow(QWidget* parent, std::size_t discs);
    ExportProgress Callback();

private:
    QProgressDialog dialog_;
};

} // namespace mcb
