#include "discs/DebtorsCommand.h"

#include "catalogue/CommandCatalogue.h"
#include "discs/DebtorsList.h"
#include "discs/ReminderLetters.h"
#include "storage/MyIniFiles.h"
#include "storage/Settings.h"

#include <array>
#include <ostream>

namespace mcb {

int RunDebtorsCommand(const DebtorsRequest& request, std::ostream& out, std::ostream& err) {
    const std::unique_ptr<const TIniFile> opened = OpenCommandCatalogue(request.cataloguePath, err);
    if (!opened) return 1;
    const TIniFile& catalogue = *opened;
    const TIniFile settingsFile(SettingsDirectoryPath() + kSettingsFileName);
    const int today = request.clock.Today();
    const DebtorsList list(OverdueDebts(catalogue, ReadSettings(settingsFile, today).setup, today));
    for (const DebtorsRow& row : list.rows())
        PrintCells(std::array<std::string, 4>{row.debt.name, row.debt.title, row.debt.days, row.debt.mail}, out);
    out << '\n';
    const AddressQuestion noAddress = [](const std::string&, const std::string&) { return std::nullopt; };
    for (const std::string& link : ComposeLetters(list.rows(), request.clock, request.dateFormat, noAddress))
        out << link << '\n';
    return out.good() ? 0 : 1;
}

} // namespace mcb
