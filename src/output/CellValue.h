// How a cell text reaches the workbook: whole numbers as numbers, so that years and durations can be
// summed and sorted; everything else as text.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mcb {

// The most characters a spreadsheet cell holds.
constexpr std::size_t kCellTextLimit = 32767;

// The value of a whole number without a leading zero ("1999", "0", "-5"); nothing for any other
// text ("00012", "+5", " 7", "7.5"). Longer numbers than a double holds exactly stay text.
std::optional<double> WholeNumber(std::string_view text);

struct StoredText {
    std::string utf8;
    bool cut = false; // the text was longer than a cell holds
};

// The UTF-8 form of a Windows-1251 cell text as the workbook stores it: cut to kCellTextLimit
// characters, and a literal "_xHHHH_" guarded so that readers do not take it for an escaped character.
StoredText StoredCellText(std::string_view cp1251);

} // namespace mcb
