#include "output/ImportValues.h"

#include "catalogue/TableCells.h"
#include "catalogue/TableTypes.h"
#include "storage/Cp1251.h"

#include <algorithm>
#include <charconv>

namespace mcb {

namespace {

constexpr int kMaxLength = 999;
constexpr int kMaxCount = 9;
constexpr int kAudiences = 4;

std::optional<int> WholeNumberIn(std::string_view text, int low, int high) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

} // namespace

std::string SingleLine(std::string_view text) {
    std::string line(text);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; }, ' ');
    return std::string(TrimBlanks(line));
}

std::vector<std::string> DescriptionLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        lines.push_back(SingleLine(text.substr(start, end - start)));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ++end;
        start = end + 1;
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

std::string TitleValue(std::string_view text) {
    std::string title = SingleLine(text);
    if (title.ends_with(kNewMark))
        title = SingleLine(title.substr(0, title.size() - std::string_view(kNewMark).size()));
    if (!title.empty()) title[0] = UpperChar(title[0]);
    return title;
}

std::optional<int> AudienceValue(std::string_view text) {
    for (int a = 0; a < kAudiences; ++a)
        if (EqualsUpper(text, AudienceName(std::to_string(a)))) return a;
    return std::nullopt;
}

std::optional<std::string> YearValue(std::string_view text) {
    const bool digits =
        text.size() == 4 && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    return digits ? std::optional<std::string>(text) : std::nullopt;
}

std::optional<int> LengthValue(std::string_view text) {
    return WholeNumberIn(text, 0, kMaxLength);
}

std::optional<CarrierValue> CarrierOf(std::string_view text, const TableLayout& layout) {
    CarrierValue carrier;
    std::string_view medium = text;
    const std::size_t blank = text.rfind(' ');
    if (blank != std::string_view::npos) {
        if (const std::optional<int> count = WholeNumberIn(text.substr(blank + 1), 1, kMaxCount)) {
            carrier.count = *count;
            medium = TrimBlanks(text.substr(0, blank));
        }
    }
    for (int m = 0; m < int(layout.media.size()); ++m) {
        if (layout.media[m].empty() || !EqualsUpper(medium, layout.media[m])) continue;
        carrier.medium = m;
        return carrier;
    }
    return std::nullopt;
}

} // namespace mcb
