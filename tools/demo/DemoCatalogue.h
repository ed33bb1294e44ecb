// The demo catalogue shipped in examples/: about thirty films and albums with every kind of entry
// the program shows (lent and overdue discs, foreign discs, new discs, covers, descriptions).
#pragma once

#include <string>

namespace mcb::demo {

// The day the demo's dates are counted from: 8 December 2026.
int DemoToday();

// Writes the catalogue to path through the program's own file engine; the two cover pictures are
// expected beside it as "stalker.jpg" and "dark-side.jpg". False when the file could not be written.
bool WriteDemoCatalogue(const std::string& path);

} // namespace mcb::demo
