#include "storage/Description.h"

#include "storage/Cp1251.h"
#include "storage/DecimalInt.h"
#include "storage/MyIniFiles.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace mcb {

namespace {

// Empty lines a description may gain from missing keys, whatever its size.
constexpr std::size_t kGapBudget = 4096;

std::string LineKey(int k) {
    return "Li" + std::to_string(k);
}

// The number k of a key Li<k> (any letter case, no leading zero); nothing for any other key.
std::optional<int> LineNumber(std::string_view key) {
    if (key.size() < 3 || UpperChar(key[0]) != 'L' || UpperChar(key[1]) != 'I' || key[2] == '0') return std::nullopt;
    const std::string_view digits = key.substr(2);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    return ParseDecimalInt(digits);
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

// Only the stored keys are visited, so a hand-edited huge Lin costs no more than the keys that
// exist. Keys above Lin are stale and ignored. Every line up to Lin is given, a missing key being an
// empty line, as long as the gaps stay within a budget that follows the size of the file; gaps
// beyond it mean a damaged count, whose present lines are given without filling (Lin=2147483647
// would otherwise cost minutes and gigabytes). A disc without description skips the walk. The
// lines are noted as number and view, a few bytes each, and never copied.
void VisitDescriptionLines(const TIniFile& catalogue, const std::string& section,
                           const std::function<void(std::string_view line)>& visit) {
    const int count = catalogue.ReadInteger(section, "Lin", 0);
    if (count <= 0) return;
    std::vector<std::pair<int, std::string_view>> numbered;
    catalogue.VisitLines(section, [&](std::string_view key, std::string_view value) {
        const std::optional<int> k = LineNumber(key);
        if (k && *k <= count) numbered.emplace_back(*k, value);
    });
    // The first of equal keys wins, as for every lookup.
    const auto byNumber = [](const auto& a, const auto& b) { return a.first < b.first; };
    const auto sameNumber = [](const auto& a, const auto& b) { return a.first == b.first; };
    std::stable_sort(numbered.begin(), numbered.end(), byNumber);
    numbered.erase(std::unique(numbered.begin(), numbered.end(), sameNumber), numbered.end());
    const std::size_t gaps = static_cast<std::size_t>(count) - numbered.size();
    const bool fill = gaps <= std::max(kGapBudget, numbered.size());
    long long next = 1; // wider than a line number: "Li2147483647" is a valid key
    for (const auto& [k, value] : numbered) {
        for (; fill && next < k; ++next) visit({});
        visit(value);
        next = static_cast<long long>(k) + 1;
    }
    for (; fill && next <= count; ++next) visit({});
}

std::vector<std::string> ReadDescriptionLines(const TIniFile& catalogue, const std::string& section) {
    std::vector<std::string> lines;
    VisitDescriptionLines(catalogue, section, [&lines](std::string_view line) { lines.emplace_back(line); });
    return lines;
}

std::string ReadDescription(const TIniFile& catalogue, const std::string& section) {
    const std::vector<std::string> lines = ReadDescriptionLines(catalogue, section);
    std::string text;
    for (size_t k = 0; k < lines.size(); ++k) text.append(k ? "\r\n" : "").append(lines[k]);
    return text;
}

} // namespace mcb
