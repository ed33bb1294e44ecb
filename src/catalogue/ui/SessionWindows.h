// The journal and reference-list windows over the session's open catalogue. They are made afresh for
// each use, because the catalogue instance changes when another catalogue is opened; the sizes the
// user gave them are kept in the session's settings and written at shutdown.
#pragma once

#include "lists/DictTypes.h"

class QWidget;

namespace mcb {

class Session;

// The reference-list window over the session's current catalogue.
class SessionListPicker : public ListPicker {
public:
    SessionListPicker(Session& session, QWidget* parent) : session_(session), parent_(parent) {}
    bool Pick(DictParams& params) override;

private:
    Session& session_;
    QWidget* parent_;
};

void ShowJournalWindow(Session& session, QWidget* parent);

} // namespace mcb
