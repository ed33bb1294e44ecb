// The command "--list": prints the catalogue table as the window would show it at start-up, without
// a display and without writing any file.
#pragma once

#include <iosfwd>
#include <string>

namespace mcb {

struct ListRequest {
    std::string cataloguePath; // native path of the catalogue file
    std::string layoutPath;    // native path of "fields.ini" beside the executable
    int today = 0;             // day number, for the new-disc marks
};

// Filter and sort order come from the settings file in the settings directory. Prints UTF-8 to
// `out`: the heading row, one line per shown disc (none for an empty table), cells separated by TAB,
// then an empty line and the four counter texts. Control characters inside cells are printed as
// blanks so that they cannot break the columns. A catalogue file that does not exist lists as an
// empty catalogue, with a note on `err`; one that exists but cannot be read whole (whatever the
// reason, a size that changed while it was read included) or is not a catalogue is an error (exit
// code 1, the reason on `err`, nothing printed on `out`). Returns the exit code.
int RunListCommand(const ListRequest& request, std::ostream& out, std::ostream& err);

} // namespace mcb
