// The command "--import": adds the discs of a spreadsheet to a catalogue with the mapping the import
// window proposes, without a display.
#pragma once

#include "platform/Services.h"

#include <iosfwd>
#include <string>

namespace mcb {

struct ImportRequest {
    std::string sheetPath;     // .xlsx or .csv
    std::string cataloguePath; // created when missing, as "Новая база" creates one
    std::string layoutPath;    // "fields.ini" beside the executable
};

// Journal settings come from the settings file. Prints, in UTF-8, how many discs were added and
// each skipped cell or row. A file that cannot be read or holds no disc, a sheet without a title
// column, a catalogue that cannot be used or saved: a message naming the file on `err` and exit
// code 1, the catalogue unchanged. Returns the exit code.
int RunImportCommand(const ImportRequest& request, const Clock& clock, const DateFormat& dates, std::ostream& out,
                     std::ostream& err);

} // namespace mcb
