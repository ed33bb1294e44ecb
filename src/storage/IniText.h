// The text form of the key/value engine's files: reading bytes into sections and writing them back.
#pragma once

#include "storage/IniStore.h"

#include <string>
#include <string_view>

namespace mcb {

// Reads the sections and key lines of the file text the store was created with. Lines end at CR
// or LF (runs of them are skipped); each line is trimmed of bytes up to 32. Empty lines, comments
// (';'), lines shorter than two bytes, "[]", lines before the first section and lines without '='
// are dropped.
void ParseIniText(IniStore& store);

// The file text: the header verbatim, then each named section that has at least one slot as
// "[name]" CR LF, its live lines each followed by CR LF, and one more CR LF.
std::string FormatIniText(const IniStore& store, std::string_view header);

} // namespace mcb
