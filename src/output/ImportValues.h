// The value a disc field takes from one imported cell (Windows-1251); nothing for a text the field
// cannot hold.
#pragma once

#include "storage/Layout.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace mcb {

// The text on one line: control characters (line breaks included) become blanks, blanks around go.
std::string SingleLine(std::string_view text);

// The lines of a description cell, each made single-line; empty lines inside stay.
std::vector<std::string> DescriptionLines(std::string_view text);

// A title: single-line, the export's new-disc mark dropped, the first letter capital.
std::string TitleValue(std::string_view text);

// An audience by its name in the table ("Детский" ... "Только для взрослых"), letter case ignored.
std::optional<int> AudienceValue(std::string_view text);

// A year of four digits.
std::optional<std::string> YearValue(std::string_view text);

// A length of 0 to 999 minutes.
std::optional<int> LengthValue(std::string_view text);

struct CarrierValue {
    int medium = -1;
    int count = 1;
};

// A carrier as the table shows it, "<medium> <count>", or the medium alone for one disc; the medium
// named as in the layout, letter case ignored.
std::optional<CarrierValue> CarrierOf(std::string_view text, const TableLayout& layout);

} // namespace mcb
