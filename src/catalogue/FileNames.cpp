#include "catalogue/FileNames.h"

#include "storage/TextCodec.h"

#include <filesystem>
#include <system_error>

namespace mcb {

namespace fs = std::filesystem;

std::string WithExtension(const std::string& path, const std::string& ext) {
    return fs::path(path).replace_extension(ext).string();
}

std::string WithDefaultExtension(const std::string& chosen, const std::string& ext) {
    const std::string present = fs::path(chosen).extension().string();
    if (!present.empty() && present != ".") return chosen;
    return (present == "." ? chosen.substr(0, chosen.size() - 1) : chosen) + ext;
}

std::string WithCatalogueExtension(const std::string& chosen) {
    return WithDefaultExtension(chosen, ".cbf");
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

std::string PathFromText(const std::string& cp1251) {
    return Utf8FromCp1251(cp1251);
}

std::string PathToText(const std::string& path) {
    return Cp1251FromUtf8(path).text;
}

bool HoldsSections(const std::string& content) {
    size_t pos = 0;
    while ((pos = content.find('[', pos)) != std::string::npos) {
        const size_t end = content.find_first_of("\r\n", pos);
        const size_t close = content.find(']', pos);
        if (close != std::string::npos && (end == std::string::npos || close < end) && close > pos + 1) return true;
        ++pos;
    }
    return false;
}

} // namespace mcb
