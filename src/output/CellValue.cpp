#include "output/CellValue.h"

#include "storage/TextCodec.h"

#include <algorithm>
#include <cctype>

namespace mcb {

namespace {

constexpr std::size_t kExactDigits = 15;

bool IsHex(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

// "_x" + four hex digits + "_" at `at`.
bool IsEscapeAt(std::string_view text, std::size_t at) {
    if (at + 7 > text.size() || text.compare(at, 2, "_x") != 0 || text[at + 6] != '_') return false;
    return std::all_of(text.begin() + at + 2, text.begin() + at + 6, IsHex);
}

} // namespace

std::optional<double> WholeNumber(std::string_view text) {
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view digits = text.substr(negative ? 1 : 0);
    if (digits.empty() || digits.size() > kExactDigits) return std::nullopt;
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) return std::nullopt;
    if (digits.front() == '0' && (digits.size() > 1 || negative)) return std::nullopt;
    double value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return negative ? -value : value;
}

// The workbook format writes characters it cannot hold as "_xHHHH_"; a text that already contains
// such a sequence keeps it by escaping its underscore as "_x005F_". Windows-1251 has one byte per
// character, so the limit counts bytes of the guarded text.
StoredText StoredCellText(std::string_view cp1251) {
    // Nearly every cell fits and holds no underscore: nothing to guard or cut.
    if (cp1251.size() <= kCellTextLimit && cp1251.find('_') == std::string_view::npos)
        return {Utf8FromCp1251(cp1251), false};
    std::string guarded;
    guarded.reserve(std::min(cp1251.size(), kCellTextLimit));
    std::size_t i = 0;
    for (; i < cp1251.size(); ++i) {
        const std::string_view guard = IsEscapeAt(cp1251, i) ? "_x005F" : "";
        if (guarded.size() + guard.size() + 1 > kCellTextLimit) break;
        guarded.append(guard).push_back(cp1251[i]);
    }
    return {Utf8FromCp1251(guarded), i < cp1251.size()};
}

} // namespace mcb
