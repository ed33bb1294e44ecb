#include "app/Wiring.h"
#include "catalogue/Session.h"
#include "catalogue/ui/MainForm.h"
#include "discs/ui/TMagForm.h"

namespace mcb {

namespace {

// The journal of the open catalogue; the size the user gave the window is kept in the settings.
void ShowJournal(TMainForm& form) {
    Session& session = form.session();
    TMagForm window(session.settings().window, session.services().prompts, &form);
    window.ShowJournal(session.journalFileName(), session.baseFileName());
    session.settings().window.MagazWidth = window.width();
    session.settings().window.MagazHeight = window.height();
    form.FocusTable();
}

} // namespace

void WireJournal(TMainForm& form) {
    form.ConnectCommand("mmMagazine", [&form] { ShowJournal(form); });
}

} // namespace mcb
