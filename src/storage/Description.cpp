#include "storage/Description.h"

#include "storage/Cp1251.h"
#include "storage/DecimalInt.h"
#include "storage/MyIniFiles.h"

#include <algorithm>

namespace mcb {

namespace {

std::string LineKey(int k) {
    return "Li" + std::to_string(k);
}

// Highest k for which a key Li<k> (any letter case, no leading zero) is stored in the section.
int HighestLineKey(const TIniFile& catalogue, const std::string& section) {
    int highest = 0;
    for (const std::string& key : catalogue.KeyNames(section)) {
        if (key.size() < 3 || UpperChar(key[0]) != 'L' || UpperChar(key[1]) != 'I' || key[2] == '0') continue;
        const bool digits = std::all_of(key.begin() + 2, key.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (digits) highest = std::max(highest, ParseDecimalInt(std::string_view(key).substr(2)).value_or(0));
    }
    return highest;
}

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

// Lines Lin points beyond the last stored key are not read, so a hand-edited huge Lin costs no more
// than the keys that exist.
// A disc without description skips the walk over its keys.
std::vector<std::string> ReadDescriptionLines(const TIniFile& catalogue, const std::string& section) {
    const int lin = catalogue.ReadInteger(section, "Lin", 0);
    std::vector<std::string> lines;
    if (lin <= 0) return lines;
    const int count = std::min(lin, HighestLineKey(catalogue, section));
    for (int k = 1; k <= count; ++k) lines.push_back(catalogue.ReadString(section, LineKey(k), ""));
    return lines;
}

std::string ReadDescription(const TIniFile& catalogue, const std::string& section) {
    const std::vector<std::string> lines = ReadDescriptionLines(catalogue, section);
    std::string text;
    for (size_t k = 0; k < lines.size(); ++k) text.append(k ? "\r\n" : "").append(lines[k]);
    return text;
}

} // namespace mcb
