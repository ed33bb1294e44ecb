// Where the program's own executable lives (the layout file "fields.ini" sits beside it).
#pragma once

#include <string>

namespace mcb {

// Directory of the running executable with a trailing "/"; `fallback` (argv[0]) is used when the
// system cannot tell, and "./" when that has no directory either.
std::string ExecutableDirectory(const std::string& fallback);

} // namespace mcb
