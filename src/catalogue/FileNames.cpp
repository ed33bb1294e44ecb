#include "catalogue/FileNames.h"

#include "storage/Settings.h"
#include "storage/TextCodec.h"

#include <filesystem>
#include <optional>
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

namespace {

// Every byte outside printable ASCII, and "%" itself, as "%" with two hex digits.
std::string PercentEncoded(const std::string& bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string text;
    for (char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte > ' ' && byte < 0x7F && byte != '%') {
            text += c;
        } else {
            text += '%';
            text += digits[byte >> 4];
            text += digits[byte & 15];
        }
    }
    return text;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// Nothing for a text that is not such an encoding.
std::optional<std::string> PercentDecoded(const std::string& text) {
    std::string bytes;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            bytes += text[i];
            continue;
        }
        if (i + 2 >= text.size() || HexDigit(text[i + 1]) < 0 || HexDigit(text[i + 2]) < 0) return std::nullopt;
        bytes += static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2]));
        i += 2;
    }
    return bytes;
}

} // namespace

std::string RememberedCatalogue(const Settings& settings) {
    const std::optional<std::string> full = PercentDecoded(settings.BaseNameUtf8);
    if (full && !full->empty() && PathToText(*full) == settings.BaseName) return *full;
    return PathFromText(settings.BaseName);
}

void RememberCatalogue(Settings& settings, const std::string& path) {
    const Cp1251Result text = Cp1251FromUtf8(path);
    settings.BaseName = text.text;
    settings.BaseNameUtf8 = text.Ok() ? "" : PercentEncoded(path);
}

// A "[" followed on its line by a "]" that is not the very next byte. In one pass: the first "]"
// after a "[" decides for every "[" since the "]" before, and the earliest of them is the one that
// can have a byte in between.
bool HoldsSections(std::string_view content) {
    constexpr size_t kNone = std::string_view::npos;
    size_t open = kNone; // the first "[" since the last "]" on this line
    for (size_t pos = 0; pos < content.size(); ++pos) {
        const char c = content[pos];
        if (c == '\r' || c == '\n') {
            open = kNone;
        } else if (c == '[') {
            if (open == kNone) open = pos;
        } else if (c == ']') {
            if (open != kNone && pos > open + 1) return true;
            open = kNone;
        }
    }
    return false;
}

} // namespace mcb
