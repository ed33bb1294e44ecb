// Runs a job of the print window on its printer: the file printer first asks for the PDF's name;
// a long report shows its progress with a cancel button, a short job the wait cursor; the outcome
// is reported as the job decides.
#pragma once

#include "output/PrintJob.h"

#include <string>

class QPrinter;
class QWidget;

namespace mcb {

class Prompts;

struct PrintRunContext {
    QWidget* parent;
    QPrinter& printer;
    Prompts& prompts;
    std::string proposedPdf; // native path offered by the file printer's save dialog
    std::string catalogue;   // the open catalogue, which no PDF may replace
};

// False when no job ran because the user cancelled the file name.
bool RunCatalogueReport(const PrintRunContext& context, const PrintFont& font, const ReportSources& sources);
bool RunDiscSheet(const PrintRunContext& context, const PrintFont& font, const SheetSources& sources);

} // namespace mcb
