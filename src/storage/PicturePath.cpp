#include "storage/CatalogueFormat.h"
#include "storage/TextCodec.h"

namespace mcb {

namespace {

// The folder is compared with its exact letter case: on Linux "/home/u/Films/" and "/home/u/films/"
// are different folders, so upper-casing both (as a case-insensitive file system allows) would
// store a path from the other folder as relative to the catalogue.
void ReplaceBaseDirByMark(std::string& text, const std::string& baseDir) {
    if (baseDir.empty() || baseDir == "?") return; // replacing would never end
    for (auto pos = text.find(baseDir); pos != std::string::npos; pos = text.find(baseDir))
        text.replace(pos, baseDir.size(), "?");
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
    std::string text = "\"" + Cp1251FromUtf8(start == std::string::npos ? "" : path.substr(start)).text + "\"";
    ReplaceBaseDirByMark(text, Cp1251FromUtf8(baseDir).text);
    return text;
}

std::string DecodePicturePath(const std::string& stored, const std::string& baseDir) {
    std::string text = ExpandMarks(Utf8FromCp1251(stored), baseDir);
    if (!text.empty() && text.front() == '"') text.erase(0, 1);
    if (!text.empty() && text.back() == '"') text.pop_back();
    return text;
}

} // namespace mcb
