#include "storage/ErrorReport.h"

#include <cstdio>
#include <utility>

namespace mcb {

namespace {

ErrorReporter& CurrentReporter() {
    static ErrorReporter reporter = [](const UserText& message) {
        std::fprintf(stderr, "%s\n", message.Utf8().c_str());
    };
    return reporter;
}

} // namespace

ErrorReporter SetErrorReporter(ErrorReporter reporter) {
    return std::exchange(CurrentReporter(), std::move(reporter));
}

void ReportError(const UserText& message) {
    if (CurrentReporter()) CurrentReporter()(message);
}

void ReportFileError(const std::string& text, const std::string& path) {
    ReportError(UserText(text) + UserText::Path(path));
}

} // namespace mcb
