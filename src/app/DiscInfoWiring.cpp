// The views of one disc follow the table's current row: the information group is refreshed on every
// row change and after every table build; "Сводка" opens the summary of the current disc. The debtors
// window is the first of the start-up tasks, and "Должники..." opens it at any time.
#include "app/Wiring.h"
#include "catalogue/ui/MainForm.h"
#include "discs/ui/DiscInfoGroup.h"
#include "discs/ui/TCDinfo.h"
#include "discs/ui/TDolgForm.h"
#include "platform/qt/QtServices.h"

namespace mcb {

namespace {

Shell& DesktopShell() {
    static QtShell shell;
    return shell;
}

} // namespace

void WireDiscInfo(TMainForm& form) {
    Session& session = form.session();
    auto* group = new DiscInfoGroup(session, DesktopShell());
    form.SetInfoGroup(group);
    auto refresh = [group, &form] { group->Refresh(form.CurrentDiscId()); };
    QObject::connect(&form, &TMainForm::currentDiscChanged, group, refresh);
    QObject::connect(&form, &TMainForm::tableRebuilt, group, refresh);
    QObject::connect(group, &DiscInfoGroup::windowClosed, &form, [&form] { form.FocusTable(); });
    refresh(); // the first table build came before this wiring

    auto* summary = new TCDinfo(session, &form);
    form.ConnectCommand("svodka", [summary, &form] {
        summary->ShowDisc(form.CurrentDiscId());
        form.FocusTable();
    });

    const SessionServices& services = session.services();
    auto* debtors = new TDolgForm(services.prompts, DesktopShell(), services.clock, services.dateFormat, &form);
    form.startupTaskWindows().showDebtors = [debtors](std::vector<DebtRow> rows) {
        debtors->ShowDebts(std::move(rows));
    };
    form.ConnectCommand("mmDolg", [debtors, &session, &form] {
        debtors->ShowOverdueDebts(session.catalogue(), session.settings().setup);
        form.FocusTable();
    });
}

} // namespace mcb
