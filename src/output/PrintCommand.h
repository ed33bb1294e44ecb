// The command "--print": the catalogue report of the table as "--list" shows it, printed with the
// options of the settings file's "Printer" section into a PDF file, without a display.
#pragma once

#include "catalogue/ListCommand.h"
#include "output/PrintCanvas.h"
#include "output/PrintFont.h"

#include <iosfwd>
#include <string>

namespace mcb {

class Clock;
class DateFormat;

struct PrintRequest {
    ListRequest table;      // catalogue, layout file and today
    std::string outputPath; // native path of the PDF, for messages
};

struct PrintDevice {
    PrintCanvas& canvas; // writes the file only when the job ends
    const PrinterFonts& fonts;
};

// Writes nothing but the output file, and nothing on `err` on success. Returns the exit code: 0, or
// 1 with a message on `err` naming the file (an output that OutputRefusal refuses, unreadable
// catalogue, no disc to print, printing failed).
int RunPrintCommand(const PrintRequest& request, const PrintDevice& device, const Clock& clock,
                    const DateFormat& dateFormat, std::ostream& err);

} // namespace mcb
