#include "storage/Description.h"

#include "storage/MyIniFiles.h"

namespace mcb {

namespace {

std::string LineKey(int k) {
    return "Li" + std::to_string(k);
}

// A value can never hold a CR once the file has been parsed, so this default marks a missing key.
const std::string kMissing = "\r";

} // namespace

// A CR that does not end a line is dropped too: written into the file it would split the line and
// could turn the rest of it into a key of its own.
std::vector<std::string> DescriptionToLines(const std::string& text) {
    const auto last = text.find_last_not_of("\r\n");
    std::vector<std::string> lines;
    if (last == std::string::npos) return lines;
    lines.emplace_back();
    for (size_t i = 0; i <= last; ++i) {
        if (text[i] == '\n') {
            lines.emplace_back();
        } else if (text[i] != '\r') {
            lines.back() += text[i];
        }
    }
    return lines;
}

void WriteDescription(TIniFile& catalogue, const std::string& section, const std::string& text) {
    const auto lines = DescriptionToLines(text);
    catalogue.WriteInteger(section, "Lin", static_cast<int>(lines.size()));
    for (size_t i = 0; i < lines.size(); ++i)
        catalogue.WriteString(section, LineKey(static_cast<int>(i) + 1), lines[i]);
}

// The program writes every line up to Lin, so the first missing key ends the description; a
// hand-edited huge Lin thus costs no more than the lines that exist.
std::string ReadDescription(const TIniFile& catalogue, const std::string& section) {
    const int count = catalogue.ReadInteger(section, "Lin", 0);
    std::string text;
    for (int k = 1; k <= count; ++k) {
        const std::string line = catalogue.ReadString(section, LineKey(k), kMissing);
        if (line == kMissing) break;
        if (k > 1) text += "\r\n";
        text += line;
    }
    return text;
}

} // namespace mcb
