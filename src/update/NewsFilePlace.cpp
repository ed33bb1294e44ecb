#include "update/NewsFilePlace.h"

#include <filesystem>
#include <stdlib.h>
#include <unistd.h>

namespace mcb {

namespace fs = std::filesystem;

namespace {

constexpr const char* kNewsFileName = "news.txt";

bool Usable(const fs::path& folder) {
    std::error_code ec;
    return !folder.empty() && access(folder.c_str(), W_OK | X_OK) == 0 &&
           !fs::exists(fs::symlink_status(folder / kNewsFileName, ec));
}

} // namespace

NewsFilePlace::NewsFilePlace(const std::string& catalogueFolder) {
    if (Usable(catalogueFolder)) {
        path_ = (fs::path(catalogueFolder) / kNewsFileName).string();
        return;
    }
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "mirvane-cdbase-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data())) return;
    privateFolder_ = pattern;
    path_ = (fs::path(privateFolder_) / kNewsFileName).string();
}

NewsFilePlace::~NewsFilePlace() {
    std::error_code ec;
    if (!path_.empty()) fs::remove(path_, ec);
    if (!privateFolder_.empty()) fs::remove_all(privateFolder_, ec);
}

} // namespace mcb
