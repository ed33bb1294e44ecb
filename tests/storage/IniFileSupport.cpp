#include "IniFileSupport.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <ftw.h>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace mcb::test {

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

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

void IniFileTest::SetUp() {
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/mcb-ini-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    if (const char* home = std::getenv("XDG_CONFIG_HOME")) {
        hadConfigHome_ = true;
        savedConfigHome_ = home;
    }
    ::setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
}

void IniFileTest::TearDown() {
    if (hadConfigHome_)
        ::setenv("XDG_CONFIG_HOME", savedConfigHome_.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
    const auto remove = [](const char* path, const struct stat*, int, struct FTW*) { return ::remove(path); };
    ::nftw(folder_.c_str(), remove, 16, FTW_DEPTH | FTW_PHYS);
}

} // namespace mcb::test
