#include "app/DiscCommandWindows.h"

#include "catalogue/Session.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/TFilterForm.h"
#include "discs/ui/TEditDisk.h"

namespace mcb {

DiscCommandWindows::DiscCommandWindows(TMainForm& form)
    : QObject(&form), session_(form.session()), form_(form), editDisk_(new TEditDisk(&form)),
      filterForm_(new TFilterForm(&form)), ownPicker_(session_, &form), picker_(&ownPicker_) {
    setObjectName(QStringLiteral("DiscCommandWindows"));
    const WindowSettings& window = session_.settings().window;
    editDisk_->ApplyStoredSize(window.EditWidth, window.EditHeight);
}

DiscCommandWindows::~DiscCommandWindows() = default;

void DiscCommandWindows::RunEditor(bool isNewDisc, const std::string& id) {
    Session& s = session_;
    const DiscEditorEnvironment environment{s.catalogue(),        s.baseDirectory(),  s.journalFileName(),
                                            s.settings().setup,   s.services().clock, s.services().dateFormat,
                                            s.services().prompts, *picker_,           s.layout()};
    const bool saved = editDisk_->Edit(environment, isNewDisc, id);
    // Kept in the settings at once, so that whatever closes the program stores the latest size.
    s.settings().window.EditWidth = editDisk_->width();
    s.settings().window.EditHeight = editDisk_->height();
    if (saved) form_.RebuildTable(editDisk_->CurrentDiscId()); // a new disc becomes current
    form_.FocusTable();
}

void DiscCommandWindows::AddDisc() {
    RunEditor(true, {});
}

void DiscCommandWindows::EditDisc(const std::string& discId) {
    if (!discId.empty()) RunEditor(false, discId);
}

void DiscCommandWindows::RunCommand(Command command, const std::string& discId) {
    form_.FocusTable();
    Session& s = session_;
    const JournalContext journal{s.journalFileName(), s.settings().setup, s.services().clock, s.services().dateFormat,
                                 s.baseFileName()};
    const DiscCommandContext context{s.table(), s.catalogue(), s.services().prompts,
                                     *picker_,  journal,       s.services().dateFormat};
    if (command(discId, context)) form_.RebuildTable();
    form_.FocusTable();
}

void DiscCommandWindows::DeleteDisc(const std::string& discId) {
    RunCommand(&mcb::DeleteDisc, discId);
}

void DiscCommandWindows::LendDisc(const std::string& discId) {
    RunCommand(&mcb::LendDisc, discId);
}

void DiscCommandWindows::ReturnDisc(const std::string& discId) {
    RunCommand(&mcb::ReturnDisc, discId);
}

void DiscCommandWindows::ChooseFilter() {
    Session& s = session_;
    const FilterEnvironment environment{s.settings().filter, s.catalogue(), s.settings().setup.Truncate, *picker_,
                                        s.services().prompts};
    if (filterForm_->Execute(environment)) form_.RebuildTable();
    form_.FocusTable();
}

} // namespace mcb
