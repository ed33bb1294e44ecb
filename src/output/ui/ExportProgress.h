// What the user sees while an export runs: the wait cursor, and for a long export a progress window
// whose "Отмена" stops it.
#pragma once

#include "output/ExportLayout.h"
#include "platform/qt/WaitCursor.h"

#include <QProgressDialog>
#include <cstddef>

namespace mcb {

// The texts of a progress window: its name, caption, label while the discs go by, and label while the
// file is written after the last one.
struct ProgressTexts {
    QString name;
    QString caption;
    QString working;
    QString writing;
};

// Shows itself only when the work takes longer than a moment.
class ExportProgressWindow {
public:
    ExportProgressWindow(QWidget* parent, std::size_t discs);
    ExportProgressWindow(QWidget* parent, std::size_t discs, const ProgressTexts& texts);
    ExportProgress Callback();

private:
    QProgressDialog dialog_;
    QString writing_;
};

} // namespace mcb
