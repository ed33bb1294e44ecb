#include "catalogue/CommandTable.h"

#include "catalogue/TableBuild.h"
#include "storage/CatalogueFormat.h"

#include <ostream>

namespace mcb {

namespace {

// The engine would look for a name without a directory in the settings directory; on the command
// line such a name means the current directory.
std::string CommandLinePath(const std::string& path) {
    return path.find('/') == std::string::npos ? "./" + path : path;
}

} // namespace

std::optional<CommandTable> LoadCommandTable(const ListRequest& request, std::ostream& err) {
    CommandTable loaded;
    // Opened for reading only: the engine writes a file back only after a change.
    loaded.catalogue = std::make_unique<const TIniFile>(CommandLinePath(request.cataloguePath));
    if (const std::optional<UserText> refusal = CatalogueRefusal(*loaded.catalogue)) {
        err << "mirvane-cdbase: " << refusal->Utf8() << '\n';
        return std::nullopt;
    }
    if (loaded.catalogue->Loaded() == ReadState::Missing)
        err << "mirvane-cdbase: файл базы " << request.cataloguePath << " не найден, показана пустая база\n";
    const TIniFile settingsFile(SettingsDirectoryPath() + kSettingsFileName);
    loaded.settings = ReadSettings(settingsFile, request.today);
    loaded.layout = ReadLayout(request.layoutPath);
    loaded.table = BuildTable(*loaded.catalogue, loaded.settings.filter, loaded.settings.setup, loaded.layout,
                              request.today, /*collectDebts=*/false)
                       .table;
    return loaded;
}

} // namespace mcb
