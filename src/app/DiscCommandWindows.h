// The disc commands and the windows behind them: add and edit open the disc editor, delete, lend
// and return run the core commands on a disc given by its identifier, and the filter command opens
// the filter dialog. After a change the table is rebuilt; the focus goes back to the table.
#pragma once

#include "catalogue/ui/SessionListPicker.h"
#include "discs/DiscCommands.h"

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
    // Lives as long as the main window, which owns it.
    explicit DiscCommandWindows(TMainForm& form);
    ~DiscCommandWindows() override;

    void AddDisc();
    // An empty identifier (no disc current) does nothing.
    void EditDisc(const std::string& discId);
    void DeleteDisc(const std::string& discId);
    void LendDisc(const std::string& discId);
    void ReturnDisc(const std::string& discId);
    void ChooseFilter();

    // Another reference-list window (tests script one); null restores the real one.
    void SetPicker(ListPicker* picker) { picker_ = picker ? picker : &ownPicker_; }

private:
    using Command = bool (*)(const std::string&, const DiscCommandContext&);

    void RunEditor(bool isNewDisc, const std::string& id);
    void RunCommand(Command command, const std::string& discId);

    Session& session_;
    TMainForm& form_;
    TEditDisk* editDisk_;
    TFilterForm* filterForm_;
    SessionListPicker ownPicker_;
    ListPicker* picker_;
};

} // namespace mcb
