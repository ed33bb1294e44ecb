// Runs the catalogue window for the rest of the program: the platform services, the session started
// on the catalogue of the command line (or the remembered one), and the window until it closes.
#pragma once

#include <string>

namespace mcb {

// catalogue: the command-line catalogue, empty for none; programDir: the folder of the executable.
int RunCatalogueWindow(const std::string& catalogue, const std::string& programDir);

} // namespace mcb
