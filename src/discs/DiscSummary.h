// The texts of the views of one disc: the summary of `TCDinfo` and the captions of the picture
// viewer and the description window.
#pragma once

#include "storage/Layout.h"

#include <string>
#include <vector>

namespace mcb {

class TIniFile;

// One line per filled field: names 1 and 2, a line holding one blank, genre to year, the duration
// with " мин", another blank line, then the description. Each field line is "<column name> : <text>".
// An identifier that names no disc gives no lines.
std::vector<std::string> DiscSummary(const TIniFile& catalogue, const std::string& discId, const TableLayout& layout);

// "<name 1> <name 2> : <what>", each name followed by its blank only when it is not empty; `what`
// is "картинка" or "описание" (Windows-1251).
std::string DiscViewCaption(const TIniFile& catalogue, const std::string& discId, const std::string& what);

} // namespace mcb
