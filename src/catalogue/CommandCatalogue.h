// What the commands without a display share: finding the catalogue file named on the command line
// and printing Windows-1251 cells as UTF-8 lines.
#pragma once

#include "storage/MyIniFiles.h"

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>

namespace mcb {

// The catalogue named on the command line, opened for reading only (a bare name means the current
// directory, not the settings directory). A file that does not exist reads as an empty catalogue,
// with a note on `err`; one that exists but cannot be read whole (a size that changed while it was
// read included) or is not a catalogue gives nothing, with the reason naming it on `err`.
std::unique_ptr<const TIniFile> OpenCommandCatalogue(const std::string& named, std::ostream& err);

// UTF-8 text of a cell; control characters become blanks so that they cannot break the columns.
std::string PrintableUtf8(std::string cell);

// The cells separated by TAB, then a line break.
template <class Cells> void PrintCells(const Cells& cells, std::ostream& out) {
    for (std::size_t c = 0; c < cells.size(); ++c) out << (c ? "\t" : "") << PrintableUtf8(cells[c]);
    out << '\n';
}

} // namespace mcb
