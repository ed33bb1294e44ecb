#include "platform/DesktopIntegration.h"

#include "storage/AtomicFile.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace mcb {

namespace fs = std::filesystem;

namespace {

constexpr const char* kMimeType = "application/x-mvcb-base";
// The description of the file type, with its three "н" as the program has always registered it.
constexpr const char* kTypeName = "Файл базы даннных Mirvane CD Base";

// A desktop entry's Exec argument in double quotes, with the characters the entry format reserves escaped.
std::string QuotedExec(const std::string& path) {
    std::string quoted = "\"";
    // Two levels: the quoted argument escapes these with a backslash, and the entry's string syntax
    // doubles every backslash.
    for (char c : path) {
        if (c == '\\')
            quoted += "\\\\\\\\";
        else if (c == '"' || c == '`' || c == '$')
            quoted += std::string("\\\\") + c;
        else
            quoted += c;
    }
    return quoted + "\"";
}

bool SameContent(const fs::path& file, const std::string& text) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return false;
    const std::string current((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return current == text;
}

bool WriteIfDifferent(const fs::path& file, const std::string& text) {
    if (SameContent(file, text)) return false;
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    return WriteFileAtomically(file.string(), text);
}

} // namespace

std::string DataHome() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && *xdg == '/') return xdg;
    const char* home = std::getenv("HOME");
    return home && *home ? std::string(home) + "/.local/share" : std::string();
}

std::string DesktopEntryText(const std::string& executablePath) {
    return std::string("[Desktop Entry]\n"
                       "Type=Application\n"
                       "Name=Mirvane CD Base\n"
                       "Comment=Каталог коллекции дисков\n"
                       "Exec=") +
           QuotedExec(executablePath) + " %f\nIcon=mirvane-cdbase\nMimeType=" + kMimeType +
           ";\nTerminal=false\nCategories=Office;Database;\nKeywords=каталог;диски;фильмы;музыка;коллекция;долги;\n";
}

std::string MimePackageText() {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                       "  <mime-type type=\"") +
           kMimeType + "\">\n    <comment>" + kTypeName +
           "</comment>\n    <glob pattern=\"*.cbf\"/>\n  </mime-type>\n</mime-info>\n";
}

bool RegisterCatalogueType(const std::string& executablePath, const std::string& dataHome) {
    if (dataHome.empty()) return false;
    const fs::path base(dataHome);
    const bool entry =
        WriteIfDifferent(base / "applications" / "mirvane-cdbase.desktop", DesktopEntryText(executablePath));
    const bool mime = WriteIfDifferent(base / "mime" / "packages" / "mirvane-cdbase.xml", MimePackageText());
    return entry || mime;
}

} // namespace mcb
