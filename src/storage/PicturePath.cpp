#include "storage/CatalogueFormat.h"
#include "storage/TextCodec.h"

#include <algorithm>
#include <utility>

namespace mcb {

namespace {

// The folder is compared with its exact letter case: on Linux "/home/u/Films/" and "/home/u/films/"
// are different folders, so upper-casing both (as a case-insensitive file system allows) would
// store a path from the other folder as relative to the catalogue.
void ReplaceBaseDirByMark(std::string& text, const std::string& baseDir) {
    if (baseDir.empty() || baseDir == "?") return; // replacing would never end
    // Each replacement searches from the start again, since it can join a new occurrence.
    for (auto pos = text.find(baseDir); pos != std::string::npos; pos = text.find(baseDir)) {
        std::string joined = text.substr(0, pos);
        joined += '?';
        joined.append(text, pos + baseDir.size());
        text = std::move(joined);
    }
}

// A relative part written on Windows uses "\" as its delimiter; it is turned into "/" so that the
// picture is found below the catalogue folder. (A Linux file name holding a "\" in that part
// cannot be told apart and is changed the same way.)
std::string ExpandMarks(const std::string& text, const std::string& baseDir) {
    std::string out;
    bool relative = false;
    for (char c : text) {
        if (c == '?') {
            out += baseDir;
            relative = true;
        } else {
            out += relative && c == '\\' ? '/' : c;
        }
    }
    return out;
}

} // namespace

// A line break in a stored value would split its line in the file and could turn the rest into a key
// of its own, so a path holding one (legal in Linux file names) is not stored: the disc keeps no picture.
std::string EncodePicturePath(const std::string& path, const std::string& baseDir) {
    if (path.find_first_of("\r\n") != std::string::npos) return "\"\"";
    const auto start = path.find_first_not_of(' ');
    std::string text = "\"";
    text += Cp1251FromUtf8(start == std::string::npos ? "" : path.substr(start)).text;
    text += '"';
    ReplaceBaseDirByMark(text, Cp1251FromUtf8(baseDir).text);
    return text;
}

// The quotes around the path do not count towards its length. Every byte stays at least one byte in
// UTF-8, so a stored text that is too long already is not converted at all.
std::string DecodePicturePath(const std::string& stored, const std::string& baseDir) {
    constexpr std::size_t kQuotes = 2;
    if (stored.size() > kLongestPicturePath + kQuotes) return {};
    const std::string utf8 = Utf8FromCp1251(stored);
    const auto marks = static_cast<std::size_t>(std::count(utf8.begin(), utf8.end(), '?'));
    if (utf8.size() - marks + marks * baseDir.size() > kLongestPicturePath + kQuotes) return {};
    std::string text = ExpandMarks(utf8, baseDir);
    if (!text.empty() && text.front() == '"') text.erase(0, 1);
    if (!text.empty() && text.back() == '"') text.pop_back();
    return text.size() > kLongestPicturePath ? std::string() : text;
}

} // namespace mcb
