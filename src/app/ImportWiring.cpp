#include "app/Wiring.h"
#include "catalogue/ui/MainForm.h"
#include "output/ui/DiscImportRun.h"

namespace mcb {

void WireImport(TMainForm& form) {
    form.ConnectCommand("mmImportCD", [&form] {
        if (RunDiscImport(form.session(), &form)) form.RebuildTable();
        form.FocusTable();
    });
}

} // namespace mcb
