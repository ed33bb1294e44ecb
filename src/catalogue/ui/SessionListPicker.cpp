#include "catalogue/ui/SessionListPicker.h"

#include "catalogue/Session.h"
#include "lists/ui/TDictForm.h"

namespace mcb {

bool SessionListPicker::Pick(DictParams& params) {
    TDictForm form(session_.catalogue(), session_.settings(), session_.services().prompts, parent_);
    const bool ok = form.Execute(params);
    session_.settings().window.DictWidth = form.width();
    session_.settings().window.DictHeight = form.height();
    return ok;
}

} // namespace mcb
