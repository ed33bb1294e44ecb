// Where the program's help pages are, for a program run from its build folder as well as an
// installed one.
#pragma once

#include <string>

namespace mcb {

// The first folder holding the contents page "index.html": "help" beside the executable, the
// installed place "../share/mirvane-cdbase/help" beside the executable's folder, then "help" in
// `sourceDir` (the sources a build folder was made from). Empty when none has the pages.
std::string FindHelpDirectory(const std::string& executableDir, const std::string& sourceDir);

} // namespace mcb
