// The two print jobs of the print window: the catalogue report of the shown table and the sheet of
// one disc. Each runs from start to end on the given canvas.
#pragma once

#include "catalogue/TableTypes.h"
#include "output/PrintCanvas.h"
#include "output/PrintFont.h"
#include "storage/Settings.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace mcb {

class Clock;
class DateFormat;
class Prompts;
class TIniFile;

inline constexpr const char* kJobTitle = "Mirvane CD Base";

enum class JobOutcome { Printed, NothingToPrint, Failed, Cancelled };

struct JobResult {
    JobOutcome outcome = JobOutcome::Printed;
    std::string error; // Failed: the printer's reason, Windows-1251
};

struct ReportSources {
    const CatalogueTable& table;
    const TIniFile& catalogue; // contact names and description lines
    const FilterCriteria& filter;
    const PrinterSettings& printer; // report options and colours
    const Clock& clock;
    const DateFormat& dateFormat;
    // The words of the window's quick search, when the table shows only the discs holding them.
    std::string_view searchWords = {};
};

// Called after every disc with the number of discs laid out and the page being laid out; returning
// false stops the job, and nothing of it is printed.
using JobProgress = std::function<bool(int discsDone, int page)>;

// Title block, filter conditions when chosen, then one block per table row in display order.
JobResult PrintCatalogueReport(PrintCanvas& canvas, const PrintFont& font, const ReportSources& sources,
                               const JobProgress& progress = {});

struct SheetSources {
    const CatalogueTable& table;
    std::string discId;
    const std::array<std::string, kColumnCount>& captions; // column headings without the sort mark
    const TIniFile& catalogue;
};

JobResult PrintSingleDisc(PrintCanvas& canvas, const PrintFont& font, const SheetSources& sources);

// What the window shows after a job: "Нет данных для печати", or the printer's error through the
// general error reporting.
void ShowJobResult(const JobResult& result, Prompts& prompts);

} // namespace mcb
