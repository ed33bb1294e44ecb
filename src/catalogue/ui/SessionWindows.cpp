#include "catalogue/ui/SessionWindows.h"

#include "catalogue/Session.h"
#include "discs/ui/TMagForm.h"
#include "lists/ui/TDictForm.h"

namespace mcb {

bool SessionListPicker::Pick(DictParams& params) {
    TDictForm form(session_.catalogue(), session_.settings(), session_.services().prompts, parent_);
    const bool ok = form.Execute(params);
    session_.settings().window.DictWidth = form.width();
    session_.settings().window.DictHeight = form.height();
    return ok;
}

void ShowJournalWindow(Session& session, QWidget* parent) {
    TMagForm form(session.settings().window, session.services().prompts, parent);
    form.ShowJournal(session.journalFileName());
    session.settings().window.MagazWidth = form.width();
    session.settings().window.MagazHeight = form.height();
}

} // namespace mcb
