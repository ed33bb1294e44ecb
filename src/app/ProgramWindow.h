// Runs the program with its windows: the platform services, the session started on the catalogue of
// the command line (or the remembered one), the main window wired to every subsystem's windows, and
// the event loop until the main window closes.
#pragma once

#include <string>

namespace mcb {

// catalogue: the command-line catalogue, empty for none; programDir: the folder of the executable.
int RunProgramWindow(const std::string& catalogue, const std::string& programDir);

} // namespace mcb
