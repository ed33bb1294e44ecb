#include "catalogue/CommandTable.h"

#include "catalogue/CommandCatalogue.h"
#include "catalogue/TableBuild.h"

#include <ostream>

namespace mcb {

std::optional<CommandTable> LoadCommandInputs(const ListRequest& request, std::ostream& err) {
    CommandTable loaded;
    loaded.catalogue = OpenCommandCatalogue(request.cataloguePath, err);
    if (!loaded.catalogue) return std::nullopt;
    const TIniFile settingsFile(SettingsDirectoryPath() + kSettingsFileName);
    loaded.settings = ReadSettings(settingsFile, request.today);
    loaded.layout = ReadLayout(request.layoutPath);
    return loaded;
}

std::optional<CommandTable> LoadCommandTable(const ListRequest& request, std::ostream& err) {
    std::optional<CommandTable> loaded = LoadCommandInputs(request, err);
    if (!loaded) return std::nullopt;
    loaded->table = BuildTable(*loaded->catalogue, loaded->settings.filter, loaded->settings.setup, loaded->layout,
                               request.today, /*collectDebts=*/false)
                        .table;
    return loaded;
}

} // namespace mcb
