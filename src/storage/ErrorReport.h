// The program's general error reporting: storage code reports failures here and the windows show
// them as message boxes. Without a window (command line, tests) they go to standard error.
#pragma once

#include "storage/UserText.h"

#include <functional>
#include <string>

namespace mcb {

using ErrorReporter = std::function<void(const UserText& message)>;

// Installs the reporter and returns the previous one.
ErrorReporter SetErrorReporter(ErrorReporter reporter);

void ReportError(const UserText& message);
// A Windows-1251 text followed by a native file path, shown as it is.
void ReportFileError(const std::string& text, const std::string& path);

} // namespace mcb
