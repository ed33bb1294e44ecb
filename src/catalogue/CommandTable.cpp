#include "catalogue/CommandTable.h"

#include "catalogue/TableBuild.h"

#include <cerrno>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb {

namespace {

// The engine would look for a name without a directory in the settings directory; on the command
// line such a name means the current directory.
std::string CommandLinePath(const std::string& path) {
    return path.find('/') == std::string::npos ? "./" + path : path;
}

enum class FileState { Missing, Readable, Unreadable };

FileState StateOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return errno == ENOENT ? FileState::Missing : FileState::Unreadable;
    const bool readable = S_ISREG(info.st_mode) && ::access(path.c_str(), R_OK) == 0;
    return readable ? FileState::Readable : FileState::Unreadable;
}

} // namespace

std::optional<CommandTable> LoadCommandTable(const ListRequest& request, std::ostream& err) {
    const std::string path = CommandLinePath(request.cataloguePath);
    switch (StateOf(path)) {
    case FileState::Unreadable:
        err << "mirvane-cdbase: не удается прочитать файл базы " << request.cataloguePath << '\n';
        return std::nullopt;
    case FileState::Missing:
        err << "mirvane-cdbase: файл базы " << request.cataloguePath << " не найден, показана пустая база\n";
        break;
    case FileState::Readable:
        break;
    }
    CommandTable loaded;
    // Opened for reading only: the engine writes a file back only after a change.
    loaded.catalogue = std::make_unique<const TIniFile>(path);
    const TIniFile settingsFile(SettingsDirectoryPath() + kSettingsFileName);
    loaded.settings = ReadSettings(settingsFile, request.today);
    loaded.layout = ReadLayout(request.layoutPath);
    loaded.table = BuildTable(*loaded.catalogue, loaded.settings.filter, loaded.settings.setup, loaded.layout,
                              request.today, /*collectDebts=*/false)
                       .table;
    return loaded;
}

} // namespace mcb
