// Conversion of stored decimal texts to integers.
#pragma once

#include <optional>
#include <string_view>

namespace mcb {

// A signed 32-bit decimal integer: leading blanks (space or tab), an optional sign and at least one
// digit, nothing else. Nothing when the text is not such a number or is out of range.
std::optional<int> ParseDecimalInt(std::string_view text);

} // namespace mcb
