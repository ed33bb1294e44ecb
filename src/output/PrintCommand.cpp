#include "output/PrintCommand.h"

#include "catalogue/CommandTable.h"
#include "output/OutputFile.h"
#include "output/PrintJob.h"
#include "storage/TextCodec.h"

#include <ostream>

namespace mcb {

namespace {

std::string FailureNamingFile(const std::string& error, const std::string& path) {
    if (error.find(path) != std::string::npos) return error;
    return "не удается записать файл " + path + (error.empty() ? "" : ": " + error);
}

} // namespace

int RunPrintCommand(const PrintRequest& request, const PrintDevice& device, const Clock& clock,
                    const DateFormat& dateFormat, std::ostream& err) {
    if (const std::optional<UserText> refusal = OutputRefusal(request.outputPath, request.table.cataloguePath)) {
        err << "mirvane-cdbase: " << refusal->Utf8() << '\n';
        return 1;
    }
    const std::optional<CommandTable> loaded = LoadCommandTable(request.table, err);
    if (!loaded) return 1;
    const Settings& settings = loaded->settings;
    const ReportSources sources{loaded->table, *loaded->catalogue, settings.filter, settings.printer,
                                clock,         dateFormat};
    const JobResult result =
        PrintCatalogueReport(device.canvas, ChoosePrintFont(settings.printer, device.fonts), sources);
    if (result.outcome == JobOutcome::Printed) return 0;
    if (result.outcome == JobOutcome::NothingToPrint)
        err << "mirvane-cdbase: Нет данных для печати в " << request.table.cataloguePath << ", файл "
            << request.outputPath << " не записан\n";
    else
        err << "mirvane-cdbase: " << FailureNamingFile(Utf8FromCp1251(result.error), request.outputPath) << '\n';
    return 1;
}

} // namespace mcb
