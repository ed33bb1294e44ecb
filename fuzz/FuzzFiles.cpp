#include "FuzzFiles.h"

#include "storage/ErrorReport.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace mcb::fuzz {

namespace fs = std::filesystem;

namespace {

// Memory-backed when the system offers it: the targets write files on every run.
fs::path ScratchParent() {
    std::error_code ec;
    if (fs::is_directory("/dev/shm", ec)) return "/dev/shm";
    return fs::temp_directory_path();
}

void RemoveScratch() {
    std::error_code ec;
    fs::remove_all(ScratchDir(), ec);
}

} // namespace

const std::string& ScratchDir() {
    // Never destroyed: the exit handler that removes the folder runs after static destructors.
    static const std::string* dir = [] {
        auto* pattern = new std::string((ScratchParent() / "mcb-fuzz-XXXXXX").string());
        if (!mkdtemp(pattern->data())) Fail("cannot create the scratch folder");
        setenv("XDG_CONFIG_HOME", pattern->c_str(), 1);
        std::atexit(RemoveScratch);
        return pattern;
    }();
    return *dir;
}

void WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) Fail("cannot write a scratch file");
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string_view> SplitInput(const std::uint8_t* data, std::size_t size, std::size_t count) {
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < count) {
        const std::size_t nul = rest.find('\0');
        if (nul == std::string_view::npos) break;
        parts.push_back(rest.substr(0, nul));
        rest.remove_prefix(nul + 1);
    }
    parts.push_back(rest);
    parts.resize(count);
    return parts;
}

void Fail(const char* what) {
    std::fprintf(stderr, "fuzz property failed: %s\n", what);
    std::abort();
}

void FailOnReports() {
    SetErrorReporter([](const UserText& message) { Fail(message.Utf8().c_str()); });
}

} // namespace mcb::fuzz
