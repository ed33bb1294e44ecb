#include "storage/ErrorReport.h"

#include <cstdio>
#include <utility>

#include "storage/TextCodec.h"

namespace mcb {

namespace {

ErrorReporter& CurrentReporter() {
    static ErrorReporter reporter = [](const std::string& message) {
        std::fprintf(stderr, "%s\n", Utf8FromCp1251(message).c_str());
    };
    return reporter;
}

} // namespace

ErrorReporter SetErrorReporter(ErrorReporter reporter) { return std::exchange(CurrentReporter(), std::move(reporter)); }

void ReportError(const std::string& message) {
    if (CurrentReporter()) CurrentReporter()(message);
}

} // namespace mcb
