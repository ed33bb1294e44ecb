#include "catalogue/StartupBackup.h"

#include "storage/AtomicFile.h"

#include <utility>

namespace mcb {

void StartupBackup::Start(std::shared_ptr<const void> keep, std::string_view bytes, std::string path) {
    Finish();
    written_ = false;
    thread_ = std::thread(
        [this, keep = std::move(keep), bytes, path = std::move(path)] { written_ = WriteFileAtomically(path, bytes); });
}

std::optional<bool> StartupBackup::Finish() {
    if (!thread_.joinable()) return std::nullopt;
    thread_.join();
    return written_;
}

} // namespace mcb
