// The disc commands act on the disc of the table's current row: the main window hands over its
// identifier when the command runs.
#include "app/DiscCommandWindows.h"
#include "app/Wiring.h"
#include "catalogue/ui/MainForm.h"

namespace mcb {

void WireDiscs(TMainForm& form) {
    auto* discs = new DiscCommandWindows(form);
    form.ConnectCommand("mmAddCD", [discs] { discs->AddDisc(); });
    form.ConnectCommand("mmEditCD", [discs, &form] { discs->EditDisc(form.CurrentDiscId()); });
    form.ConnectCommand("mmKillCD", [discs, &form] { discs->DeleteDisc(form.CurrentDiscId()); });
    form.ConnectCommand("mmGiveCD", [discs, &form] { discs->LendDisc(form.CurrentDiscId()); });
    form.ConnectCommand("mmReturnCD", [discs, &form] { discs->ReturnDisc(form.CurrentDiscId()); });
    form.ConnectCommand("mmFilter", [discs] { discs->ChooseFilter(); });
}

} // namespace mcb
