#include "app/Wiring.h"
#include "catalogue/Session.h"
#include "catalogue/ui/MainForm.h"
#include "output/WorkbookExport.h"
#include "output/ui/TExcelForm.h"
#include "platform/qt/QtServices.h"

namespace mcb {

void WireExport(TMainForm& form) {
    static QtShell shell;
    // Made once, so that the options stay as the user left them until the program ends.
    auto* excel = new TExcelForm(form.session(), shell, &form);
    form.ConnectCommand("mmExcel", [excel, &form] {
        if (CheckSomethingToExport(form.session().table(), form.session().services().prompts)) excel->Execute();
        form.FocusTable();
    });
}

} // namespace mcb
