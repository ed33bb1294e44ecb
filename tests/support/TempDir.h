// A temporary folder for one test, which also serves as the settings folder (XDG_CONFIG_HOME) so that
// no test touches the user's own settings.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace mcb::test {

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "mcb-test-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        setenv("XDG_CONFIG_HOME", (path_ / "config").c_str(), 1);
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Path() const { return path_.string(); }
    std::string SettingsFile() const { return (path_ / "config" / "mirvane-cdbase" / "MirvaneCDB.ini").string(); }

    // Writes a file below the folder, creating its parent folders.
    void Write(const std::string& name, const std::string& content) const {
        std::filesystem::create_directories(std::filesystem::path(File(name)).parent_path());
        std::ofstream(File(name), std::ios::binary) << content;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

private:
    std::filesystem::path path_;
};

} // namespace mcb::test
