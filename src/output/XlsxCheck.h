// Checking a written workbook before it is put under the user's name.
#pragma once

#include <string>

namespace mcb {

// True when the file is a zip archive holding a worksheet, every entry inflates to its recorded
// size and checksum, and every XML part ends with the end tag of its root element. The writer
// builds its parts in temporary files without checking every write, so a full disk can leave a
// part cut short although the writer reported success.
bool WorkbookComplete(const std::string& path);

} // namespace mcb
