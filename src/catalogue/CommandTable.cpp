#include "catalogue/CommandTable.h"

#include "catalogue/CommandCatalogue.h"
#include "catalogue/TableBuild.h"

#include <ostream>

namespace mcb {

std::optional<CommandTable> LoadCommandTable(const ListRequest& request, std::ostream& err) {
    CommandTable loaded;
    loaded.catalogue = OpenCommandCatalogue(request.cataloguePath, err);
    if (!loaded.catalogue) return std::nullopt;
    const TIniFile settingsFile(SettingsDirectoryPath() + kSettingsFileName);
    loaded.settings = ReadSettings(settingsFile, request.today);
    loaded.layout = ReadLayout(request.layoutPath);
    loaded.table = BuildTable(*loaded.catalogue, loaded.settings.filter, loaded.settings.setup, loaded.layout,
                              request.today, /*collectDebts=*/false)
                       .table;
    return loaded;
}

} // namespace mcb
