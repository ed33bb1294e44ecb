#include "update/NewsFilePlace.h"

#include <filesystem>
#include <stdlib.h>

namespace mcb {

namespace fs = std::filesystem;

NewsFilePlace::NewsFilePlace() {
    std::error_code ec;
    std::string pattern = (fs::temp_directory_path(ec) / "mirvane-cdbase-XXXXXX").string();
    if (ec || !mkdtemp(pattern.data())) return; // mkdtemp makes the folder readable by its owner only
    privateFolder_ = pattern;
    path_ = (fs::path(privateFolder_) / "news.txt").string();
}

NewsFilePlace::~NewsFilePlace() {
    std::error_code ec;
    if (!privateFolder_.empty()) fs::remove_all(privateFolder_, ec);
}

} // namespace mcb
