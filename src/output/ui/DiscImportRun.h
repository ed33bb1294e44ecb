// The command "Импорт дисков...": the file dialog, the reading of the file, the mapping window, the
// question about the cells that will be skipped, the import with its progress and the outcome.
#pragma once

class QWidget;

namespace mcb {

class Session;

// True when discs were added and saved, so that the table must be rebuilt.
bool RunDiscImport(Session& session, QWidget* parent);

} // namespace mcb
