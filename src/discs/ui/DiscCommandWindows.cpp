#include "discs/ui/DiscCommandWindows.h"

#include "catalogue/Session.h"
#include "catalogue/ui/MainForm.h"
#include "catalogue/ui/MainTableView.h"
#include "catalogue/ui/TFilterForm.h"
#include "discs/ui/TEditDisk.h"

#include <QAction>
#include <QKeyEvent>

namespace mcb {

DiscCommandWindows::DiscCommandWindows(Session& session, TMainForm& form)
    : QObject(&form), session_(session), form_(form), editDisk_(new TEditDisk(&form)),
      filterForm_(new TFilterForm(&form)), ownPicker_(session, &form), picker_(&ownPicker_) {
    setObjectName(QStringLiteral("DiscCommandWindows"));
    const WindowSettings& window = session.settings().window;
    editDisk_->ApplyStoredSize(window.EditWidth, window.EditHeight);
    form.table()->installEventFilter(this);
}

DiscCommandWindows::~DiscCommandWindows() = default;

// The row under the table's cursor; none when no row is current.
const TableRow* DiscCommandWindows::CurrentRow() const {
    const auto& rows = session_.table().rows;
    const int row = form_.table()->currentIndex().row();
    return row >= 0 && row < static_cast<int>(rows.size()) ? &rows[row] : nullptr;
}

void DiscCommandWindows::RunEditor(bool isNewDisc, const std::string& id) {
    Session& s = session_;
    const DiscEditorEnvironment environment{s.catalogue(),        s.baseDirectory(),  s.journalFileName(),
                                            s.settings().setup,   s.services().clock, s.services().dateFormat,
                                            s.services().prompts, *picker_,           s.layout()};
    const bool saved = editDisk_->Edit(environment, isNewDisc, id);
    // Kept in the settings at once, so that whatever closes the program stores the latest size.
    s.settings().window.EditWidth = editDisk_->width();
    s.settings().window.EditHeight = editDisk_->height();
    if (saved) form_.RebuildTable();
    form_.table()->setFocus();
}

void DiscCommandWindows::mmAddCDClick() {
    RunEditor(true, {});
}

void DiscCommandWindows::mmEditCDClick() {
    const TableRow* row = CurrentRow();
    if (row && !session_.table().IsEmpty()) RunEditor(false, row->cells[0]);
}

void DiscCommandWindows::RunCommand(Command command) {
    form_.table()->setFocus();
    const TableRow* row = CurrentRow();
    if (!row) return;
    Session& s = session_;
    const JournalContext journal{s.journalFileName(), s.settings().setup, s.services().clock, s.services().dateFormat};
    const DiscCommandContext context{s.catalogue(), s.services().prompts, *picker_, journal, s.services().dateFormat};
    // The row is copied: the rebuild replaces the rows it points into.
    if (command(TableRow(*row), context)) form_.RebuildTable();
    form_.table()->setFocus();
}

void DiscCommandWindows::mmKillCDClick() {
    RunCommand(&DeleteDisc);
}

void DiscCommandWindows::mmGiveCDClick() {
    RunCommand(&LendDisc);
}

void DiscCommandWindows::mmReturnCDClick() {
    RunCommand(&ReturnDisc);
}

void DiscCommandWindows::mmFilterClick() {
    Session& s = session_;
    const FilterEnvironment environment{s.settings().filter, s.catalogue(), s.settings().setup.Truncate, *picker_,
                                        s.services().prompts};
    if (filterForm_->Execute(environment)) form_.RebuildTable();
    form_.table()->setFocus();
}

// The table's keys run their commands when released, before the table refreshes the panel.
bool DiscCommandWindows::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyRelease || static_cast<QKeyEvent*>(event)->isAutoRepeat())
        return QObject::eventFilter(watched, event);
    const char* command = nullptr;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Insert:
        command = "mmAddCD";
        break;
    case Qt::Key_F2:
        command = "mmEditCD";
        break;
    case Qt::Key_Delete:
        command = "mmKillCD";
        break;
    case Qt::Key_F6:
        command = "mmFilter";
        break;
    default:
        break;
    }
    if (command) form_.commands()[command]->trigger();
    return QObject::eventFilter(watched, event);
}

} // namespace mcb
