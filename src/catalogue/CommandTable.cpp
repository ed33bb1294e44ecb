#include "catalogue/CommandTable.h"

#include "catalogue/TableBuild.h"
#include "catalogue/TableTexts.h"

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb {

namespace {

// The engine would look for a name without a directory in the settings directory.
std::string CommandLinePath(const std::string& path) {
    return path.find('/') == std::string::npos ? "./" + path : path;
}

} // namespace

CatalogueFileState CatalogueFileStateOf(const std::string& cataloguePath) {
    const std::string path = CommandLinePath(cataloguePath);
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0)
        return errno == ENOENT ? CatalogueFileState::Missing : CatalogueFileState::Unreadable;
    const bool readable = S_ISREG(info.st_mode) && ::access(path.c_str(), R_OK) == 0;
    return readable ? CatalogueFileState::Readable : CatalogueFileState::Unreadable;
}

std::array<std::string, kColumnCount> CommandTable::Headings() const {
    return HeadingRow(layout, settings.setup.SortOrder);
}

CommandTable LoadCommandTable(const CommandTableRequest& request) {
    CommandTable loaded;
    loaded.catalogue = std::make_unique<const TIniFile>(CommandLinePath(request.cataloguePath));
    const TIniFile settingsFile(SettingsDirectoryPath() + kSettingsFileName);
    loaded.settings = ReadSettings(settingsFile, request.today);
    loaded.layout = ReadLayout(request.layoutPath);
    loaded.table = BuildTable(*loaded.catalogue, loaded.settings.filter, loaded.settings.setup, loaded.layout,
                              request.today, /*collectDebts=*/false)
                       .table;
    return loaded;
}

} // namespace mcb
