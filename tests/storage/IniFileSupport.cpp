#include "IniFileSupport.h"

#include <algorithm>
#include <dirent.h>
#include <fstream>
#include <sys/stat.h>

namespace mcb::test {

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

bool Exists(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0;
}

std::vector<std::string> ListFolder(const std::string& path) {
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(path.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

ErrorRecorder::ErrorRecorder()
    : previous_(SetErrorReporter([this](const std::string& message) { messages.push_back(message); })) {}

ErrorRecorder::~ErrorRecorder() {
    SetErrorReporter(previous_);
}

} // namespace mcb::test
