// The catalogue window's disc commands and the windows behind them: add and edit open the disc
// editor, delete, lend and return run the core commands on the current row, and the filter command
// opens the filter dialog. The table keys Insert, F2, Delete and F6 run them too. After a change
// the table is rebuilt; the focus goes back to the table.
#pragma once

#include "catalogue/ui/SessionWindows.h"
#include "discs/DiscCommands.h"
#include "lists/DictTypes.h"

#include <QObject>
#include <string>

namespace mcb {

class Session;
class TEditDisk;
class TFilterForm;
class TMainForm;

class DiscCommandWindows : public QObject {
    Q_OBJECT
public:
    DiscCommandWindows(Session& session, TMainForm& form);
    ~DiscCommandWindows() override;

    void mmAddCDClick();
    void mmEditCDClick();
    void mmKillCDClick();
    void mmGiveCDClick();
    void mmReturnCDClick();
    void mmFilterClick();

    TEditDisk& editDisk() const { return *editDisk_; }
    TFilterForm& filterForm() const { return *filterForm_; }
    // Another reference-list window (tests script one); null restores the real one.
    void SetPicker(ListPicker* picker) { picker_ = picker ? picker : &ownPicker_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Command = bool (*)(const TableRow&, const DiscCommandContext&);

    const TableRow* CurrentRow() const;
    void RunEditor(bool isNewDisc, const std::string& id);
    void RunCommand(Command command);

    Session& session_;
    TMainForm& form_;
    TEditDisk* editDisk_;
    TFilterForm* filterForm_;
    SessionListPicker ownPicker_;
    ListPicker* picker_;
};

} // namespace mcb
