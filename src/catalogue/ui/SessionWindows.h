// The journal and reference-list windows over the session's open catalogue. They are made afresh for
// each use, because the catalogue instance changes when another catalogue is opened; the sizes the
// user gave them are kept in the session's settings and written at shutdown.
#pragma once

#include "lists/DictTypes.h"

#include <memory>

class QWidget;

namespace mcb {

class Session;

std::unique_ptr<ListPicker> MakeSessionPicker(Session& session, QWidget* parent);

void ShowJournalWindow(Session& session, QWidget* parent);

} // namespace mcb
