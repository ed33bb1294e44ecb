#include "catalogue/StartupBackup.h"

#include "catalogue/Backup.h"

#include <utility>

namespace mcb {

void StartupBackup::Start(std::shared_ptr<const void> keep, std::string_view bytes, std::string catalogue) {
    Finish();
    written_ = false;
    thread_ = std::thread([this, keep = std::move(keep), bytes, catalogue = std::move(catalogue)] {
        written_ = WriteBackupCopy(catalogue, bytes);
    });
}

std::optional<bool> StartupBackup::Finish() {
    if (!thread_.joinable()) return std::nullopt;
    thread_.join();
    return written_;
}

} // namespace mcb
