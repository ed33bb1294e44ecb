#include "storage/MyIniFiles.h"

#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb {

namespace {

std::string HomeDirectory() {
    const char* home = std::getenv("HOME");
    if (home && *home) return home;
    const passwd* entry = ::getpwuid(::getuid());
    return entry && entry->pw_dir ? entry->pw_dir : "";
}

// Like mkdir -p; failures are left to the write that needs the directory.
void MakeDirectories(const std::string& path) {
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1))
        ::mkdir(path.substr(0, slash).c_str(), 0700);
}

} // namespace

std::string SettingsDirectoryPath() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the base directory rules say.
    const std::string base = config && config[0] == '/' ? config : HomeDirectory() + "/.config";
    return base + "/mirvane-cdbase/";
}

std::string SettingsDirectory() {
    const std::string directory = SettingsDirectoryPath();
    MakeDirectories(directory);
    return directory;
}

} // namespace mcb
