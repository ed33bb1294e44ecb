#include "app/Wiring.h"
#include "catalogue/ui/MainForm.h"
#include "platform/qt/QtServices.h"
#include "update/DownloadPolicy.h"
#include "update/Powersock.h"
#include "update/ui/QtDownload.h"
#include "update/ui/TUpdateForm.h"

#include <memory>

namespace mcb {

namespace {

// The services of the update window, for as long as the main window lives.
struct UpdateAdapters {
    TPowersock psck;
    QtDownload download;
    QtShell shell;
};

} // namespace

void WireUpdate(TMainForm& form) {
    auto adapters = std::make_shared<UpdateAdapters>();
    SessionServices& services = form.session().services();
    const std::string site = UpdateSite();
    auto* window = new TUpdateForm(
        {services.clock, adapters->psck, adapters->download, services.prompts, adapters->shell}, site, &form);
    window->SetSettingsRefused(form.session().settingsRefused());
    const auto show = [window, adapters, &form] {
        window->Execute(form.session().settings().setup);
        form.FocusTable();
    };
    form.ConnectCommand("N22", show);
    if (CheckRunsByItself(site)) form.startupTaskWindows().showUpdateCheck = show;
}

} // namespace mcb
