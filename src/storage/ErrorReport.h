// The program's general error reporting: storage code reports failures here and the windows show
// them as message boxes. Without a window (command line, tests) they go to standard error.
#pragma once

#include <functional>
#include <string>

namespace mcb {

// Message texts are Windows-1251.
using ErrorReporter = std::function<void(const std::string& message)>;

// Installs the reporter and returns the previous one.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

void ReportError(const std::string& message);

} // namespace mcb
