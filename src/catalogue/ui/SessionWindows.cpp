#include "catalogue/ui/SessionWindows.h"

#include "catalogue/Session.h"
#include "discs/ui/TMagForm.h"
#include "lists/ui/TDictForm.h"

namespace mcb {

namespace {

class SessionPicker : public ListPicker {
public:
    SessionPicker(Session& session, QWidget* parent) : session_(session), parent_(parent) {}

    bool Pick(DictParams& params) override {
        TDictForm form(session_.catalogue(), session_.settings(), session_.services().prompts, parent_);
        const bool ok = form.Execute(params);
        session_.settings().window.DictWidth = form.width();
        session_.settings().window.DictHeight = form.height();
        return ok;
    }

private:
    Session& session_;
    QWidget* parent_;
};

} // namespace

std::unique_ptr<ListPicker> MakeSessionPicker(Session& session, QWidget* parent) {
    return std::make_unique<SessionPicker>(session, parent);
}

void ShowJournalWindow(Session& session, QWidget* parent) {
    TMagForm form(session.settings().window, session.services().prompts, parent);
    form.ShowJournal(session.journalFileName());
    session.settings().window.MagazWidth = form.width();
    session.settings().window.MagazHeight = form.height();
}

} // namespace mcb
