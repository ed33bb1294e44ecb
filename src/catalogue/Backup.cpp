#include "catalogue/Backup.h"

#include "catalogue/FileNames.h"
#include "storage/SideFile.h"

#include <filesystem>
#include <system_error>

namespace mcb {

bool WriteBackupCopy(const std::string& catalogue, std::string_view bytes) {
    const std::string backup = WithExtension(catalogue, ".bak");
    std::error_code ec;
    const bool backupHoldsData =
        std::filesystem::is_regular_file(backup, ec) && std::filesystem::file_size(backup, ec) > 0;
    if (backupHoldsData && !HoldsSections(std::string(bytes))) return true;
    return WriteSideFile(backup, bytes, catalogue, "~tmpini.tmp");
}

} // namespace mcb
