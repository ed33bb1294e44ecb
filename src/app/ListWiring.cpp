#include "app/Wiring.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/SessionListPicker.h"

#include <memory>

namespace mcb {

void WireLists(TMainForm& form) {
    // Plain editing of a list; the table is not rebuilt afterwards.
    auto picker = std::make_shared<SessionListPicker>(form.session(), &form);
    const auto edit = [picker, &form](DictKind kind) {
        return [picker, &form, kind] {
            DictParams params{kind, true, false, ""};
            picker->Pick(params);
            form.FocusTable();
        };
    };
    form.ConnectCommand("mmGenres", edit(DictKind::Genres));
    form.ConnectCommand("mmCountries", edit(DictKind::Countries));
    form.ConnectCommand("mmContactList", edit(DictKind::Contacts));
    form.ConnectCommand("mmCompList", edit(DictKind::Companies));
}

} // namespace mcb
