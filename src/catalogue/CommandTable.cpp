#include "catalogue/CommandTable.h"

#include "catalogue/CommandCatalogue.h"
#include "catalogue/TableBuild.h"

namespace mcb {

std::optional<CommandTable> LoadCommandTable(const ListRequest& request, std::ostream& err) {
    const auto path = CommandCataloguePath(request.cataloguePath, err);
    if (!path) return std::nullopt;
    CommandTable loaded;
    // Opened for reading only: the engine writes a file back only after a change.
    loaded.catalogue = std::make_unique<const TIniFile>(*path);
    const TIniFile settingsFile(SettingsDirectoryPath() + kSettingsFileName);
    loaded.settings = ReadSettings(settingsFile, request.today);
    loaded.layout = ReadLayout(request.layoutPath);
    loaded.table = BuildTable(*loaded.catalogue, loaded.settings.filter, loaded.settings.setup, loaded.layout,
                              request.today, /*collectDebts=*/false)
                       .table;
    return loaded;
}

} // namespace mcb
