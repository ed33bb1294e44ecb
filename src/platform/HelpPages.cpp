#include "platform/HelpPages.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace mcb {

namespace fs = std::filesystem;

std::string FindHelpDirectory(const std::string& executableDir, const std::string& sourceDir) {
    std::vector<fs::path> candidates;
    // An empty folder name would make these relative to whatever the current folder is.
    if (!executableDir.empty()) {
        const fs::path exe(executableDir);
        candidates = {exe / "help", exe / ".." / "share" / "mirvane-cdbase" / "help"};
    }
    if (!sourceDir.empty()) candidates.push_back(fs::path(sourceDir) / "help");
    for (const fs::path& dir : candidates) {
        std::error_code ec;
        if (fs::is_regular_file(dir / "index.html", ec)) return dir.lexically_normal().string();
    }
    return {};
}

} // namespace mcb
