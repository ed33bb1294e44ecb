// The command "--export": writes the catalogue table, as "--list" shows it, into a new workbook,
// without a display and without writing anything else.
#pragma once

#include "catalogue/ListCommand.h"
#include "output/ExportLayout.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace mcb {

class DateFormat;

struct ExportRequest {
    ListRequest table;      // the catalogue and how its table is built
    std::string outputPath; // native path of the workbook
    ExportOptions options;
};

struct ExportArguments {
    std::string outputPath;
    std::string cataloguePath;
    ExportOptions options; // as the export window starts unless named
};

// The arguments after "--export": OUT.xlsx, then CATALOGUE, with the options "--no-header",
// "--availability" and "--description=horizontal|vertical|single|none" anywhere after OUT.xlsx.
// Nothing, with `error` set (UTF-8), when they do not fit.
std::optional<ExportArguments> ParseExportArguments(const std::vector<std::string>& args, std::string& error);

// Messages go to `err` in UTF-8, naming the file concerned. An output that OutputRefusal refuses, a
// catalogue that cannot be read, a table without discs (a missing catalogue included) and a workbook
// that cannot be written are errors (exit code 1, nothing left under the workbook's name). Returns
// the exit code.
int RunExportCommand(const ExportRequest& request, const DateFormat& dates, std::ostream& err);

} // namespace mcb
