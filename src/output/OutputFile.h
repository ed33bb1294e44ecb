// The file a report or a workbook is written to, chosen by the user: never the catalogue or a file
// that belongs to it, never anything but a regular file.
#pragma once

#include "storage/UserText.h"

#include <optional>
#include <string>
#include <string_view>

namespace mcb {

// The name with `extension` (".pdf", ".xlsx") added unless it already ends in it, in any letter case;
// a lone "." at its end gives way to it.
std::string WithOutputExtension(const std::string& name, std::string_view extension);

// Why the output may not be written, naming it: it is the catalogue, its journal or its backup
// under any name (a link, another hard link, another spelling of the path), or an existing file that
// is not a regular one (a folder, a device, a named pipe). Nothing when it may be written.
std::optional<UserText> OutputRefusal(const std::string& output, const std::string& catalogue);

} // namespace mcb
