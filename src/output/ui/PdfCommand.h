// The command "--print OUT.pdf CATALOGUE" on a real PDF printer, without a display.
#pragma once

#include "output/PrintCommand.h"

#include <iosfwd>

namespace mcb {

// The catalogue report on A4 portrait into the PDF file of the request; see RunPrintCommand. Starts
// the window toolkit on its display-less platform when no application runs yet.
int RunPdfCommand(const PrintRequest& request, std::ostream& err);

} // namespace mcb
