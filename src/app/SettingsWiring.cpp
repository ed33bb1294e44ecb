#include "app/Wiring.h"
#include "catalogue/ui/MainForm.h"
#include "lists/ui/TAboutBox.h"
#include "lists/ui/TSetupForm.h"
#include "platform/qt/QtServices.h"

#include <memory>

namespace mcb {

void WireSettings(TMainForm& form) {
    Prompts& prompts = form.session().services().prompts;
    auto* setup = new TSetupForm(prompts, &form);
    form.ConnectCommand("mmMainSetup", [setup, &form] {
        Session& session = form.session();
        if (setup->Execute(session.settings().setup, session.layout())) form.RebuildTable();
        form.FocusTable();
    });
    auto shell = std::make_shared<QtShell>();
    auto* about = new TAboutBox(*shell, prompts, &form);
    form.ConnectCommand("mmAboutPrg", [about, shell, &form] {
        about->Execute();
        form.FocusTable();
    });
}

} // namespace mcb
