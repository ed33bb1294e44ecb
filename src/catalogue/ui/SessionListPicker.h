// The reference-list window over the session's open catalogue, for the commands and dialogs that
// pick entries. The window is made afresh for each use, because the catalogue instance changes when
// another catalogue is opened; the size the user gave it is kept in the session's settings.
#pragma once

#include "lists/DictTypes.h"

class QWidget;

namespace mcb {

class Session;

class SessionListPicker : public ListPicker {
public:
    SessionListPicker(Session& session, QWidget* parent) : session_(session), parent_(parent) {}
    bool Pick(DictParams& params) override;

private:
    Session& session_;
    QWidget* parent_;
};

} // namespace mcb
